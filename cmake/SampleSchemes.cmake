# The sample schemes, Calm and Night. Our own generator draws their pictures,
# synthesises their sounds and writes the files with the core's scheme
# classes, so, unlike the resource generators, it links the display layer.
set(PARLEVOX_SCHEMES_DIR ${CMAKE_BINARY_DIR}/schemes)
set(PARLEVOX_SAMPLE_SCHEMES ${PARLEVOX_SCHEMES_DIR}/Calm.ParlevoxScheme ${PARLEVOX_SCHEMES_DIR}/Night.ParlevoxScheme)

file(GLOB PARLEVOX_SCHEMEGEN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/generators/schemes/*.cpp)
add_executable(parlevox-schemegen ${PARLEVOX_SCHEMEGEN_SOURCES} ${CMAKE_SOURCE_DIR}/data/generators/sound/Synth.cpp)
target_include_directories(parlevox-schemegen PRIVATE ${CMAKE_SOURCE_DIR}/data/generators)
target_link_libraries(parlevox-schemegen PRIVATE parlevox_display)
# No fused multiply-add: the pictures come out the same on every machine,
# which the golden tests rely on.
target_compile_options(parlevox-schemegen PRIVATE -ffp-contract=off)

add_custom_command(
  OUTPUT ${PARLEVOX_SAMPLE_SCHEMES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PARLEVOX_SCHEMES_DIR}
  COMMAND parlevox-schemegen ${PARLEVOX_SCHEMES_DIR}
  DEPENDS parlevox-schemegen
  COMMENT "Drawing the sample schemes"
  VERBATIM)
add_custom_target(sample-schemes ALL DEPENDS ${PARLEVOX_SAMPLE_SCHEMES})
install(FILES ${PARLEVOX_SAMPLE_SCHEMES} DESTINATION ${CMAKE_INSTALL_DATADIR}/parlevox/schemes)

# The first start installs them from DataFolder::SchemesPath().
foreach(client parlevox parlevox-headless)
  if(TARGET ${client})
    add_dependencies(${client} sample-schemes)
  endif()
endforeach()
