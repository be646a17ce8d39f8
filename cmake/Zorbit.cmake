# SPDX-License-Identifier: MIT
# Helpers shared by the layers' CMakeLists.

find_package(GTest QUIET)

# Each test program has a timeout that fits it: TIMEOUT <seconds>, 30 unless told. It stops a test
# that hangs long before anyone waits for it; the sanitizer build runs unoptimised, so it allows
# three times as long there.
function(zorbit_test_timeout name seconds)
  if(NOT seconds)
    set(seconds 30)
  endif()
  if(ZORBIT_SANITIZE)
    math(EXPR seconds "${seconds} * 3")
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${seconds})
endfunction()

# zorbit_drawn_resources(<target> <resource name> TOOL <program> PREFIX <prefix> FILES <files...>
#                        COMMENT <text>)
# Pictures the build draws: <program> runs once, on the offscreen platform, and writes FILES into
# their folder, as raw pixels that <target> holds uncompressed under PREFIX and shows as they lie.
function(zorbit_drawn_resources target name)
  cmake_parse_arguments(ARG "" "TOOL;PREFIX;COMMENT" "FILES" ${ARGN})
  list(GET ARG_FILES 0 first)
  get_filename_component(folder ${first} DIRECTORY)
  add_custom_command(OUTPUT ${ARG_FILES}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:${ARG_TOOL}> ${folder}
    DEPENDS ${ARG_TOOL}
    COMMENT "${ARG_COMMENT}"
    VERBATIM)
  qt_add_resources(${target} ${name} PREFIX ${ARG_PREFIX} BASE ${folder} FILES ${ARG_FILES} OPTIONS --no-compress)
endfunction()

# zorbit_gtest(<name> SOURCES <files...> LIBS <targets...> [TIMEOUT <seconds>])
# A GoogleTest executable for a Qt-free layer, run by ctest as one test.
function(zorbit_gtest name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests UNITY_BUILD OFF)
  add_test(NAME ${name} COMMAND ${name})
  zorbit_test_timeout(${name} "${ARG_TIMEOUT}")
endfunction()

# zorbit_qtest(<name> SOURCES <files...> LIBS <targets...> [TIMEOUT <seconds>] [RUNNER <command...>])
# A Qt Test executable for windows and Qt layers; runs headless on the offscreen platform, started
# by RUNNER when given (a session bus of its own: dbus-run-session --). A test whose environment is
# missing (platform/testing/environment.h) ends with 77: skipped, not passed.
function(zorbit_qtest name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;RUNNER" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests UNITY_BUILD OFF)
  # Qt Widgets is read once for all the Qt tests, from one precompiled header. (Not Qt Test: it
  # takes each test folder's name in its macros.)
  if(NOT TARGET zorbit_qtest_pch)
    set(unit ${CMAKE_BINARY_DIR}/zorbit_qtest_pch.cpp)
    if(NOT EXISTS ${unit})
      file(WRITE ${unit} "// The unit that makes the Qt tests' precompiled header.\n")
    endif()
    add_library(zorbit_qtest_pch STATIC ${unit})
    target_link_libraries(zorbit_qtest_pch PRIVATE Qt6::Widgets)
    target_precompile_headers(zorbit_qtest_pch PRIVATE <QtWidgets>)
    set_target_properties(zorbit_qtest_pch PROPERTIES AUTOMOC OFF)
  endif()
  target_precompile_headers(${name} REUSE_FROM zorbit_qtest_pch)
  add_test(NAME ${name} COMMAND ${ARG_RUNNER} $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZORBIT_PROGRAM_DIR=${ZORBIT_PROGRAM_DIR}")
  zorbit_test_timeout(${name} "${ARG_TIMEOUT}")
endfunction()
