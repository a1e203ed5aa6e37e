# A cross build with Debian's cross compiler for TILECREST_TRIPLET, against the target's
# -dev packages installed beside the host's (Multi-Arch, /usr/lib/<triplet>). Programs that
# the build or the tests run (the artwork generator, the test programs) go through qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_CXX_COMPILER ${TILECREST_TRIPLET}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${TILECREST_TRIPLET})
set(CMAKE_CROSSCOMPILING_EMULATOR ${TILECREST_QEMU})

# Libraries, headers and packages of the target only; programs (python3, the tests'
# helpers) of the host.
set(CMAKE_FIND_ROOT_PATH /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${TILECREST_TRIPLET}/pkgconfig:/usr/share/pkgconfig)
