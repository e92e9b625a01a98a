# The same sources as 64-bit Windows programs, for running the tests under
# wine64 on machines whose kernel cannot execute 32-bit code (scripts/test.sh).
set(QUENLOW_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-test.sh /usr/lib/wine/wine64)
