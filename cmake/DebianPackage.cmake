# cmake --build build --target package    makes build/quelta_<version>_<arch>.deb
# The package holds what `cmake --install` installs, under /usr; this file adds the Debian
# documents (copyright, changelog) and the package's fields.
set(QUELTA_PACKAGE_MAINTAINER "Quelta <support@quelta.app>" CACHE STRING "Maintainer of the Debian package, name <address>")
set(QUELTA_HOMEPAGE "https://quelta.app")
set(deb_dir ${PROJECT_BINARY_DIR}/deb)

# The machine-readable copyright names the Geist fonts' licence with its full text.
string(SUBSTRING "${QUELTA_RELEASE_DATE}" 0 4 QUELTA_COPYRIGHT_YEAR)
set(geist_license_file ${QUELTA_FONT_SOURCE_DIR}/LICENSE.txt)
set(GEIST_FILES_PARAGRAPH "")
set(GEIST_LICENSE_PARAGRAPH "")
if(EXISTS ${geist_license_file})
  file(READ ${geist_license_file} geist_license)
  string(REGEX MATCH "^Copyright \\(c\\) ([^\n]+)\n" geist_notice "${geist_license}")
  set(GEIST_FILES_PARAGRAPH "\nFiles: third_party/fonts/*\nCopyright: ${CMAKE_MATCH_1}\nLicense: OFL-1.1\n")
  # A licence text in the copyright file: each line indented by one space, empty ones as " .".
  string(LENGTH "${geist_notice}" notice_length)
  string(SUBSTRING "${geist_license}" ${notice_length} -1 geist_text)
  string(STRIP "${geist_text}" geist_text)
  string(REGEX REPLACE "[ \t]+\n" "\n" geist_text "${geist_text}")
  string(REGEX REPLACE "\n\n" "\n.\n" geist_text "${geist_text}")
  string(REGEX REPLACE "\n\n" "\n.\n" geist_text "${geist_text}")
  string(REPLACE "\n" "\n " geist_text "${geist_text}")
  set(GEIST_LICENSE_PARAGRAPH "\nLicense: OFL-1.1\n ${geist_text}")
else()
  message(WARNING "No Geist licence in ${QUELTA_FONT_SOURCE_DIR}: run scripts/bootstrap; the package goes without the fonts")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/deb/copyright.in ${deb_dir}/copyright @ONLY)

execute_process(COMMAND date --utc --rfc-email --date ${QUELTA_RELEASE_DATE}
  OUTPUT_VARIABLE QUELTA_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/deb/changelog.in ${deb_dir}/changelog @ONLY)
quelta_gzip_document(quelta-changelog ${deb_dir}/changelog ${deb_dir}/gz/changelog.gz)

install(FILES ${deb_dir}/copyright ${deb_dir}/gz/changelog.gz DESTINATION share/doc/quelta)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/deb/lintian-overrides DESTINATION share/lintian/overrides RENAME quelta)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quelta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT ${QUELTA_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL ${QUELTA_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tray application showing what is left of AI usage allowances")
set(CPACK_PACKAGE_DESCRIPTION [=[
Quelta shows in the desktop's tray how much is left of a subscription's usage
allowances with Claude, ChatGPT and Framer, and when each resets. It keeps
the figures fresh in the background, remembers them across launches, and
warns through desktop notifications before an allowance runs low.

It uses the sign-ins the user already has (the Claude Code and Codex
command-line tools, a Framer web session) and stores no password of its own.
The command quelta status prints the same figures for scripts and status bars.]=])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its SQLite driver as a plugin, which no library links and shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6sql6-sqlite)
# Without it, a session with Wayland alone has no platform Qt can show windows on.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
