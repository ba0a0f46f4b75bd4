# Cuevox.app as a DJ installs it (macOS only): `cmake --install` puts the bundle, cuevox-cli
# inside it and everything both load into the prefix, and `cpack` makes an unsigned
# drag-and-drop disk image of it. scripts/macos-disk-image stages the bundle alone, checks,
# signs and notarises it, and images it after signing.
install(TARGETS cuevox BUNDLE DESTINATION .)
# Beside the app's executable, cuevox-cli loads the bundle's libraries and is signed with it; a
# copy of its own outside the bundle would load Homebrew's (README: linking it into the PATH).
install(TARGETS cuevox-cli RUNTIME DESTINATION Cuevox.app/Contents/MacOS)

# macdeployqt copies Qt's frameworks, the cocoa, style and image-format plug-ins and every other
# library outside the system (ICU, TagLib, Expat, uriparser from Homebrew) into the bundle and
# points the binaries at those copies, cuevox-cli's too, so both run on a Mac without Homebrew.
if(Qt6_VERSION VERSION_LESS 6.5)
  message(FATAL_ERROR "The macOS bundle needs Qt 6.5 or later (qt_generate_deploy_script)")
endif()
qt_generate_deploy_script(TARGET cuevox OUTPUT_SCRIPT deploy_script CONTENT "
qt_deploy_runtime_dependencies(
    EXECUTABLE Cuevox.app
    ADDITIONAL_EXECUTABLES Cuevox.app/Contents/MacOS/cuevox-cli
)")
install(SCRIPT ${deploy_script})

set(CPACK_GENERATOR DragNDrop)
set(CPACK_PACKAGE_NAME Cuevox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DMG_VOLUME_NAME Cuevox)
include(CPack)
