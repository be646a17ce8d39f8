# SPDX-License-Identifier: MIT
# Helpers shared by the layers' CMakeLists.

find_package(GTest QUIET)

# zorbit_gtest(<name> SOURCES <files...> LIBS <targets...>)
# A GoogleTest executable for a Qt-free layer, run by ctest as one test.
function(zorbit_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

# zorbit_qtest(<name> SOURCES <files...> LIBS <targets...>)
# A Qt Test executable for windows and Qt layers; runs headless on the offscreen platform.
function(zorbit_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZORBIT_PROGRAM_DIR=${ZORBIT_PROGRAM_DIR}")
endfunction()
