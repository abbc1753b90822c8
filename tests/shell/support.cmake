# Tests of the shell's support libraries (shell/support.cmake). Included by tests/shell/CMakeLists.txt.
orv_add_test(shellsupport_test
  SOURCES
    callhistory_test.cpp
    callhooks_test.cpp
    trace_test.cpp
    faultnames_test.cpp
    filetypes_test.cpp
    sampleproject_test.cpp
  LIBS orv_shellsupport orv_project)
# The sample project and the installed settings are read from the source tree.
target_compile_definitions(shellsupport_test PRIVATE ORV_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
# Built as the program's own code is, so that its functions feed the call history.
set_source_files_properties(callhooks_test.cpp PROPERTIES COMPILE_OPTIONS
  "-finstrument-functions;-finstrument-functions-exclude-file-list=/usr/")

# Window tests: the guarded message loop, the monitor and the log, the registry writes.
orv_add_test(crashguard_wintest
  SOURCES
    crashguard_win_test.cpp
    trace_win_test.cpp
    filetypes_win_test.cpp
  LIBS orv_shellwin)
