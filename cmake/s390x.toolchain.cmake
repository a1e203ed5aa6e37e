# IBM Z, big-endian (make test-cross ARCH=s390x).
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(TILECREST_TRIPLET s390x-linux-gnu)
set(TILECREST_QEMU qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/DebianCross.cmake)
