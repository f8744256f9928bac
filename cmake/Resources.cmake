# Built-in art and sounds. Our own generators draw every bitmap of the
# resource table and synthesise the eight built-in sounds at build time;
# the embed tool turns the files into a C++ source of byte strings that the
# core's resource loader (src/platform/Resources.cpp) finds by name and type.
find_package(PkgConfig REQUIRED)
pkg_check_modules(PARLEVOX_ARTGEN_FONTS REQUIRED IMPORTED_TARGET freetype2 fontconfig)
pkg_check_modules(PARLEVOX_SDL_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
find_package(ZLIB REQUIRED)

set(PARLEVOX_GENERATORS ${CMAKE_SOURCE_DIR}/data/generators)
set(PARLEVOX_RESOURCE_DIR ${CMAKE_BINARY_DIR}/resources)

# Host tools run during the build: optimised and without sanitizers in every
# build type, so that generating stays a matter of a second or two.
function(parlevox_generator name)
  add_executable(${name} ${ARGN})
  # The one deliberate crossing: the art generator shares layout headers of
  # src/display/ (button positions, the raw bitmap layout) without linking it.
  target_include_directories(${name} PRIVATE ${PARLEVOX_GENERATORS} ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE -O2 -fno-sanitize=all)
  target_link_options(${name} PRIVATE -fno-sanitize=all)
endfunction()

file(GLOB PARLEVOX_ART_SOURCES CONFIGURE_DEPENDS ${PARLEVOX_GENERATORS}/art/*.cpp)
parlevox_generator(parlevox-artgen ${PARLEVOX_ART_SOURCES})
target_link_libraries(parlevox-artgen PRIVATE PkgConfig::PARLEVOX_ARTGEN_FONTS)

file(GLOB PARLEVOX_SOUND_SOURCES CONFIGURE_DEPENDS ${PARLEVOX_GENERATORS}/sound/*.cpp)
parlevox_generator(parlevox-soundgen ${PARLEVOX_SOUND_SOURCES})

parlevox_generator(parlevox-embed ${PARLEVOX_GENERATORS}/embed/EmbedMain.cpp)

# The join window's category file, with icons drawn by the art generator's
# painting code, from its readable source.
set(PARLEVOX_ART_PAINTING ${PARLEVOX_ART_SOURCES})
list(FILTER PARLEVOX_ART_PAINTING EXCLUDE REGEX "ArtMain\\.cpp$")
parlevox_generator(parlevox-channelgen ${PARLEVOX_GENERATORS}/channels/ChannelGenMain.cpp ${PARLEVOX_ART_PAINTING})
target_link_libraries(parlevox-channelgen PRIVATE PkgConfig::PARLEVOX_ARTGEN_FONTS)
set(PARLEVOX_MAJOR_CHANNELS ${CMAKE_BINARY_DIR}/data/MajorChannels.dat)
add_custom_command(
  OUTPUT ${PARLEVOX_MAJOR_CHANNELS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/data
  COMMAND parlevox-channelgen ${CMAKE_SOURCE_DIR}/data/MajorChannels.txt ${PARLEVOX_MAJOR_CHANNELS}
  DEPENDS parlevox-channelgen ${CMAKE_SOURCE_DIR}/data/MajorChannels.txt
  COMMENT "Building the channel category file"
  VERBATIM)
add_custom_target(major-channels ALL DEPENDS ${PARLEVOX_MAJOR_CHANNELS})
include(GNUInstallDirs)
install(FILES ${PARLEVOX_MAJOR_CHANNELS} DESTINATION ${CMAKE_INSTALL_DATADIR}/parlevox)

# The resource table: type, name, file.
set(PARLEVOX_BITMAPS
  BV-CHAN BV-CHAND BV-CHANO BV-CTRL BV-CTRLD BV-CTRLO BV-DCC BV-DCCD BV-DCCO
  BV-HELP BV-HELPD BV-HELPO STUPIDICON TITLESCREEN Screen)
set(PARLEVOX_WAVES 5123 5124 5125 5126 5127 5128 5129 5130)

set(PARLEVOX_BITMAP_FILES)
set(PARLEVOX_WAVE_FILES)
set(PARLEVOX_EMBED_ARGS)
foreach(name ${PARLEVOX_BITMAPS})
  list(APPEND PARLEVOX_BITMAP_FILES ${PARLEVOX_RESOURCE_DIR}/art/${name}.bmp)
  list(APPEND PARLEVOX_EMBED_ARGS BrimBitmap ${name} ${PARLEVOX_RESOURCE_DIR}/art/${name}.bmp)
endforeach()
foreach(id ${PARLEVOX_WAVES})
  list(APPEND PARLEVOX_WAVE_FILES ${PARLEVOX_RESOURCE_DIR}/sounds/${id}.wav)
  list(APPEND PARLEVOX_EMBED_ARGS WAVE "#${id}" ${PARLEVOX_RESOURCE_DIR}/sounds/${id}.wav)
endforeach()

add_custom_command(
  OUTPUT ${PARLEVOX_BITMAP_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PARLEVOX_RESOURCE_DIR}/art
  COMMAND parlevox-artgen ${PARLEVOX_RESOURCE_DIR}/art
  DEPENDS parlevox-artgen
  COMMENT "Drawing the built-in bitmaps"
  VERBATIM)
add_custom_command(
  OUTPUT ${PARLEVOX_WAVE_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PARLEVOX_RESOURCE_DIR}/sounds
  COMMAND parlevox-soundgen ${PARLEVOX_RESOURCE_DIR}/sounds
  DEPENDS parlevox-soundgen
  COMMENT "Synthesising the built-in sounds"
  VERBATIM)
add_custom_command(
  OUTPUT ${PARLEVOX_RESOURCE_DIR}/BuiltInResources.cpp
  COMMAND parlevox-embed ${PARLEVOX_RESOURCE_DIR}/BuiltInResources.cpp ${PARLEVOX_EMBED_ARGS}
  DEPENDS parlevox-embed ${PARLEVOX_BITMAP_FILES} ${PARLEVOX_WAVE_FILES}
  COMMENT "Compiling in the built-in resources"
  VERBATIM)

target_sources(parlevox_platform PRIVATE ${PARLEVOX_RESOURCE_DIR}/BuiltInResources.cpp)
# Sound output (src/platform/SdlAudioOutput.cpp).
target_link_libraries(parlevox_platform PRIVATE PkgConfig::PARLEVOX_SDL_MIXER)
