# The 64-bit Windows build with clang and lld.
set(MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/clang-mingw-common.cmake)
