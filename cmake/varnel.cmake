# Shared build helpers. Every subsystem folder builds its engine library
# (QtCore only) and, from <folder>/ui/, its window library on top; every test
# folder is one test executable whose GoogleTest cases CTest sees one by one,
# each carrying the folder's label.

option(VARNEL_WERROR "Treat compiler warnings as errors" OFF)

# Every target of ours (libraries, the program, tests, benchmarks, fuzz
# targets) is built with these warnings, errors with VARNEL_WERROR as CI
# builds. They are added once every target is defined, so a target added
# by hand is not forgotten.
function(varnel_warnings_in dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(t ${targets})
    get_target_property(type ${t} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
      target_compile_options(${t} PRIVATE -Wall -Wextra)
      if(VARNEL_WERROR)
        target_compile_options(${t} PRIVATE -Werror)
      endif()
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    varnel_warnings_in(${sub})
  endforeach()
endfunction()
function(varnel_warnings_everywhere)
  if(VARNEL_PCH)
    varnel_pch_holder(varnelPchCore Qt6::Core "${VARNEL_PCH_CORE}")
    varnel_pch_holder(varnelPchWidgets Qt6::Widgets "${VARNEL_PCH_WIDGETS}")
    if(TARGET GTest::gmock)
      varnel_pch_holder(varnelPchTest "Qt6::Widgets;GTest::gtest;GTest::gmock" "${VARNEL_PCH_TEST}")
    endif()
  endif()
  varnel_warnings_in(${PROJECT_SOURCE_DIR})
  if(VARNEL_PCH)
    varnel_pch_in(${PROJECT_SOURCE_DIR})
  endif()
endfunction()

# Precompiled headers: the Qt and GoogleTest headers nearly every source
# includes are parsed once per build, not once per source. Three holders
# compile them (engine: QtCore; windows: Qt Widgets; tests: Widgets and
# GoogleTest) and every target of ours reuses the richest one its links
# allow, so an engine never sees a widget header. The holders get the same
# warnings and flags as every other target, which a reused header needs.
option(VARNEL_PCH "Precompile the Qt and GoogleTest headers" ON)
set(VARNEL_PCH_CORE <QString> <QStringList> <QByteArray> <QObject> <QDir> <QFile> <QFileInfo>
    <QTimer> <QVariant> <QHash> <QMap> <algorithm> <array> <cmath> <cstdint> <functional> <map>
    <memory> <optional> <stdexcept> <string> <utility> <vector>)
set(VARNEL_PCH_WIDGETS ${VARNEL_PCH_CORE} <QApplication> <QWidget> <QPushButton> <QLabel>
    <QLineEdit> <QMenu> <QMenuBar> <QAction> <QKeyEvent> <QMouseEvent> <QListWidget> <QCheckBox>
    <QBoxLayout> <QGridLayout> <QTableWidget> <QSlider> <QPainter>)
set(VARNEL_PCH_TEST ${VARNEL_PCH_WIDGETS} <gtest/gtest.h> <gmock/gmock.h>)

function(varnel_pch_holder name libs headers)
  set(src ${CMAKE_BINARY_DIR}/pch/${name}.cpp)
  if(NOT EXISTS ${src})
    file(WRITE ${src} "// Compiles the precompiled header of ${name}.\n")
  endif()
  add_library(${name} OBJECT ${src})
  target_link_libraries(${name} PRIVATE ${libs})
  target_precompile_headers(${name} PRIVATE ${headers})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF)
endfunction()

# Picks a holder for every executable and library of ours in dir and below.
function(varnel_pch_in dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(t ${targets})
    get_target_property(type ${t} TYPE)
    if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$"
       OR t MATCHES "^varnelPch")
      continue()
    endif()
    varnel_link_closure(${t} closure)
    set(holder "")
    if(("GTest::gtest" IN_LIST closure OR "GTest::GTest" IN_LIST closure)
       AND ("GTest::gmock" IN_LIST closure OR "GTest::gmock_main" IN_LIST closure)
       AND "Qt6::Widgets" IN_LIST closure AND TARGET varnelPchTest)
      set(holder varnelPchTest)
    elseif("Qt6::Widgets" IN_LIST closure)
      set(holder varnelPchWidgets)
    elseif("Qt6::Core" IN_LIST closure)
      set(holder varnelPchCore)
    endif()
    if(holder)
      target_precompile_headers(${t} REUSE_FROM ${holder})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    varnel_pch_in(${sub})
  endforeach()
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL varnel_warnings_everywhere)

set(VARNEL_SUBSYSTEMS output playback profiles patch show masters console
    shortcuts presets programmer effects matrix control scheduler audio
    visualizer support)

# varnel_library(name SOURCES ... LIBS ...)
function(varnel_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# varnel_subsystem(name LIBS ... UI_LIBS ... EXCLUDE ...): the engine library
# <name> from every source of the current folder, on QtCore and LIBS; when
# ui/ holds sources, the window library <name>Ui from them, on the engine,
# UI_LIBS and Qt Widgets. The engine is checked to stay free of Qt Widgets.
# EXCLUDE names sources of the folder that another library builds.
function(varnel_subsystem name)
  cmake_parse_arguments(ARG "" "" "LIBS;UI_LIBS;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(excluded ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  varnel_library(${name} SOURCES ${sources} LIBS Qt6::Core ${ARG_LIBS})
  varnel_engine_without_widgets(${name})
  file(GLOB uiSources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h)
  if(uiSources)
    varnel_library(${name}Ui SOURCES ${uiSources} LIBS ${name} ${ARG_UI_LIBS} Qt6::Widgets)
  endif()
endfunction()

# Collects every library a target links, directly or through others.
function(varnel_link_closure target out)
  set(seen "")
  set(todo ${target})
  while(todo)
    list(POP_FRONT todo t)
    if(t IN_LIST seen OR NOT TARGET ${t})
      continue()
    endif()
    list(APPEND seen ${t})
    get_target_property(type ${t} TYPE)
    set(links "")
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(l ${t} LINK_LIBRARIES)
      if(l)
        list(APPEND links ${l})
      endif()
    endif()
    get_target_property(il ${t} INTERFACE_LINK_LIBRARIES)
    if(il)
      list(APPEND links ${il})
    endif()
    foreach(x ${links})
      if(x MATCHES "^\\$<LINK_ONLY:(.*)>$")
        set(x ${CMAKE_MATCH_1})
      endif()
      if(TARGET ${x})
        get_target_property(aliased ${x} ALIASED_TARGET)
        if(aliased)
          set(x ${aliased})
        endif()
        list(APPEND todo ${x})
      endif()
    endforeach()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Fails the configure step when an engine library reaches Qt Widgets. The
# check runs once every target is defined.
function(varnel_engine_without_widgets target)
  set_property(GLOBAL APPEND PROPERTY VARNEL_ENGINE_LIBRARIES ${target})
endfunction()

function(varnel_check_engines)
  get_property(engines GLOBAL PROPERTY VARNEL_ENGINE_LIBRARIES)
  get_target_property(widgets Qt6::Widgets ALIASED_TARGET)
  if(NOT widgets)
    set(widgets Qt6::Widgets)
  endif()
  foreach(e ${engines})
    varnel_link_closure(${e} closure)
    if(widgets IN_LIST closure OR "Qt6::Widgets" IN_LIST closure)
      message(FATAL_ERROR "The engine library ${e} links Qt Widgets; windows belong in ui/.")
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL varnel_check_engines)

# varnel_test(name LABEL label SOURCES ... LIBS ...)
function(varnel_test name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE testSupport ${ARG_LIBS} GTest::gtest GTest::gmock)
  # Each case is its own CTest test, listed when ctest runs (listing starts
  # a QApplication, so it is not done at build time).
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS "${ARG_LABEL}"
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
