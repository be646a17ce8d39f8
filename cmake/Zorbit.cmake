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

# zorbit_qtest(<name> SOURCES <files...> LIBS <targets...> [TIMEOUT <seconds>])
# A Qt Test executable for windows and Qt layers; runs headless on the offscreen platform. A test
# whose environment is missing (platform/testing/environment.h) ends with 77: skipped, not passed.
function(zorbit_qtest name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests UNITY_BUILD OFF)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZORBIT_PROGRAM_DIR=${ZORBIT_PROGRAM_DIR}")
  zorbit_test_timeout(${name} "${ARG_TIMEOUT}")
endfunction()
