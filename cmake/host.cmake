# The native build: unit tests and benchmarks of the window-free logic, and the registration of the Wine
# tests, which run under Wine the Windows build that the machine can execute (tools/wine-build.sh).
enable_testing()
find_package(GTest REQUIRED)
find_package(benchmark QUIET)

add_library(qv_portable STATIC ${PORTABLE_SOURCES} toolkit/ansi_host.cpp)

file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(qv_unit_tests ${UNIT_TEST_SOURCES})
target_link_libraries(qv_unit_tests PRIVATE qv_portable GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(qv_unit_tests DISCOVERY_TIMEOUT 30)

set(WIN32_BUILD_DIR "${CMAKE_SOURCE_DIR}/build/win32" CACHE PATH "The 32-bit build that the static checks read")
set(RUN_WINE ${CMAKE_SOURCE_DIR}/tools/run-wine.sh)

# The Wine bench (virtual screen and prefixes) is started once before the first Wine test.
add_test(NAME wine_bench_start COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-bench.sh start)
set_tests_properties(wine_bench_start PROPERTIES FIXTURES_SETUP wine_bench)

# One CTest entry per suite of the Wine test driver and configuration of the bench (tools/wine-bench.sh).
function(add_wine_suite suite config)
  set(name wine.${suite})
  if(NOT config MATCHES "^(nt|98)$")
    set(name wine.${suite}.${config})
  endif()
  add_test(NAME ${name} COMMAND ${RUN_WINE} ${config} qv_wine_tests.exe --gtest_filter=${suite}.*)
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_bench RUN_SERIAL TRUE TIMEOUT 600)
endfunction()
foreach(suite Modes Saver_Screen Dialog_Buttons
              Dialog_Preview Dialog_Chooser Dialog_Keys)
  add_wine_suite(${suite} nt)
endforeach()
add_wine_suite(Family_95 98)
add_wine_suite(Dpi 144)
add_wine_suite(Dpi 192)
add_wine_suite(Monitors dual)
# The password stand-ins go beside the saver, and Wine must prefer them; the 95-family walk reads Wine's trace
# of the saver's own calls.
set_tests_properties(wine.Modes PROPERTIES ENVIRONMENT WINEDLLOVERRIDES=mpr=n,b)
set_tests_properties(wine.Family_95 PROPERTIES
                     ENVIRONMENT "QV_TRACE=${CMAKE_SOURCE_DIR}/build/wine/family95.trace;WINEDLLOVERRIDES=mpr=n,b")

add_test(NAME wine_bench_stop COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-bench.sh stop)
set_tests_properties(wine_bench_stop PROPERTIES FIXTURES_CLEANUP wine_bench)

# Benchmarks of the window-free logic; they print their figures (make bench).
add_executable(qv_play_order_bench bench/play_order_bench.cpp)
target_link_libraries(qv_play_order_bench PRIVATE qv_portable)
add_executable(qv_paint_bench bench/paint_bench.cpp)
target_link_libraries(qv_paint_bench PRIVATE qv_portable)

# The real .scr, whichever build ran under Wine: PE32 for the GUI subsystem 4.0, its version resource, and
# every import in the export lists of Windows 98 and 2000.
add_test(NAME static.real_scr COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/imports/check_scr.py ${WIN32_BUILD_DIR}/Quorvantile.scr)
