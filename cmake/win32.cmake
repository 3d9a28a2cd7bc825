# The Windows build: the screen saver, the Wine test driver and the test-only stand-ins.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I${CMAKE_SOURCE_DIR}/resources")
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0500 WINVER=0x0500)
# Everything linked in: the executable needs no DLL beyond Windows' own.
set(STATIC_RUNTIME -static -static-libgcc -static-libstdc++ -s)

# The toolkit's system wrappers and window classes, on the portable parts and the settings file's calls.
file(GLOB TOOLKIT_WIN32_SOURCES CONFIGURE_DEPENDS toolkit/system/*_win32.cpp toolkit/controls/*_win32.cpp)
add_library(qv_core STATIC ${PORTABLE_SOURCES} ${TOOLKIT_WIN32_SOURCES} settings/profile_win32.cpp
            settings/ini_path_win32.cpp)
target_link_libraries(qv_core PUBLIC qv_decoders ole32 oleaut32 uuid gdi32 user32 shell32)

# The program's forms and start-up; the Wine test driver links them too, to drive parts directly.
add_library(qv_program STATIC
  main/startup.cpp
  main/quorvantile_r.cpp
  saver/quorvantile_s.cpp
  saver/password_check.cpp
  saver/painting_road_win32.cpp
  paint/get_bits_win32.cpp
  dialog/quorvantile_p.cpp
  dialog/list_walk.cpp
  dialog/preview_pane.cpp
  dialog/looks_win32.cpp
  dialog/drawing_win32.cpp
)
target_link_libraries(qv_program PUBLIC qv_core)

add_executable(Quorvantile WIN32 main/win_main.cpp resources/quorvantile.rc)
set_target_properties(Quorvantile PROPERTIES SUFFIX ".scr" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_link_libraries(Quorvantile PRIVATE qv_program)
# Subsystem version 4.0: the display settings' preview pane takes only such screen savers. Large address aware:
# on 64-bit Windows a 32-bit saver then has 4 GB of address space for big pictures; older systems ignore it.
target_link_options(Quorvantile PRIVATE ${STATIC_RUNTIME} -Wl,--subsystem,windows:4.0)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  target_link_options(Quorvantile PRIVATE -Wl,--large-address-aware)
endif()

# GoogleTest, built from Debian's sources for the Wine test driver. The Win32 thread model has no std::mutex:
# GoogleTest runs single-threaded, as the driver does, and without death tests.
set(GTEST_SRC /usr/src/googletest/googletest)
add_library(gtest_win32 STATIC
  ${GTEST_SRC}/src/gtest.cc ${GTEST_SRC}/src/gtest-assertion-result.cc ${GTEST_SRC}/src/gtest-filepath.cc
  ${GTEST_SRC}/src/gtest-matchers.cc ${GTEST_SRC}/src/gtest-port.cc ${GTEST_SRC}/src/gtest-printers.cc
  ${GTEST_SRC}/src/gtest-test-part.cc ${GTEST_SRC}/src/gtest-typed-test.cc ${GTEST_SRC}/src/gtest_main.cc
  cmake/gtest_flags_win32.cc)
target_include_directories(gtest_win32 SYSTEM PUBLIC ${GTEST_SRC}/include PRIVATE ${GTEST_SRC})
target_compile_definitions(gtest_win32 PUBLIC GTEST_HAS_PTHREAD=0 GTEST_IS_THREADSAFE=0)
target_compile_options(gtest_win32 PRIVATE -w)

file(GLOB WINE_TEST_SOURCES CONFIGURE_DEPENDS tests/wine/*.cpp)
# The soak's dialog scans (make soak) run in the same driver.
list(APPEND WINE_TEST_SOURCES tests/soak/soak_dialog_test.cpp)
# The program's own artwork too, so that forms made in the driver are drawn as in the saver.
add_executable(qv_wine_tests ${WINE_TEST_SOURCES} resources/quorvantile.rc)
target_link_libraries(qv_wine_tests PRIVATE qv_program gtest_win32 oleacc)
target_link_options(qv_wine_tests PRIVATE ${STATIC_RUNTIME})
add_dependencies(qv_wine_tests Quorvantile qv_mpr_standin)

# Test-only stand-in for the system's password-change service of the 95 family.
add_library(qv_mpr_standin SHARED tests/wine/standins/standins.cpp tests/wine/standins/mpr_standin.def)
set_target_properties(qv_mpr_standin PROPERTIES OUTPUT_NAME mpr PREFIX ""
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/standins)
target_link_options(qv_mpr_standin PRIVATE ${STATIC_RUNTIME})

# Benchmarks that need the real system.
add_executable(qv_list_bench bench/list_bench_win32.cpp)
target_link_libraries(qv_list_bench PRIVATE qv_core)
target_link_options(qv_list_bench PRIVATE ${STATIC_RUNTIME})

# Test-only stand-in for the 95 family's saver-password check.
add_library(qv_password_standin SHARED tests/wine/standins/standins.cpp tests/wine/standins/password_standin.def)
set_target_properties(qv_password_standin PROPERTIES OUTPUT_NAME password PREFIX "" SUFFIX ".cpl"
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/standins)
target_link_options(qv_password_standin PRIVATE ${STATIC_RUNTIME})
add_dependencies(qv_wine_tests qv_password_standin)
foreach(bench latency reveal load_key step)
  add_executable(qv_${bench}_bench bench/${bench}_bench_win32.cpp tests/wine/driver.cpp tests/wine/fixtures.cpp)
  target_link_libraries(qv_${bench}_bench PRIVATE qv_core gtest_win32 oleacc)
  target_link_options(qv_${bench}_bench PRIVATE ${STATIC_RUNTIME})
endforeach()
add_executable(qv_dialog_bench bench/dialog_bench_win32.cpp tests/wine/driver.cpp tests/wine/fixtures.cpp)
target_link_libraries(qv_dialog_bench PRIVATE qv_program gtest_win32 oleacc)
target_link_options(qv_dialog_bench PRIVATE ${STATIC_RUNTIME})
add_executable(qv_paint_bench bench/paint_bench_win32.cpp)
target_link_libraries(qv_paint_bench PRIVATE qv_program)
target_link_options(qv_paint_bench PRIVATE ${STATIC_RUNTIME})

# The soak run (make soak), separate from the quick tests.
add_executable(qv_soak tests/soak/soak_win32.cpp)
target_link_libraries(qv_soak PRIVATE qv_program psapi ntdll)
target_link_options(qv_soak PRIVATE ${STATIC_RUNTIME})

# The README's animation of the reveal (make demo).
add_executable(qv_reveal_demo tools/reveal_demo_win32.cpp)
target_link_libraries(qv_reveal_demo PRIVATE qv_program)
target_link_options(qv_reveal_demo PRIVATE ${STATIC_RUNTIME})
add_executable(qv_fitting_bench bench/fitting_bench_win32.cpp)
target_link_libraries(qv_fitting_bench PRIVATE qv_core)
target_link_options(qv_fitting_bench PRIVATE ${STATIC_RUNTIME})
add_executable(qv_big_picture_bench bench/big_picture_bench_win32.cpp)
target_link_libraries(qv_big_picture_bench PRIVATE qv_program psapi)
target_link_options(qv_big_picture_bench PRIVATE ${STATIC_RUNTIME})
