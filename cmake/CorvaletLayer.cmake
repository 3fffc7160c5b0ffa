# One static library per layer, built from every .cpp of its folder, so that adding a file to a
# layer needs no edit here. A layer without sources yet is an INTERFACE library with the same edges.
function(corvalet_layer name)
  cmake_parse_arguments(L "" "" "DEPS" ${ARGN})
  file(GLOB _srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(_srcs)
    add_library(${name} STATIC ${_srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${L_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${L_DEPS})
  endif()
endfunction()

# One test program per layer from every *Test.cpp of the folder.
function(corvalet_tests name)
  cmake_parse_arguments(T "" "LABEL" "DEPS" ${ARGN})
  file(GLOB _srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT _srcs)
    return()
  endif()
  add_executable(${name} ${_srcs})
  target_link_libraries(${name} PRIVATE ${T_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    CORVALET_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures"
    CORVALET_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(T_LABEL)
    gtest_discover_tests(${name} PROPERTIES LABELS ${T_LABEL}
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen" DISCOVERY_TIMEOUT 60)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
