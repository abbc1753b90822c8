# The shell's support libraries: the trace channel, the call history, the fault guard and the
# file-type registration. Included by shell/CMakeLists.txt.
#
#   orv_shellsupport  portable: trace formatting, the call-history ring and its dump, fault names,
#                     the file-type values; also defines the instrumentation hooks
#   orv_shellwin      Windows only: the monitor lookup and log file, the guarded message loop,
#                     the registry writes
#
# orv_call_history(<target>) records the target's functions in the call history (see
# shell/callhistory.h); on a program it also writes the linker map <program name>.map beside it.
add_library(orv_shellsupport STATIC
  trace.cpp
  callhistory.cpp
  faultnames.cpp
  filetypes.cpp)
target_include_directories(orv_shellsupport PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(orv_shellsupport PUBLIC orv_settings)

if(WIN32)
  add_library(orv_shellwin STATIC
    trace_win.cpp
    crashguard_win.cpp
    filetypes_win.cpp)
  target_include_directories(orv_shellwin PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(orv_shellwin PUBLIC orv_shellsupport orv_settings orv_platform user32 advapi32)
endif()

function(orv_call_history target)
  # Functions of the standard library's and the system's headers stay out of the history.
  target_compile_options(${target} PRIVATE
    -finstrument-functions -finstrument-functions-exclude-file-list=/usr/)
  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL "EXECUTABLE")
    target_link_libraries(${target} PRIVATE orv_shellsupport)
    if(WIN32)
      target_link_options(${target} PRIVATE
        "-Wl,-Map,$<TARGET_FILE_DIR:${target}>/$<TARGET_FILE_BASE_NAME:${target}>.map")
    endif()
  else()
    target_link_libraries(${target} PUBLIC orv_shellsupport)
  endif()
endfunction()

# The installed global settings file: put beside the program once. The program writes to it as it
# runs, so an existing one is never replaced.
if(WIN32 AND NOT EXISTS ${CMAKE_CURRENT_BINARY_DIR}/Orvantel.ini)
  file(COPY ${PROJECT_SOURCE_DIR}/resources/Orvantel.ini DESTINATION ${CMAKE_CURRENT_BINARY_DIR})
endif()
