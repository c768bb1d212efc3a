# cmake --build build --target bundle     makes and signs build/Quelta.app
# cmake --build build --target installer  packs build/InstallQuelta-<version>.tar.gz
configure_file(${CMAKE_CURRENT_LIST_DIR}/bundle/Info.json.in ${PROJECT_BINARY_DIR}/bundle/Info.json @ONLY)
set(QUELTA_BUNDLE_DIR ${PROJECT_BINARY_DIR}/Quelta.app)

add_custom_target(bundle
  COMMAND ${CMAKE_COMMAND}
    -DBUNDLE=${QUELTA_BUNDLE_DIR}
    -DQUELTA=$<TARGET_FILE:quelta>
    -DQUELTA_APP=$<TARGET_FILE:quelta-app>
    -DQUELTA_WEB=$<TARGET_FILE:quelta-web>
    -DINFO=${PROJECT_BINARY_DIR}/bundle/Info.json
    -DDESKTOP=${PROJECT_SOURCE_DIR}/quelta/artwork/desktop/app.quelta.Quelta.desktop
    -DICON=${PROJECT_SOURCE_DIR}/quelta/artwork/desktop/app.quelta.Quelta.svg
    -DFONTS=${QUELTA_FONT_SOURCE_DIR}
    -DSTRIP=${CMAKE_STRIP}
    -P ${CMAKE_CURRENT_LIST_DIR}/bundle/AssembleBundle.cmake
  COMMAND quelta-sign-bundle ${QUELTA_SIGNING_KEY_FILE} ${QUELTA_BUNDLE_IDENTIFIER} ${QUELTA_SIGNING_TEAM} ${QUELTA_BUNDLE_DIR}
  DEPENDS quelta quelta-app quelta-web quelta-sign-bundle
  COMMENT "Making and signing Quelta.app"
  VERBATIM)

add_custom_target(installer
  COMMAND ${CMAKE_COMMAND}
    -DOUT=${PROJECT_BINARY_DIR}/InstallQuelta
    -DPROGRAM=$<TARGET_FILE:install-quelta>
    -DBUNDLE=${QUELTA_BUNDLE_DIR}
    -DFONTS=${QUELTA_FONT_SOURCE_DIR}
    -DARCHIVE=${PROJECT_BINARY_DIR}/InstallQuelta-${PROJECT_VERSION}.tar.gz
    -DSTRIP=${CMAKE_STRIP}
    -P ${CMAKE_CURRENT_LIST_DIR}/bundle/AssembleInstaller.cmake
  DEPENDS bundle install-quelta
  COMMENT "Packing InstallQuelta-${PROJECT_VERSION}.tar.gz"
  VERBATIM)
