# The Debian package (cpack -G DEB, see scripts/package.sh): the client, the
# headless client and the settings tool in /usr/bin, the desktop entry and
# icon, the shared data in /usr/share/parlevox, the sample plug-ins in
# /usr/lib/parlevox/plugins. Runtime dependencies come from dpkg-shlibdeps.
include(GNUInstallDirs)
# Debian wants the changelog and manual pages compressed, without a time
# stamp in the gzip header.
set(PARLEVOX_DEB_CHANGELOG ${CMAKE_BINARY_DIR}/debian/changelog.gz)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/debian)
execute_process(COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/data/installer/changelog
                OUTPUT_FILE ${PARLEVOX_DEB_CHANGELOG})
install(FILES ${CMAKE_SOURCE_DIR}/data/installer/copyright ${PARLEVOX_DEB_CHANGELOG}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/parlevox)
foreach(page parlevox parlevox-headless parlevox-reg)
  execute_process(COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/data/man/${page}.1
                  OUTPUT_FILE ${CMAKE_BINARY_DIR}/debian/${page}.1.gz)
  install(FILES ${CMAKE_BINARY_DIR}/debian/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME parlevox)
set(CPACK_PACKAGE_VENDOR quornwright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Parlevox developers <developers@parlevox.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop IRC client with scripting, DCC and plug-ins")
set(CPACK_PACKAGE_DESCRIPTION "Parlevox is an IRC client for the desktop: channels, private chats,
DCC chat and file transfer, its own scripting language, display schemes
and plug-ins. A headless client for servers and bots comes with it.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Fonts are looked up through fontconfig, not linked.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core | fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://parlevox.org/")
set(CPACK_STRIP_FILES ON)
include(CPack)
