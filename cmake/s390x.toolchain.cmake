# IBM Z, big-endian (make test-cross ARCH=s390x), with its libraries in a sysroot of their own.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(TILECREST_TRIPLET s390x-linux-gnu)
set(TILECREST_QEMU qemu-s390x)
set(TILECREST_SYSROOT /opt/tilecrest-cross/s390x)
include(${CMAKE_CURRENT_LIST_DIR}/DebianCross.cmake)
