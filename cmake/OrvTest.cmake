# orv_add_test(NAME SOURCES... LIBS...): one GoogleTest program, registered with CTest as one test.
# Programs whose name ends in _wintest create windows: they exist only in the Windows build.
function(orv_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(name MATCHES "_wintest$" AND NOT WIN32)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  if(WIN32)
    target_link_options(${name} PRIVATE -static)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  # A Windows program that crashes under Wine can still end with exit code 0: a run passes only
  # when GoogleTest printed its closing PASSED line and no FAILED line.
  set_tests_properties(${name} PROPERTIES TIMEOUT 600
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ test"
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
endfunction()
