# pellin_layer(<target> SOURCES_IN <dir>... LIBS <lib>...)
# A static library made of every .cpp/.h in the named folders of one layer.
function(pellin_layer target)
  cmake_parse_arguments(L "" "" "SOURCES_IN;LIBS" ${ARGN})
  set(files)
  foreach(d ${L_SOURCES_IN})
    file(GLOB found CONFIGURE_DEPENDS ${d}/*.cpp ${d}/*.h)
    list(APPEND files ${found})
  endforeach()
  set(found_all ${files})
  list(FILTER files INCLUDE REGEX "\\.cpp$")
  if(files)
    add_library(${target} STATIC ${found_all})
    target_link_libraries(${target} PUBLIC ${L_LIBS})
  else()
    # A layer with headers only so far: dependents still link against its name.
    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE ${L_LIBS})
  endif()
endfunction()

# pellin_tests(<area> LIBS <lib>... [LABELS <label>...])
# One test program per area made of tests/<area>/*.cpp, registered with CTest;
# each links the shared test helpers of tests/support.
function(pellin_tests area)
  cmake_parse_arguments(T "" "" "LIBS;LABELS" ${ARGN})
  file(GLOB files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${area}/*.h)
  if(NOT files)
    return()
  endif()
  set(exe pellin_${area}_tests)
  string(REPLACE "/" "_" exe ${exe})
  add_executable(${exe} ${files})
  target_link_libraries(${exe} PRIVATE ${T_LIBS} pellin_test_support GTest::gmock GTest::gtest_main)
  target_compile_definitions(${exe} PRIVATE
    PELLIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    PELLIN_SHARED_DIR="${CMAKE_SOURCE_DIR}/../shared"
    PELLIN_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  # Test discovery flattens a list-valued property, keeping only its first
  # item, so the labels are joined into one ("batch-threads"); ctest -L and
  # -LE match labels as regular expressions, so "-L threads" still finds it.
  set(labels ${area} ${T_LABELS})
  list(REMOVE_DUPLICATES labels)
  list(JOIN labels "-" label)
  # A test that skips itself counts as skipped, not passed (.ci/run checks
  # how many of each label ran).
  gtest_discover_tests(${exe} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS "${label}"
    SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
endfunction()
