# Shared settings for every target of the project, and the helpers that define
# libraries and test executables from the files of one folder.

add_compile_options(-Wall -Wextra)
if(QUILLERY_WERROR)
  add_compile_options(-Werror)
endif()
if(QUILLERY_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# quillery_library(NAME DEPENDS lib...)
# A static library of every .cpp in the calling folder; headers are found
# from the layer root (platform/, helptool/, setup/) as "vcl/system/format.h".
# QUILLERY_LAYER_ROOT is set by the layer's top CMakeLists (platform/, ...).
function(quillery_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    target_include_directories(${name} PUBLIC ${QUILLERY_LAYER_ROOT})
  else()
    # A folder whose units are all header-only (or not written yet).
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
    target_include_directories(${name} INTERFACE ${QUILLERY_LAYER_ROOT})
  endif()
endfunction()

# quillery_tests(DEPENDS lib...)
# One GoogleTest executable per test_*.cpp in the calling folder, so that a
# broken test file stops only its own executable.
function(quillery_tests)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/test_*.cpp")
  file(GLOB helpers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/support_*.cpp")
  foreach(test ${tests})
    get_filename_component(stem ${test} NAME_WE)
    file(RELATIVE_PATH rel "${PROJECT_SOURCE_DIR}/tests" "${CMAKE_CURRENT_SOURCE_DIR}")
    string(REPLACE "/" "_" prefix "${rel}")
    set(target "${prefix}_${stem}")
    add_executable(${target} ${test} ${helpers} "${PROJECT_SOURCE_DIR}/tests/support/lsan_suppressions.cpp")
    target_link_libraries(${target} PRIVATE ${ARG_DEPENDS} test_support GTest::gtest GTest::gtest_main GTest::gmock)
    target_compile_definitions(${target} PRIVATE
      QUILLERY_TEST_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
      QUILLERY_BINARY_DIR="${PROJECT_BINARY_DIR}")
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
      PROPERTIES TIMEOUT 300 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endforeach()
endfunction()
