# One static library per layer, made of every source file in its folder (and,
# with RECURSE, in its subfolders), so a new file needs no edit here.
function(zentrope_layer name dir)
  cmake_parse_arguments(L "RECURSE" "" "LINK" ${ARGN})
  if(L_RECURSE)
    file(GLOB_RECURSE _src CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
  else()
    file(GLOB _src CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
  endif()
  add_library(${name} STATIC ${_src})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${L_LINK})
endfunction()

# A GoogleTest executable made of every source file in a test folder.
function(zentrope_test name dir)
  cmake_parse_arguments(T "" "" "LINK" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  if(NOT _src)
    return()
  endif()
  add_executable(${name} ${_src})
  target_link_libraries(${name} PRIVATE zentrope_test_support ${T_LINK} GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    ZENTROPE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ZENTROPE_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 300)
endfunction()
