# Shared build helpers. Every subsystem folder is one static library; every
# test folder is one test executable carrying the folder's CTest label.

set(VARNEL_SUBSYSTEMS output playback fixtures patch show masters console
    shortcuts presets programmer effects matrix control scheduler audio
    visualizer support)

# varnel_library(name SOURCES ... LIBS ...)
function(varnel_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  target_compile_options(${name} PRIVATE -Wall -Wextra)
endfunction()

# varnel_test(name LABEL label SOURCES ... LIBS ...)
function(varnel_test name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE testSupport ${ARG_LIBS} GTest::gtest GTest::gmock)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABEL}"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VARNELDMX_LOOPBACK_ONLY=1"
    TIMEOUT 600)
endfunction()

# varnel_folder_library(name LIBS ...): every .cpp of the current folder.
function(varnel_folder_library name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  varnel_library(${name} SOURCES ${sources} LIBS ${ARG_LIBS})
endfunction()

# varnel_folder_test(name LABEL label LIBS ...): every .cpp of the current folder.
function(varnel_folder_test name)
  cmake_parse_arguments(ARG "" "LABEL" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  varnel_test(${name} LABEL ${ARG_LABEL} SOURCES ${sources} LIBS ${ARG_LIBS})
endfunction()

# Adds every listed folder of the current directory that has a CMakeLists.txt.
macro(varnel_add_present_subdirectories)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endmacro()
