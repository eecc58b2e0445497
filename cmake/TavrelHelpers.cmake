# Build helpers shared by every folder of the project.

function(tavrel_set_warnings)
  if(MSVC)
    add_compile_options(/W4 /WX /permissive-)
  else()
    # Everything compiled here is our own code; third-party headers (Qt,
    # GoogleTest, OpenSSL) come in as system includes and stay quiet.
    add_compile_options(-Wall -Wextra -Werror)
  endif()
endfunction()

function(tavrel_enable_sanitizers)
  if(MSVC)
    add_compile_options(/fsanitize=address)
  else()
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
  endif()
endfunction()

# Collect folders that exist, so a layer can be added without editing its parent.
function(tavrel_add_existing_subdirs)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# One GoogleTest executable per test folder: every *.cpp of the folder is part
# of it. Tests are discovered when ctest runs, not at build time.
function(tavrel_add_test_dir name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  tavrel_existing_targets(libs ${ARG_LIBS})
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${libs} GTest::gtest GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_definitions(${name} PRIVATE TAVREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TAVREL_BIN_DIR="${TAVREL_BIN_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# One Google Benchmark executable per source file, named bench_<file>.
function(tavrel_add_bench source)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  get_filename_component(stem ${source} NAME_WE)
  tavrel_existing_targets(libs ${ARG_LIBS})
  add_executable(bench_${stem} ${source})
  target_link_libraries(bench_${stem} PRIVATE ${libs} benchmark::benchmark)
  target_include_directories(bench_${stem} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  set_target_properties(bench_${stem} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  target_compile_definitions(bench_${stem} PRIVATE TAVREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TAVREL_BIN_DIR="${TAVREL_BIN_DIR}")
endfunction()

# One libFuzzer target per source file, named fuzz_<file>; its seed corpus is
# the folder corpus/<file>/ beside the source.
function(tavrel_add_fuzzer source)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  get_filename_component(stem ${source} NAME_WE)
  tavrel_existing_targets(libs ${ARG_LIBS})
  add_executable(fuzz_${stem} ${source})
  target_link_libraries(fuzz_${stem} PRIVATE ${libs})
  target_include_directories(fuzz_${stem} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support ${CMAKE_SOURCE_DIR}/fuzz/support)
  target_compile_options(fuzz_${stem} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(fuzz_${stem} PRIVATE -fsanitize=fuzzer,address,undefined)
  set_target_properties(fuzz_${stem} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
endfunction()

# The given libraries that exist as targets (imported ones have a "::").
function(tavrel_existing_targets out)
  set(result)
  foreach(lib ${ARGN})
    if(TARGET ${lib})
      list(APPEND result ${lib})
    endif()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# A layer library made of every *.cpp of the calling folder; nothing when the
# folder has no sources yet.
function(tavrel_add_layer name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  tavrel_existing_targets(libs ${ARG_LIBS})
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${libs})
endfunction()
