# The same Windows sources built 64-bit, so that their tests run under 64-bit Wine on a
# host whose kernel runs no 32-bit code.
set(KESTRIVAL_MINGW_TRIPLET x86_64-w64-mingw32)
set(KESTRIVAL_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
