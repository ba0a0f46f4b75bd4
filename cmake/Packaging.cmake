# Cuevox.app as a DJ installs it (macOS only): `cmake --install` puts the bundle and everything
# it loads into the prefix, and `cpack` makes an unsigned drag-and-drop disk image of it.
# scripts/macos-disk-image signs and notarises; it images the bundle itself, after signing.
install(TARGETS cuevox BUNDLE DESTINATION .)

# macdeployqt copies Qt's frameworks, the cocoa, style and image-format plug-ins and every other
# library outside the system (ICU, TagLib, Expat, uriparser from Homebrew) into the bundle and
# points the binaries at those copies, so the app runs on a Mac without Homebrew.
if(Qt6_VERSION VERSION_LESS 6.5)
  qt_generate_deploy_app_script(TARGET cuevox FILENAME_VARIABLE deploy_script)
else()
  qt_generate_deploy_app_script(TARGET cuevox OUTPUT_SCRIPT deploy_script)
endif()
install(SCRIPT ${deploy_script})

set(CPACK_GENERATOR DragNDrop)
set(CPACK_PACKAGE_NAME Cuevox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DMG_VOLUME_NAME Cuevox)
include(CPack)
