# A build in the source tree would litter it with generated files that git then sees.
file(REAL_PATH "${CMAKE_SOURCE_DIR}" _cuevox_source)
file(REAL_PATH "${CMAKE_BINARY_DIR}" _cuevox_binary)
if(_cuevox_source STREQUAL _cuevox_binary)
  message(FATAL_ERROR
    "In-source builds are not supported. Use a preset, e.g. `cmake --preset dev`, "
    "and remove CMakeCache.txt and CMakeFiles/ from the source tree.")
endif()
