cmake_minimum_required(VERSION 3.25)
# Fails when the command program loads a windowing or network library: a status bar runs it
# every second.
#   cmake -DPROGRAM=<quelta> -P CheckCommandProgram.cmake
execute_process(COMMAND readelf --dynamic "${PROGRAM}" OUTPUT_VARIABLE dynamic RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "readelf could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*" needed "${dynamic}")
if(NOT needed MATCHES "libQt6Core\\.so")
  message(FATAL_ERROR "${PROGRAM} names no Qt Core among its libraries: not the program meant")
endif()
string(REGEX MATCHALL "libQt6(Gui|Widgets|Svg|OpenGL|Network|WebEngine[A-Za-z]*)\\.so[.0-9]*" heavy "${needed}")
if(heavy)
  message(FATAL_ERROR "${PROGRAM} loads ${heavy}")
endif()
message(STATUS "${PROGRAM} loads no windowing or network library")
