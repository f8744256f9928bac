# The core's layers. Each folder of src/ is a static library whose include
# root is a folder of its own in the build tree holding a single link to the
# source folder, so a layer sees the headers of the layers it links and no
# others: an include that crosses the order fails to compile.
set(PARLEVOX_LAYER_ROOTS ${CMAKE_BINARY_DIR}/layers)

function(parlevox_layer name)
  cmake_parse_arguments(LAYER "" "" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  set(root ${PARLEVOX_LAYER_ROOTS}/${name})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${name} ${root}/${name} SYMBOLIC)
  add_library(parlevox_${name} STATIC ${sources})
  target_include_directories(parlevox_${name} PUBLIC ${root})
  target_link_libraries(parlevox_${name} PUBLIC ${LAYER_LINKS})
  set_property(GLOBAL APPEND PROPERTY PARLEVOX_LAYERS parlevox_${name})
endfunction()

# Nothing under src/ but the Qt views may include a Qt header (checked on
# every build, before the layers compile), and no layer may link Qt
# (checked when configuring).
function(parlevox_check_no_qt)
  add_custom_target(parlevox_no_qt
    COMMAND ${CMAKE_COMMAND} -DPARLEVOX_SOURCE_DIR=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/CheckNoQt.cmake
    COMMENT "Checking that the core includes no Qt header"
    VERBATIM)
  get_property(layers GLOBAL PROPERTY PARLEVOX_LAYERS)
  foreach(layer ${layers} parlevox_core)
    if(NOT layer STREQUAL parlevox_core)
      add_dependencies(${layer} parlevox_no_qt)
    endif()
    get_target_property(links ${layer} LINK_LIBRARIES)
    get_target_property(interface_links ${layer} INTERFACE_LINK_LIBRARIES)
    list(APPEND links ${interface_links})
    foreach(link ${links})
      if(link MATCHES "Qt[0-9]*::")
        message(FATAL_ERROR "The core must not use Qt: ${layer} links ${link}")
      endif()
    endforeach()
  endforeach()
endfunction()
