# The Windows installer beside the zip: resources/installer/somnivex-setup.nsi
# built with makensis from the release folder, as a step of the dist target.
# The 32-bit release gets dist/Somnivex-<version>-setup.exe; a 64-bit tree
# gets a 64-bit installer of its own programs in its own dist folder (the
# name, SMX_SETUP, is set beside SMX_DIST_DIR for the tests to find).
find_program(SMX_MAKENSIS makensis)
set(smx_setup_target x86-unicode)
if(SMX_ZIP_KIND STREQUAL "win64")
  set(smx_setup_target amd64-unicode)
endif()
if(SMX_MAKENSIS)
  add_custom_command(TARGET dist POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E rm -f "${SMX_SETUP}"
    COMMAND "${SMX_MAKENSIS}" -V2 -WX -INPUTCHARSET UTF8
            "-DSMX_VERSION=${PROJECT_VERSION}"
            "-DSMX_VERSION_QUAD=${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0"
            "-DSMX_FILES=${SMX_DIST_DIR}" "-DSMX_LICENSE=${CMAKE_SOURCE_DIR}/LICENSE"
            "-DSMX_ART=${SMX_ART_DIR}" "-DSMX_OUTFILE=${SMX_SETUP}"
            "-DSMX_TARGET=${smx_setup_target}" "-DSMX_LANGUAGE_STRINGS=${SMX_INSTALLER_STRINGS}"
            "${CMAKE_SOURCE_DIR}/resources/installer/somnivex-setup.nsi"
    COMMENT "Installer ${SMX_SETUP}"
    VERBATIM)
else()
  message(STATUS "makensis not found: make dist builds no installer (tools/install-deps installs it)")
endif()
