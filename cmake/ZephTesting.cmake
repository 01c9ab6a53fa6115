# GoogleTest for both targets and the helper that turns a tests/ folder into a suite.
include(GoogleTest)
set(ZEPH_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})

if(WIN32)
  # Debian ships GoogleTest as sources; build them with the MinGW toolchain.
  set(ZEPH_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(${ZEPH_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # GoogleTest's own build already defines the GTest:: aliases.

  # Tests run under Wine through our launcher; the generated file tells it where the
  # build's private Wine prefix and programs are.
  set(ZEPH_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-env.sh.in ${CMAKE_BINARY_DIR}/wine-env.sh @ONLY)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${CMAKE_BINARY_DIR}/wine-env.sh)
  # A program that fails without a word (as when Wine itself cannot start it) still leaves
  # the launcher's note of its exit code in the test's output.
  add_test(NAME launcher.silent-failure-is-explained
           COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} cmd /c exit 3)
  set_tests_properties(launcher.silent-failure-is-explained PROPERTIES
    TIMEOUT 60 PASS_REGULAR_EXPRESSION "wine-run: cmd ended with exit code 3")
else()
  find_package(GTest REQUIRED)
endif()

# The GoogleTest suites that test sources define: the first argument of each TEST, TEST_F
# and TEST_P, in order of first appearance.
function(zeph_test_suites_of out)
  set(suites)
  foreach(source IN LISTS ARGN)
    file(STRINGS ${source} lines REGEX "^[ \t]*(TEST|TEST_F|TEST_P)\\([ \t]*[A-Za-z0-9_]+[ \t]*,")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*(TEST|TEST_F|TEST_P)\\([ \t]*([A-Za-z0-9_]+).*" "\\2" suite "${line}")
      list(APPEND suites ${suite})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES suites)
  set(${out} ${suites} PARENT_SCOPE)
endfunction()

# The suites of the test sources that open windows: sources that drive dialogs with the
# shared driver, or make windows, dialogs or property sheets themselves.
set(ZEPH_WINDOW_MARKERS
    "DialogDriver|ModalGuard|CreateWindow|DialogBox|PropertySheet|[.>]Create\\(\\)|[.>]Execute\\(\\)")
function(zeph_marked_suites_of out markers)
  set(suites)
  foreach(source IN LISTS ARGN)
    file(READ ${source} text)
    if(text MATCHES "${markers}")
      zeph_test_suites_of(found ${source})
      list(APPEND suites ${found})
    endif()
  endforeach()
  set(${out} ${suites} PARENT_SCOPE)
endfunction()
function(zeph_window_suites_of out)
  zeph_marked_suites_of(suites "${ZEPH_WINDOW_MARKERS}" ${ARGN})
  set(${out} ${suites} PARENT_SCOPE)
endfunction()

# The suites that run alone. Focus and activation are shared by every Wine process on the
# display: a window opened by another test at the same moment takes them away from a suite
# that checks or follows them (RunButtonDialog finds the dialog a button opens through the
# active window, as do the editors' dialog suites, whose Command helper follows a nested
# dialog the same way). The machine-wide settings (MachineValue) are shared by every process
# of the Wine prefix: a suite that changes them for a while would mislead the others. A suite
# that finds windows under a screen point (drag and drop) needs its windows on top.
# SlotFormsTest, which opens about a hundred forms in a row, once found a form without one
# of its controls while many Wine processes ran; until that is understood it runs alone.
# A designer that logs in offers every application copy in the prefix's program folder for
# recovery, and the server link's tests keep their opened copies there while they run: the
# suites that start a logged-in designer run alone, as does the stand-alone designer that
# opens the Sample program there for a picture. The frame's accelerator suite activates
# page windows, which follows the machine-wide active window; once, while many Wine processes
# ran, its paste landed nowhere.
set(ZEPH_FOCUS_MARKERS
    "GetFocus|GetActiveWindow|GetLastActivePopup|FocusedId|RunButtonDialog|EditorDialogsTest|SlotFormsTest|MachineValue|WindowFromPoint|ItemsOnStandinTest|ItemEditorOnStandinTest|ServerLoginTest|DesignerAppTest|AutoSaveOnStandinTest|FileMenuOnStandinTest|FrameAcceleratorsTest|HeldLocksOnStandinTest|ServerDownOnStandinTest|StandAloneSampleTest")

# zeph_set_program_tests_properties(<exe> <property> <value> ...)
# Sets properties on every CTest test of one test program (each of its suites under Wine,
# each test natively); call it after zeph_add_test_suite, in the same folder.
function(zeph_set_program_tests_properties exe)
  get_property(tests DIRECTORY PROPERTY TESTS)
  foreach(t IN LISTS tests)
    if(t MATCHES "^${exe}\\.")
      set_tests_properties(${t} PROPERTIES ${ARGN})
    endif()
  endforeach()
endfunction()

# zeph_add_test_suite(NAME <exe> DIR <folder> [LIBS <libs...>] [SOURCES <extra...>] [EXCLUDE <regex>])
# Builds <folder>/tests/*.cpp into one GoogleTest program and registers it with CTest
# (less the sources whose paths match EXCLUDE).
# Natively each test is its own CTest test ("<exe>.<Suite>.<Test>", listed at test time).
# Under Wine a process costs far more than most tests, so each suite is one CTest test
# ("<exe>.<Suite>"), found in the sources at configure time; one more test per program
# ("<exe>.suites-registered") fails when the program has a suite that was not registered,
# so no test can go unrun unnoticed.
function(zeph_add_test_suite)
  cmake_parse_arguments(T "" "NAME;DIR;EXCLUDE" "LIBS;SOURCES" ${ARGN})
  zeph_glob_sources(test_sources ${T_DIR}/tests)
  if(T_EXCLUDE)
    list(FILTER test_sources EXCLUDE REGEX "${T_EXCLUDE}")
  endif()
  list(APPEND test_sources ${T_SOURCES})
  if(NOT test_sources)
    return()
  endif()
  add_executable(${T_NAME} ${test_sources})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  target_include_directories(${T_NAME} PRIVATE ${T_DIR}/tests)
  target_compile_definitions(${T_NAME} PRIVATE ZEPH_TEST_DATA_DIR="${T_DIR}/tests/data")
  if(NOT WIN32)
    gtest_discover_tests(${T_NAME}
      TEST_PREFIX "${T_NAME}."
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 120
      PROPERTIES TIMEOUT 120)
    return()
  endif()

  target_link_options(${T_NAME} PRIVATE -mconsole)
  zeph_test_suites_of(suites ${test_sources})
  zeph_window_suites_of(window_suites ${test_sources})
  zeph_marked_suites_of(focus_suites "${ZEPH_FOCUS_MARKERS}" ${test_sources})
  foreach(suite IN LISTS suites)
    # Plain and fixture tests, and the instances of parameterised ones.
    add_test(NAME ${T_NAME}.${suite}
             COMMAND ${T_NAME} "--gtest_filter=${suite}.*:*/${suite}.*")
    set_tests_properties(${T_NAME}.${suite} PROPERTIES
      TIMEOUT 120
      # A suite that ran nothing passed nothing.
      FAIL_REGULAR_EXPRESSION "Running 0 tests")
    if(suite IN_LIST window_suites)
      # Every window of every program goes through the one wineserver, a single thread:
      # on a busy machine many window suites at once starve it and each other. A window
      # suite counts as two of ctest's -j slots, so at most half the slots open windows.
      set_tests_properties(${T_NAME}.${suite} PROPERTIES PROCESSORS 2)
    endif()
    if(suite IN_LIST focus_suites)
      set_tests_properties(${T_NAME}.${suite} PROPERTIES RUN_SERIAL TRUE)
    endif()
  endforeach()
  string(REPLACE ";" "," suite_list "${suites}")
  string(REPLACE ";" "|" emulator "${CMAKE_CROSSCOMPILING_EMULATOR}")
  add_test(NAME ${T_NAME}.suites-registered
           COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${T_NAME}>
                   "-DEMULATOR=${emulator}" "-DSUITES=${suite_list}"
                   -P ${ZEPH_CMAKE_DIR}/ZephCheckSuites.cmake)
  set_tests_properties(${T_NAME}.suites-registered PROPERTIES TIMEOUT 120)
endfunction()
