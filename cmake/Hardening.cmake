# The hardening Debian builds its programs with (dpkg-buildflags with hardening=+all), for every
# target of every build: position-independent executables, a strong stack protector, checked
# format strings, fortified libc calls where the optimiser can see sizes, and a read-only
# relocation table bound at start. Spelled out rather than read from dpkg-buildflags, which would
# also bring its own -O2, -g and path maps and fight the build type.
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong -fstack-clash-protection -Wformat -Werror=format-security)
# Fortification needs the optimiser; a build that already names a level keeps it.
if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
add_link_options(-Wl,-z,relro -Wl,-z,now)
