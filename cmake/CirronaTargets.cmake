# Helpers that keep each folder's CMakeLists.txt to a few lines.

# cirrona_library(<name> [DEPS <targets...>] [ENGINE])
# Builds the static library cirrona_<name> from every .cpp in the calling
# folder. Its headers are included as "<name>/Header.h" from src/.
# ENGINE links the 3D engine and precompiles its header.
function(cirrona_library name)
  cmake_parse_arguments(ARG "ENGINE" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    # A folder that so far holds only headers.
    add_library(cirrona_${name} INTERFACE)
    target_include_directories(cirrona_${name} INTERFACE ${CIRRONA_SOURCE_DIR}/src)
    target_link_libraries(cirrona_${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(cirrona_${name} STATIC ${sources})
  target_include_directories(cirrona_${name} PUBLIC ${CIRRONA_SOURCE_DIR}/src)
  target_link_libraries(cirrona_${name} PUBLIC ${ARG_DEPS} Threads::Threads)
  if(ARG_ENGINE)
    target_link_libraries(cirrona_${name} PUBLIC Irrlicht::Irrlicht)
    cirrona_engine_pch(cirrona_${name})
  endif()
endfunction()

# The engine's umbrella header preprocesses to ~50k lines; compiling it once
# per target instead of once per file halves a rebuild.
function(cirrona_engine_pch target)
  if(NOT CIRRONA_FUZZ)
    target_precompile_headers(${target} PRIVATE <irrlicht.h>)
  endif()
endfunction()

# cirrona_test_suite(<name> DEPS <targets...>)
# One GoogleTest executable <name>_tests from every .cpp in the calling folder.
# Tests are discovered when ctest runs, so a build never executes test code.
function(cirrona_test_suite name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name}_tests ${sources})
  target_link_libraries(${name}_tests PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name}_tests PRIVATE
    CIRRONA_SOURCE_DIR="${CIRRONA_SOURCE_DIR}"
    CIRRONA_BINARY_DIR="${CMAKE_BINARY_DIR}"
    CIRRONA_SHARED_DATA_DIR="${CIRRONA_SHARED_DATA_DIR}")
  gtest_discover_tests(${name}_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS ${name})
endfunction()

# cirrona_benchmark(<name> DEPS <targets...>)
function(cirrona_benchmark name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(bench_${name} ${sources})
  target_link_libraries(bench_${name} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
  target_compile_definitions(bench_${name} PRIVATE
    CIRRONA_SOURCE_DIR="${CIRRONA_SOURCE_DIR}"
    CIRRONA_SHARED_DATA_DIR="${CIRRONA_SHARED_DATA_DIR}")
endfunction()

# Adds every subfolder of the calling folder that has a CMakeLists.txt.
function(cirrona_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
