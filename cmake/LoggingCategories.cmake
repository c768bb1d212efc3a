# quelta_logging_categories(<target> HEADER <dir/Name.h> CATEGORIES <identifier> <category> ...)
# Declares the target's logging categories in a generated header and defines them in a generated
# source. Warnings and worse show by default, as desktop programs ship them; QT_LOGGING_RULES
# (for example "quelta.*.debug=true") shows more. The header is found as "dir/Name.h" and, for
# the files beside it, as "Name.h".
function(quelta_logging_categories target)
  cmake_parse_arguments(ARG "" "HEADER" "CATEGORIES" ${ARGN})
  list(LENGTH ARG_CATEGORIES count)
  math(EXPR odd "${count} % 2")
  if(count EQUAL 0 OR odd)
    message(FATAL_ERROR "quelta_logging_categories(${target}): CATEGORIES takes identifier and name pairs")
  endif()
  set(root ${CMAKE_CURRENT_BINARY_DIR}/generated)
  get_filename_component(folder ${ARG_HEADER} DIRECTORY)
  get_filename_component(name ${ARG_HEADER} NAME_WE)
  get_filename_component(header ${ARG_HEADER} NAME)
  set(declarations "")
  set(definitions "")
  math(EXPR last "${count} - 1")
  foreach(index RANGE 0 ${last} 2)
    math(EXPR next "${index} + 1")
    list(GET ARG_CATEGORIES ${index} identifier)
    list(GET ARG_CATEGORIES ${next} category)
    string(APPEND declarations "Q_DECLARE_LOGGING_CATEGORY(${identifier})\n")
    string(APPEND definitions "Q_LOGGING_CATEGORY(${identifier}, \"${category}\", QtWarningMsg)\n")
  endforeach()
  file(CONFIGURE OUTPUT ${root}/${ARG_HEADER}
       CONTENT "#pragma once\n\n#include <QLoggingCategory>\n\n${declarations}")
  file(CONFIGURE OUTPUT ${root}/${folder}/${name}.cpp
       CONTENT "#include \"${header}\"\n\n${definitions}")
  target_sources(${target} PRIVATE ${root}/${folder}/${name}.cpp)
  target_include_directories(${target} PUBLIC ${root} ${root}/${folder})
endfunction()
