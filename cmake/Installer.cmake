# The self-extracting installer: parlevox-setup with the client, its sample
# plug-ins, module and schemes, the server list, the category file, the
# sounds, the help pages and the settings file appended as its archive
# (build/installer/parlevox-setup). The list below is the archive's
# directory order: "source<TAB>name<TAB>subfolder".
set(PARLEVOX_INSTALLER_DIR ${CMAKE_BINARY_DIR}/installer)
set(PARLEVOX_INSTALLER ${PARLEVOX_INSTALLER_DIR}/parlevox-setup)
set(PARLEVOX_INSTALLER_LIST ${PARLEVOX_INSTALLER_DIR}/files.txt)
set(PARLEVOX_INSTALLER_MARKER ${PARLEVOX_INSTALLER_DIR}/parlevox.portable)
file(MAKE_DIRECTORY ${PARLEVOX_INSTALLER_DIR})
# Its presence beside the client makes the folder a portable install.
file(WRITE ${PARLEVOX_INSTALLER_MARKER} "")

set(entries)
set(depends)
macro(parlevox_installer_file source name subfolder)
  string(APPEND entries "${source}\t${name}\t${subfolder}\n")
endmacro()
# Programs and plug-ins go in without their debugging sections: the test
# build's would make the installer ten times its size.
set(PARLEVOX_INSTALLER_STRIPPED ${PARLEVOX_INSTALLER_DIR}/stripped)
file(MAKE_DIRECTORY ${PARLEVOX_INSTALLER_STRIPPED})
function(parlevox_stripped_copy target out)
  set(copy ${PARLEVOX_INSTALLER_STRIPPED}/${target})
  add_custom_command(OUTPUT ${copy}
                     COMMAND ${CMAKE_STRIP} --strip-debug -o ${copy} $<TARGET_FILE:${target}>
                     DEPENDS ${target}
                     COMMENT "Stripping ${target} for the installer"
                     VERBATIM)
  set(${out} ${copy} PARENT_SCOPE)
endfunction()
macro(parlevox_installer_target target subfolder)
  if(TARGET ${target})
    parlevox_stripped_copy(${target} stripped)
    parlevox_installer_file("${stripped}" "$<TARGET_FILE_NAME:${target}>" "${subfolder}")
    list(APPEND depends ${stripped})
  endif()
endmacro()

parlevox_installer_target(parlevox "")
parlevox_installer_target(parlevox-headless "")
parlevox_installer_target(parlevox-reg "")
parlevox_installer_file(${PARLEVOX_INSTALLER_MARKER} parlevox.portable "")
parlevox_installer_file(${CMAKE_SOURCE_DIR}/data/installer/Parlevox.reg Parlevox.reg "")
parlevox_installer_file(${CMAKE_SOURCE_DIR}/data/installer/ReadMe.txt ReadMe.txt "")
parlevox_installer_file(${CMAKE_SOURCE_DIR}/data/desktop/parlevox.svg parlevox.svg "")
parlevox_installer_file(${CMAKE_SOURCE_DIR}/data/Servers.List Servers.List "")
parlevox_installer_file(${PARLEVOX_MAJOR_CHANNELS} MajorChannels.dat "")
parlevox_installer_file(${CMAKE_SOURCE_DIR}/data/help/index.html index.html Help)
parlevox_installer_file(${CMAKE_SOURCE_DIR}/data/help/tutorial/index.html index.html Tutorial)
parlevox_installer_file(${PARLEVOX_SAMPLE_MODULE} Sample.ParlevoxModule Scripts)
foreach(scheme ${PARLEVOX_SAMPLE_SCHEMES})
  get_filename_component(name ${scheme} NAME)
  parlevox_installer_file(${scheme} ${name} Schemes)
endforeach()
parlevox_installer_target(jpeg-viewer Plug-ins)
parlevox_installer_target(Toolbox Plug-ins)
foreach(wave ${PARLEVOX_WAVE_FILES})
  get_filename_component(name ${wave} NAME)
  parlevox_installer_file(${wave} ${name} Sound)
endforeach()
parlevox_stripped_copy(parlevox-setup setup_program)
file(GENERATE OUTPUT ${PARLEVOX_INSTALLER_LIST} CONTENT "${entries}")

add_custom_command(
  OUTPUT ${PARLEVOX_INSTALLER}
  COMMAND parlevox-setup-pack ${PARLEVOX_INSTALLER} ${setup_program} ${PARLEVOX_INSTALLER_LIST}
  DEPENDS ${setup_program} parlevox-setup-pack ${depends} ${PARLEVOX_INSTALLER_LIST}
          ${CMAKE_SOURCE_DIR}/data/installer/Parlevox.reg ${CMAKE_SOURCE_DIR}/data/installer/ReadMe.txt
          ${PARLEVOX_MAJOR_CHANNELS} ${PARLEVOX_SAMPLE_MODULE} ${PARLEVOX_SAMPLE_SCHEMES} ${PARLEVOX_WAVE_FILES}
          ${CMAKE_SOURCE_DIR}/data/help/index.html ${CMAKE_SOURCE_DIR}/data/help/tutorial/index.html
  COMMENT "Packing the installer"
  VERBATIM)
add_custom_target(installer ALL DEPENDS ${PARLEVOX_INSTALLER})
