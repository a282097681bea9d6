# Cross build for 64-bit Windows with mingw-w64. Used for the tests on
# machines that run no 32-bit code (scripts/windows-arch); the program users
# get is the 32-bit one (mingw-w64-i686.cmake).
set(CORVEL_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
