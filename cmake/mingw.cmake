# Shared part of the mingw-w64 toolchains; QUENLOW_MINGW_TRIPLET names the target.
# The -posix compilers are needed: the win32 thread model lacks std::mutex,
# which GoogleTest uses.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${QUENLOW_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUENLOW_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QUENLOW_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUENLOW_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
