# korven_module(<name> [DEPENDS libs...] [SCREEN_DEPENDS libs...])
#
# Builds the logic of a subsystem folder (its sources and those of its
# subfolders, Qt Core only) as korven_<name>, and the screens in its screens/
# folder (Qt Widgets) as korven_<name>_screens. The logic never sees QtWidgets.
function(korven_module name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;SCREEN_DEPENDS" ${ARGN})
  file(GLOB_RECURSE logic_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER logic_sources EXCLUDE REGEX "/(screens|widgets)/")
  add_library(korven_${name} STATIC ${logic_sources})
  target_include_directories(korven_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(korven_${name} PUBLIC Qt6::Core ${ARG_DEPENDS})
  # Texts are UTF-16 literals; no conversion from a byte string may choose an
  # encoding behind our back.
  target_compile_definitions(korven_${name} PRIVATE QT_NO_CAST_FROM_ASCII)
  korven_precompile(korven_${name} logic)

  file(GLOB screen_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/screens/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/screens/*.h)
  if(screen_sources)
    add_library(korven_${name}_screens STATIC ${screen_sources})
    target_link_libraries(korven_${name}_screens PUBLIC korven_${name} korven_platform_widgets
                          ${ARG_SCREEN_DEPENDS})
    target_compile_definitions(korven_${name}_screens PRIVATE QT_NO_CAST_FROM_ASCII)
    korven_precompile(korven_${name}_screens screens)
  endif()
endfunction()

# korven_test(<name> [LABEL label] [TIMED filters...] LIBS libs...): the
# sources of tests/<name> and its subfolders as one GoogleTest program, each
# test registered with CTest. Tests run concurrently, except those matched by
# the GoogleTest filters of TIMED: they measure time on the real clock and run
# alone, so that a busy machine does not stretch what they measure.
function(korven_test name)
  cmake_parse_arguments(ARG "" "LABEL" "LIBS;TIMED" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.h)
  add_executable(korven_${name}_tests ${sources})
  target_link_libraries(korven_${name}_tests PRIVATE korven_test_support ${ARG_LIBS})
  korven_precompile(korven_${name}_tests tests)
  if(NOT ARG_LABEL)
    set(ARG_LABEL unit)
  endif()
  set(properties LABELS ${ARG_LABEL} ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  if(ARG_TIMED)
    list(JOIN ARG_TIMED ":" timed)
    gtest_discover_tests(korven_${name}_tests TEST_FILTER "${timed}"
      PROPERTIES ${properties} RUN_SERIAL TRUE DISCOVERY_TIMEOUT 60)
    gtest_discover_tests(korven_${name}_tests TEST_FILTER "-${timed}"
      PROPERTIES ${properties} DISCOVERY_TIMEOUT 60)
  else()
    gtest_discover_tests(korven_${name}_tests PROPERTIES ${properties} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
