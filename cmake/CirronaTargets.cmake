# Helpers that keep each folder's CMakeLists.txt to a few lines.

set(CIRRONA_TARGETS_DIR ${CMAKE_CURRENT_LIST_DIR})

# cirrona_library(<name> [DEPS <targets...>] [IRRLICHT])
# Builds the static library cirrona_<name> from every .cpp in the calling
# folder and its subfolders (except a subfolder with a CMakeLists.txt of its
# own, which is another target). Headers are included as
# "<name>/[sub/]Header.h" from src/.
# IRRLICHT links the 3D engine and precompiles its header; only the GUI side
# and the executable may say it (see cirrona_check_engine_free).
function(cirrona_library name)
  cmake_parse_arguments(ARG "IRRLICHT" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB_RECURSE own_targets ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  foreach(lists IN LISTS own_targets)
    get_filename_component(subfolder ${lists} DIRECTORY)
    list(FILTER sources EXCLUDE REGEX "^${subfolder}/")
  endforeach()
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
  if(ARG_IRRLICHT)
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

# cirrona_test_suite(<name> [RESOURCE_LOCK <lock>] DEPS <targets...>)
# One GoogleTest executable <name>_tests from every .cpp in the calling folder.
# Tests are discovered when ctest runs, so a build never executes test code.
# Tests holding the same RESOURCE_LOCK never run at the same time.
function(cirrona_test_suite name)
  cmake_parse_arguments(ARG "" "RESOURCE_LOCK" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name}_tests ${sources})
  target_link_libraries(${name}_tests PRIVATE ${ARG_DEPS} cirrona_test_support
    GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name}_tests PRIVATE
    CIRRONA_SOURCE_DIR="${CIRRONA_SOURCE_DIR}"
    CIRRONA_BINARY_DIR="${CMAKE_BINARY_DIR}")
  set(lock)
  if(ARG_RESOURCE_LOCK)
    set(lock RESOURCE_LOCK ${ARG_RESOURCE_LOCK})
  endif()
  gtest_discover_tests(${name}_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS ${name} ${lock})
endfunction()

# cirrona_benchmark(<name> DEPS <targets...>)
function(cirrona_benchmark name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(bench_${name} ${sources})
  target_link_libraries(bench_${name} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
  target_compile_definitions(bench_${name} PRIVATE CIRRONA_SOURCE_DIR="${CIRRONA_SOURCE_DIR}"
    CIRRONA_BINARY_DIR="${CMAKE_BINARY_DIR}")
endfunction()

# Adds every subfolder of the calling folder that has a CMakeLists.txt, except
# those named after EXCEPT (added by the caller itself, first).
function(cirrona_add_subfolders)
  cmake_parse_arguments(ARG "" "" "EXCEPT" ${ARGN})
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child IN LISTS children)
    get_filename_component(child_name ${child} NAME)
    if(child_name IN_LIST ARG_EXCEPT)
      continue()
    endif()
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# Fails the configure step when one of <targets> links the 3D engine, directly
# or through any library it depends on. The tools, the data compilers and the
# logic suites must stay runnable without X11 or OpenGL.
function(cirrona_check_engine_free)
  foreach(target IN LISTS ARGN)
    if(NOT TARGET ${target})
      continue()
    endif()
    set(pending ${target})
    set(seen "")
    while(pending)
      list(POP_FRONT pending current)
      if(current IN_LIST seen OR NOT TARGET ${current})
        continue()
      endif()
      list(APPEND seen ${current})
      if(current STREQUAL "Irrlicht::Irrlicht")
        message(FATAL_ERROR "${target} links the 3D engine (through ${seen}); it must stay engine-free")
      endif()
      get_target_property(type ${current} TYPE)
      set(links "")
      if(NOT type STREQUAL "INTERFACE_LIBRARY")
        get_target_property(direct ${current} LINK_LIBRARIES)
        if(direct)
          list(APPEND links ${direct})
        endif()
      endif()
      get_target_property(iface ${current} INTERFACE_LINK_LIBRARIES)
      if(iface)
        list(APPEND links ${iface})
      endif()
      foreach(link IN LISTS links)
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
        list(APPEND pending ${link})
      endforeach()
    endwhile()
  endforeach()
endfunction()

# cirrona_fuzz_target(<name> SOURCES <files...> DEPS <targets...> [CORPUS <folders...>])
# A libFuzzer executable, built only in the fuzzing tree (-DCIRRONA_FUZZ=ON with
# clang), where every library it links is already instrumented (see the top
# CMakeLists.txt). CORPUS names the calling folder's subfolders of kept inputs;
# ctest (label "fuzz") runs the target for CIRRONA_FUZZ_SMOKE_SECONDS on a
# copy of them, so a crash fails the tests and nothing is written into the
# source tree.
set(CIRRONA_FUZZ_SMOKE_SECONDS 10 CACHE STRING "How long ctest runs each fuzz target")
function(cirrona_fuzz_target name)
  if(NOT CIRRONA_FUZZ)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;CORPUS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  # A fuzz folder sits in its suite's folder, whose replay tests share its checks.
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/..)
  cirrona_check_engine_free(${name})
  # One name for all of them: scripts/test builds "cirrona_fuzzers".
  if(NOT TARGET cirrona_fuzzers)
    add_custom_target(cirrona_fuzzers)
  endif()
  add_dependencies(cirrona_fuzzers ${name})

  list(TRANSFORM ARG_CORPUS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  # A list would be split into separate arguments on the way to the script.
  string(REPLACE ";" "|" corpus "${ARG_CORPUS}")
  add_test(NAME ${name}_smoke
    COMMAND ${CMAKE_COMMAND} -DFUZZER=$<TARGET_FILE:${name}> -DCORPUS=${corpus}
      -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/${name}-smoke -DSECONDS=${CIRRONA_FUZZ_SMOKE_SECONDS}
      -P ${CIRRONA_TARGETS_DIR}/FuzzSmoke.cmake)
  set_tests_properties(${name}_smoke PROPERTIES LABELS fuzz)
endfunction()
