# What `cmake --install` lays out below the prefix, and the Debian package made of it by CPack
# (`cpack -G DEB` in the build folder). Included from the top CMakeLists.txt.
include(GNUInstallDirs)

# Installing and packaging take the program as last built instead of building every target
# (tests included) first: the install script and the tests build before they install.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS shutterly RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

configure_file(${CMAKE_CURRENT_LIST_DIR}/shutterly.desktop.in
               ${CMAKE_BINARY_DIR}/packaging/${SHUTTERLY_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/shutterly.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${SHUTTERLY_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${SHUTTERLY_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${SHUTTERLY_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The sizes must match ApplicationIconSizes in app/appicon.h and the list in
# tools/gen_app_icon.py.
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/appicon/shutterly-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${SHUTTERLY_APP_ID}.png)
endforeach()

# No licence file is installed: the project has none yet.
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/shutterly)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME shutterly)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator and almanac for photographers")
set(CPACK_PACKAGE_DESCRIPTION "Depth of field, exposure, studio lighting, conversions, macro and \
astrophotography pages that recompute as you type, with a live sun and moon almanac for your \
location.")
set(CPACK_PACKAGE_CONTACT "Shutterly developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SHUTTERLY_HOMEPAGE})
# Dependencies come from the libraries the program links (dpkg-shlibdeps); the Qt plug-ins
# for X11 and JPEG ship in libqt6gui6, which that brings in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs in German come from the system's Qt translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
