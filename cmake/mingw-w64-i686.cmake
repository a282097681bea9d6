# Cross build for 32-bit Windows with mingw-w64.
# The program is 32-bit like the simulator it configures: it then starts
# wherever the simulator does (32- and 64-bit Windows, 32- and 64-bit Wine
# prefixes), which a 64-bit program cannot in a 32-bit prefix.
set(CORVEL_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
