# A drag-and-drop disk image of Cuevox.app (macOS only).
install(TARGETS cuevox BUNDLE DESTINATION .)
set(CPACK_GENERATOR DragNDrop)
set(CPACK_PACKAGE_NAME Cuevox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DMG_VOLUME_NAME Cuevox)
include(CPack)
