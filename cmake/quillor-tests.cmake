# Tests run under wine64 in a prefix of this build's own (tests/support/wine-run).
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

set(QUILLOR_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR
  ${CMAKE_SOURCE_DIR}/tests/support/wine-run;${QUILLOR_WINE_DIR})

# A GoogleTest program whose cases become ctest tests in the shared Wine session.
function(quillor_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  quillor_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 120
    PROPERTIES FIXTURES_REQUIRED wine ${ARG_PROPERTIES})
endfunction()

# A plain test command that needs the Wine session (scripts of the end-to-end tests).
function(quillor_add_wine_test name)
  add_test(NAME ${name} COMMAND ${ARGN})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
endfunction()
