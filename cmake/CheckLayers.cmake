# cmake -DSOURCE_DIR=<src> -P CheckLayers.cmake
#
# Fails when a file under SOURCE_DIR includes a header of a layer above its
# own. The logic modules, lowest first; each may use the ones before it:
cmake_minimum_required(VERSION 3.25)

set(logic_layers platform logger_setup system_setup link session download reading archive)
# Above them: every module's screens/ (which may also use platform/widgets and
# the transmission screen of link/screens; the archive's, the download's
# chart), then shell, then app.

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "CheckLayers.cmake needs -DSOURCE_DIR=<folder of the modules>")
endif()

# The unit a path (relative to SOURCE_DIR) belongs to: "link", "link/screens",
# "platform/widgets", "shell", "app".
function(unit_of path out)
  string(REPLACE "/" ";" parts "${path}")
  list(GET parts 0 module)
  set(unit ${module})
  list(LENGTH parts depth)
  # The shell is the top: its screens and its logic are one layer.
  if(depth GREATER 2 AND NOT module STREQUAL "shell")
    list(GET parts 1 folder)
    if(folder STREQUAL "screens" OR (module STREQUAL "platform" AND folder STREQUAL "widgets"))
      set(unit "${module}/${folder}")
    endif()
  endif()
  set(${out} ${unit} PARENT_SCOPE)
endfunction()

# May a file of unit `from` include a header of unit `to`?
function(may_use from to out)
  set(allowed FALSE)
  list(FIND logic_layers ${from} from_rank)
  list(FIND logic_layers ${to} to_rank)
  if(from STREQUAL to OR from STREQUAL "app")
    set(allowed TRUE)
  elseif(from STREQUAL "platform/widgets")
    if(to STREQUAL "platform")
      set(allowed TRUE)
    endif()
  elseif(NOT from_rank EQUAL -1)
    if(NOT to_rank EQUAL -1 AND to_rank LESS from_rank)
      set(allowed TRUE)
    endif()
  elseif(from MATCHES "/screens$")
    if(NOT to_rank EQUAL -1 OR to STREQUAL "platform/widgets" OR to STREQUAL "link/screens")
      set(allowed TRUE)
    endif()
    # The archive shows its blocks with the download's chart.
    if(from STREQUAL "archive/screens" AND to STREQUAL "download/screens")
      set(allowed TRUE)
    endif()
  elseif(from STREQUAL "shell")
    if(NOT to STREQUAL "app")
      set(allowed TRUE)
    endif()
  endif()
  set(${out} ${allowed} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
file(GLOB module_folders LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
set(violations "")
foreach(source IN LISTS sources)
  unit_of(${source} from)
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"[a-z_]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
    string(REGEX REPLACE "/.*" "" module "${header}")
    if(NOT module IN_LIST module_folders)
      continue()
    endif()
    unit_of(${header} to)
    may_use(${from} ${to} allowed)
    if(NOT allowed)
      string(APPEND violations "  ${source} (${from}) includes ${header} (${to})\n")
    endif()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "A lower layer includes a higher one:\n${violations}"
                      "See docs/architecture.md for which module may use which.")
endif()
