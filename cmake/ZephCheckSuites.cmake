# Run by CTest: lists the tests of a Windows test program and fails when one of its suites
# is not among those registered (a suite CTest would never run).
# -DPROGRAM=<exe> -DEMULATOR=<launcher|args> -DSUITES=<a,b,c>
string(REPLACE "," ";" registered "${SUITES}")
string(REPLACE "|" ";" EMULATOR "${EMULATOR}")
execute_process(COMMAND ${EMULATOR} ${PROGRAM} --gtest_list_tests
                OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "listing the tests of ${PROGRAM} failed (${rc})")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(missing)
foreach(line IN LISTS lines)
  # Suite lines start in the first column and end with a dot ("Suite." or "Prefix/Suite.").
  if(line MATCHES "^([A-Za-z0-9_/]+)\\.")
    string(REGEX REPLACE "^([A-Za-z0-9_]+/)?([A-Za-z0-9_]+)\\..*" "\\2" suite "${line}")
    list(FIND registered "${suite}" at)
    if(at EQUAL -1)
      list(APPEND missing ${suite})
    endif()
  endif()
endforeach()
if(missing)
  list(REMOVE_DUPLICATES missing)
  message(FATAL_ERROR "suites not registered with CTest: ${missing}")
endif()
message(STATUS "every suite of ${PROGRAM} is registered")
