# The plug-in interface for plug-in authors: the one public header, found
# through pkg-config ("parlevox-plugin") or CMake (find_package(ParlevoxPlugin),
# target Parlevox::plugin). Plug-ins link nothing of the client: the host
# hands them every function they call.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# In the build tree: plug-ins and hosts built with the project use the same target.
add_library(parlevox_plugin_header INTERFACE)
target_include_directories(parlevox_plugin_header INTERFACE
  $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/include>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
add_library(Parlevox::plugin ALIAS parlevox_plugin_header)

# Its own component, so that plug-in authors can install just this:
#   cmake --install <build> --component plugin-dev --prefix <prefix>
install(FILES ${CMAKE_SOURCE_DIR}/include/parlevox/plugin.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/parlevox
        COMPONENT plugin-dev)

# The interface version as the header gives it.
file(STRINGS ${CMAKE_SOURCE_DIR}/include/parlevox/plugin.h PARLEVOX_PLUGIN_VERSION_LINE
     REGEX "^#define PV_PLUGIN_INTERFACE_VERSION [0-9]+")
string(REGEX REPLACE ".* ([0-9]+)$" "\\1" PARLEVOX_PLUGIN_INTERFACE_VERSION "${PARLEVOX_PLUGIN_VERSION_LINE}")

# Both files find the header relative to where they are installed, so an
# install under any prefix (cmake --install --prefix, DESTDIR) works.
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(PARLEVOX_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
else()
  file(RELATIVE_PATH to_prefix "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
  string(REGEX REPLACE "/$" "" to_prefix "${to_prefix}")
  set(PARLEVOX_PC_PREFIX "\${pcfiledir}/${to_prefix}")
endif()
if(IS_ABSOLUTE "${CMAKE_INSTALL_INCLUDEDIR}")
  set(PARLEVOX_PC_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}")
else()
  set(PARLEVOX_PC_INCLUDEDIR "\${prefix}/${CMAKE_INSTALL_INCLUDEDIR}")
endif()
configure_file(${CMAKE_SOURCE_DIR}/cmake/parlevox-plugin.pc.in ${CMAKE_BINARY_DIR}/parlevox-plugin.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/parlevox-plugin.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT plugin-dev)

set(PARLEVOX_PLUGIN_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ParlevoxPlugin)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/ParlevoxPluginConfig.cmake.in
                              ${CMAKE_BINARY_DIR}/ParlevoxPluginConfig.cmake
                              INSTALL_DESTINATION ${PARLEVOX_PLUGIN_CMAKE_DIR}
                              PATH_VARS CMAKE_INSTALL_INCLUDEDIR)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/ParlevoxPluginConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY AnyNewerVersion ARCH_INDEPENDENT)
install(FILES ${CMAKE_BINARY_DIR}/ParlevoxPluginConfig.cmake ${CMAKE_BINARY_DIR}/ParlevoxPluginConfigVersion.cmake
        DESTINATION ${PARLEVOX_PLUGIN_CMAKE_DIR} COMPONENT plugin-dev)
