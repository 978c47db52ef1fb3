# The shipped Windows build: 32-bit, with Debian's MinGW-w64 (the posix threads variant,
# which std::mutex and GoogleTest need).
set(KESTRIVAL_MINGW_TRIPLET i686-w64-mingw32)
set(KESTRIVAL_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
