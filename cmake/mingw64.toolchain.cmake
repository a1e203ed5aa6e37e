# 64-bit Windows with Debian's MinGW-w64 cross compiler (make test-windows, make
# package-windows). The posix thread model: GCC 12's win32 model has no std::thread.
# Allegro, libpng and FreeType come from the cache that packaging/windows/build-libs fills;
# programs that the build or the tests run (the artwork generator, the test programs) go
# through Wine (packaging/windows/wine-run). Allegro's own Toolchain-mingw.cmake targets 32-bit
# Windows only.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TILECREST_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TILECREST_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TILECREST_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TILECREST_TRIPLET}-windres)
if(NOT TILECREST_WINDOWS_LIBS)
  set(TILECREST_WINDOWS_LIBS $ENV{TILECREST_WINDOWS_LIBS})
endif()
if(NOT TILECREST_WINDOWS_LIBS)
  set(TILECREST_WINDOWS_LIBS /opt/tilecrest-cross/windows)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../packaging/windows/wine-run)

# Libraries, headers and packages of the target only (the cache, then the compiler's own
# folder); programs (python3, the tests' helpers) of the host.
set(CMAKE_FIND_ROOT_PATH ${TILECREST_WINDOWS_LIBS} /usr/${TILECREST_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} ${TILECREST_WINDOWS_LIBS}/lib/pkgconfig)
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
