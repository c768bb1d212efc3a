cmake_minimum_required(VERSION 3.25)
# Fails when a source file includes from a layer it may not depend on. Run as a test:
#   cmake -DSOURCE_DIR=<repository> -P CheckLayering.cmake
# A file may include from its own layer and from layers of a lower rank; layers of equal rank
# (artwork and core; connectors, alerts, analytics; ui and web) stay apart.
set(ranks platform=0 artwork=1 core=1 connectors=2 alerts=2 analytics=2 ui=3 web=3 app=4)
set(layers "")
foreach(entry IN LISTS ranks)
  string(REPLACE "=" ";" pair "${entry}")
  list(GET pair 0 layer)
  list(GET pair 1 rank)
  set(rank_${layer} ${rank})
  list(APPEND layers ${layer})
endforeach()

set(violations "")
function(check_file file own_layer own_rank forbid_all)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"]+\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" included "${line}")
    string(REGEX MATCH "^[a-z]+/" first "${included}")
    string(REPLACE "/" "" first "${first}")
    if(NOT first OR NOT first IN_LIST layers)
      continue()
    endif()
    if(forbid_all OR NOT (first STREQUAL own_layer OR rank_${first} LESS own_rank))
      list(APPEND violations "${file}: ${included}")
    endif()
  endforeach()
  set(violations "${violations}" PARENT_SCOPE)
endfunction()

foreach(layer IN LISTS layers)
  file(GLOB_RECURSE files "${SOURCE_DIR}/quelta/${layer}/*.h" "${SOURCE_DIR}/quelta/${layer}/*.cpp")
  foreach(file IN LISTS files)
    check_file("${file}" ${layer} ${rank_${layer}} FALSE)
  endforeach()
endforeach()
# The telemetry client, the installer and the freedesktop files both programs write know nothing
# of the application.
file(GLOB_RECURSE outside "${SOURCE_DIR}/telemetry/*.h" "${SOURCE_DIR}/telemetry/*.cpp" "${SOURCE_DIR}/installer/*.h" "${SOURCE_DIR}/installer/*.cpp"
     "${SOURCE_DIR}/xdg/*.h" "${SOURCE_DIR}/xdg/*.cpp")
foreach(file IN LISTS outside)
  check_file("${file}" none 0 TRUE)
endforeach()

if(violations)
  list(JOIN violations "\n  " report)
  message(FATAL_ERROR "Includes against the layering:\n  ${report}")
endif()
message(STATUS "Layering holds")
