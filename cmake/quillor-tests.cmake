# Tests run under wine64 in a prefix of this build's own (tests/support/wine-run).
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

set(QUILLOR_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR
  ${CMAKE_SOURCE_DIR}/tests/support/wine-run;${QUILLOR_WINE_DIR})

# The double-byte runs: Wine takes the ANSI code page from the locale (ja_JP gives 932,
# ko_KR 949), and the test folders of such a run end in names whose trail bytes are '\'
# (932) or letters (949).
set(QUILLOR_DOUBLE_BYTE_LOCALES "ja_JP.UTF-8=ソ表" "ko_KR.UTF-8=갂表")

# A GoogleTest program whose cases become ctest tests in the shared Wine session. With
# DOUBLE_BYTE_RUNS the whole program runs once more under each double-byte locale; with
# DOUBLE_BYTE_CASES <gtest filter> only those cases do (a program too slow to run thrice).
function(quillor_add_gtest name)
  cmake_parse_arguments(ARG "DOUBLE_BYTE_RUNS" "DOUBLE_BYTE_CASES" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  quillor_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 120
    PROPERTIES FIXTURES_REQUIRED wine ${ARG_PROPERTIES})
  if(ARG_DOUBLE_BYTE_CASES)
    set(ARG_DOUBLE_BYTE_RUNS ON)
    set(filter --gtest_filter=${ARG_DOUBLE_BYTE_CASES})
  endif()
  if(ARG_DOUBLE_BYTE_RUNS)
    foreach(run ${QUILLOR_DOUBLE_BYTE_LOCALES})
      string(REPLACE "=" ";" run "${run}")
      list(GET run 0 locale)
      list(GET run 1 folderTail)
      add_test(NAME ${name}.${locale} COMMAND ${name} --gtest_brief=1 ${filter})
      set_tests_properties(${name}.${locale} PROPERTIES FIXTURES_REQUIRED wine ${ARG_PROPERTIES}
        ENVIRONMENT "LANG=${locale};QUILLOR_TEST_FOLDER_TAIL=${folderTail}")
    endforeach()
  endif()
endfunction()

# A plain test command that needs the Wine session (scripts of the end-to-end tests).
function(quillor_add_wine_test name)
  add_test(NAME ${name} COMMAND ${ARGN})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
endfunction()
