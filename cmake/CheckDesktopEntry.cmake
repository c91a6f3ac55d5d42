# The desktop entry as desktop-file-validate reads it: not an error, a warning or a hint. And it names the
# program's file twice: as the command to start, and as the window class that ties the window to the entry
# (under X the window's WM_CLASS is the file's name, which Qt takes as the application's name).
# CTest runs it as `cmake -DENTRY=<the .desktop file> -DPROGRAM=<the program's file name> -P CheckDesktopEntry.cmake`.
cmake_minimum_required(VERSION 3.25)

find_program(validate desktop-file-validate)
if(NOT validate)
  message(FATAL_ERROR "desktop-file-validate is not installed: scripts/install-deps.sh installs desktop-file-utils")
endif()
execute_process(COMMAND ${validate} ${ENTRY} OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT said STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate has this to say about ${ENTRY} (exit code ${result}):\n${said}")
endif()

foreach(key Exec StartupWMClass)
  file(STRINGS ${ENTRY} found REGEX "^${key}=")
  if(NOT found STREQUAL "${key}=${PROGRAM}")
    message(FATAL_ERROR "${ENTRY}: expected ${key}=${PROGRAM}, found '${found}'")
  endif()
endforeach()
