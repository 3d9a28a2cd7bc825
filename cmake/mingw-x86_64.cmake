# The same sources for 64-bit Windows: the test bench's build on machines that cannot execute 32-bit code.
set(QV_MINGW_TARGET x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
