# 64-bit ARM (make test-cross ARCH=arm64).
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(TILECREST_TRIPLET aarch64-linux-gnu)
set(TILECREST_QEMU qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/DebianCross.cmake)
