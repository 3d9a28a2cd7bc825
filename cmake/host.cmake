# The native build: unit tests and benchmarks of the window-free logic, and the registration of the Wine
# tests, which run under Wine the Windows build that the machine can execute (tools/wine-build.sh).
enable_testing()
find_package(GTest REQUIRED)
find_package(benchmark QUIET)

add_library(qv_portable STATIC ${PORTABLE_SOURCES} toolkit/portable/ansi_host.cpp)
target_link_libraries(qv_portable PUBLIC qv_decoders)

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

# One CTest entry per suite of the Wine test driver and configuration of the bench (tools/wine-bench.sh). The
# suites are read from the test files; a suite runs in the NT configuration unless its file names others, in a line
#   // Configurations: Suite config..., Suite config...
# Wine prefers the password stand-ins where a test puts them beside the saver, and a traced start writes its trace
# where the suite finds it.
file(GLOB WINE_TEST_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*_test.cpp)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${WINE_TEST_FILES})
foreach(file ${WINE_TEST_FILES})
  file(STRINGS ${file} lines REGEX "^(TEST|TEST_F)\\(|^// Configurations: ")
  set(suites "")
  set(placed "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^// Configurations: (.*)")
      string(REPLACE "," ";" placed "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^TEST(_F)?\\(([A-Za-z0-9_]+),")
      list(APPEND suites ${CMAKE_MATCH_2})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES suites)
  foreach(suite ${suites})
    set(configs nt)
    foreach(entry IN LISTS placed)
      separate_arguments(words UNIX_COMMAND "${entry}")
      list(POP_FRONT words named)
      if(named STREQUAL suite)
        set(configs ${words})
      endif()
    endforeach()
    foreach(config ${configs})
      set(name wine.${suite})
      if(NOT config STREQUAL "nt")
        set(name wine.${suite}.${config})
      endif()
      add_test(NAME ${name} COMMAND ${RUN_WINE} ${config} qv_wine_tests.exe --gtest_filter=${suite}.*)
      set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_bench RUN_SERIAL TRUE TIMEOUT 600 ENVIRONMENT
                           "QV_TRACE=${CMAKE_SOURCE_DIR}/build/wine/${suite}.trace;WINEDLLOVERRIDES=mpr=n,b")
    endforeach()
  endforeach()
endforeach()

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
