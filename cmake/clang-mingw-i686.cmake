# The 32-bit Windows build with clang and lld.
set(MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/clang-mingw-common.cmake)
