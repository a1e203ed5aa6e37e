# A cross build with Debian's cross compiler for TILECREST_TRIPLET, against the target's -dev
# packages: installed beside the host's (Multi-Arch, /usr/lib/<triplet>), or unpacked into
# TILECREST_SYSROOT when that is set (tools/cross/install-deps says which and why). Programs
# that the build or the tests run (the artwork generator, the test programs) go through
# qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_CXX_COMPILER ${TILECREST_TRIPLET}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${TILECREST_TRIPLET})
if(TILECREST_SYSROOT)
  set(CMAKE_SYSROOT ${TILECREST_SYSROOT})
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TILECREST_QEMU} -L ${TILECREST_SYSROOT})
  set(ENV{PKG_CONFIG_SYSROOT_DIR} ${TILECREST_SYSROOT})
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TILECREST_QEMU})
endif()

# Libraries, headers and packages of the target only; programs (python3, the tests'
# helpers) of the host.
set(CMAKE_FIND_ROOT_PATH ${TILECREST_SYSROOT} /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR}
  ${TILECREST_SYSROOT}/usr/lib/${TILECREST_TRIPLET}/pkgconfig:${TILECREST_SYSROOT}/usr/share/pkgconfig)
