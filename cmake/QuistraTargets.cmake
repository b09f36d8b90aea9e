# Helpers shared by every module's CMakeLists.
#
# quistra_core_library(NAME SOURCES... [DEPS targets...])
#   A static library of the toolkit-free core. It may link only other core
#   libraries and the C++ standard library; quistra_check_core_targets()
#   fails the configuration when one of them reaches Qt, directly or through
#   a dependency, so the core stays buildable and testable without a toolkit.
#
# quistra_qt_library(NAME SOURCES... [DEPS targets...])
#   A static library that may use Qt (back-ends, receiver server, ui).
#
# quistra_test(NAME SOURCES... [DEPS targets...] [QT])
#   A GoogleTest executable registered with CTest.

function(quistra_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(QUISTRA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

function(quistra_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTORCC OFF AUTOUIC OFF)
  quistra_warnings(${name})
  set_property(GLOBAL APPEND PROPERTY QUISTRA_CORE_TARGETS ${name})
endfunction()

function(quistra_qt_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  quistra_warnings(${name})
endfunction()

function(quistra_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest)
  if(NOT ARG_QT)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE
    QUISTRA_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  quistra_warnings(${name})
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# Walks the link graph of every core library and refuses any Qt target.
function(_quistra_collect_links target out_var)
  set(seen ${${out_var}})
  if(target IN_LIST seen)
    return()
  endif()
  list(APPEND seen ${target})
  if(TARGET ${target})
    get_target_property(links ${target} LINK_LIBRARIES)
    get_target_property(ilinks ${target} INTERFACE_LINK_LIBRARIES)
    foreach(dep IN LISTS links ilinks)
      if(dep AND NOT dep MATCHES "NOTFOUND$")
        _quistra_collect_links(${dep} seen)
      endif()
    endforeach()
  endif()
  set(${out_var} ${seen} PARENT_SCOPE)
endfunction()

function(quistra_check_core_targets)
  get_property(core GLOBAL PROPERTY QUISTRA_CORE_TARGETS)
  foreach(target IN LISTS core)
    set(all "")
    _quistra_collect_links(${target} all)
    foreach(dep IN LISTS all)
      if(dep MATCHES "^Qt[0-9]*::|^Qt[0-9]*[A-Z]|Qt6")
        message(FATAL_ERROR
          "Core library '${target}' links '${dep}': the core must build without Qt.")
      endif()
    endforeach()
  endforeach()
endfunction()
