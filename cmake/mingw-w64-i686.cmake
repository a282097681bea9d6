# Cross build for 32-bit Windows with mingw-w64.
# The program is 32-bit like the simulator it configures: it then starts
# wherever the simulator does (32- and 64-bit Windows, 32- and 64-bit Wine
# prefixes), which a 64-bit program cannot in a 32-bit prefix.
set(CORVEL_MINGW_PROCESSOR i686)
# SSE2 arithmetic, not the x87 unit's: x87 keeps intermediate values in
# 80 bits, so a value meant to be rounded to a float or a double is not, and
# fuel figures came out a few kilograms off the other builds'. The program
# checks for SSE2 when it starts (app/main.cpp). mingw-w64 realigns the stack
# where SSE needs it, since Windows keeps only 4-byte alignment on 32 bits.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
