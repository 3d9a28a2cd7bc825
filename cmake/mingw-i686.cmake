# The product: the screen saver for 32-bit Windows.
set(QV_MINGW_TARGET i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
