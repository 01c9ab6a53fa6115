# GoogleTest for both targets and the helper that turns a tests/ folder into a suite.
include(GoogleTest)

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
else()
  find_package(GTest REQUIRED)
endif()

# zeph_add_test_suite(NAME <exe> DIR <folder> [LIBS <libs...>] [SOURCES <extra...>])
# Builds <folder>/tests/*.cpp into one GoogleTest program and registers each test with
# CTest under "<exe>.<Suite>.<Test>". Tests are listed at test time (through Wine for the
# Windows target), so the build itself never starts Wine.
function(zeph_add_test_suite)
  cmake_parse_arguments(T "" "NAME;DIR" "LIBS;SOURCES" ${ARGN})
  zeph_glob_sources(test_sources ${T_DIR}/tests)
  list(APPEND test_sources ${T_SOURCES})
  if(NOT test_sources)
    return()
  endif()
  add_executable(${T_NAME} ${test_sources})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  target_include_directories(${T_NAME} PRIVATE ${T_DIR}/tests)
  target_compile_definitions(${T_NAME} PRIVATE ZEPH_TEST_DATA_DIR="${T_DIR}/tests/data")
  if(WIN32)
    target_link_options(${T_NAME} PRIVATE -mconsole)
  endif()
  gtest_discover_tests(${T_NAME}
    TEST_PREFIX "${T_NAME}."
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES TIMEOUT 120)
endfunction()
