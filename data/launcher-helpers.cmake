# SPDX-License-Identifier: MIT
# Shared by check-launcher.cmake and check-install.cmake.

set(failures 0)
macro(fail)
  string(JOIN "" text ${ARGN})
  message(SEND_ERROR "${text}")
  math(EXPR failures "${failures} + 1")
endmacro()

macro(finish)
  if(failures GREATER 0)
    message(FATAL_ERROR "${failures} problem(s)")
  endif()
endmacro()

# A stand-in for the program that prints its working directory and then its arguments, one a line.
function(make_stub path)
  file(WRITE "${path}" "#!/bin/sh\npwd -P\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done\n")
  file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
endfunction()

# run_launcher(<command...> [ENV var=value...] [UNSET var...] [ARGS arg...]
#              [WORKING_DIRECTORY dir] [EXPECT_FAILURE])
# Runs the launcher in a clean environment; sets launcher_output and launcher_error.
function(run_launcher)
  cmake_parse_arguments(PARSE_ARGV 0 r "EXPECT_FAILURE" "WORKING_DIRECTORY" "ENV;UNSET;ARGS")
  set(unset "")
  foreach(v IN LISTS r_UNSET)
    list(APPEND unset "--unset=${v}")
  endforeach()
  if(NOT r_WORKING_DIRECTORY)
    set(r_WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}")
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=WORTILO_BIN --unset=WORTILO_SEED ${unset} ${r_ENV}
      ${r_UNPARSED_ARGUMENTS} ${r_ARGS}
    WORKING_DIRECTORY "${r_WORKING_DIRECTORY}"
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(r_EXPECT_FAILURE AND result EQUAL 0)
    fail("the launcher (${r_ENV}) should have failed but started the program: ${out}")
  elseif(NOT r_EXPECT_FAILURE AND NOT result EQUAL 0)
    fail("the launcher (${r_ENV}) failed (${result}): ${err}")
  endif()
  set(launcher_output "${out}" PARENT_SCOPE)
  set(launcher_error "${err}" PARENT_SCOPE)
  set(failures ${failures} PARENT_SCOPE)
endfunction()

macro(expect_output expected)
  file(REAL_PATH "${WORK}" real_work)
  string(REPLACE "${WORK}" "${real_work}" want "${expected}")
  if(NOT launcher_output STREQUAL want)
    fail("the program started with\n${launcher_output}\ninstead of\n${want}")
  endif()
endmacro()

macro(expect_error text)
  string(FIND "${launcher_error}" "${text}" at)
  if(at LESS 0)
    fail("the launcher's message '${launcher_error}' does not say '${text}'")
  endif()
endmacro()

# The files a picture folder is seeded with: all but settings backups.
function(seed_files dir var)
  file(GLOB names RELATIVE "${dir}" "${dir}/*")
  list(FILTER names EXCLUDE REGEX "^WORTILO\\.INI\\.")
  list(SORT names)
  set(${var} "${names}" PARENT_SCOPE)
endfunction()

macro(expect_same_files from to)
  seed_files("${from}" want_files)
  seed_files("${to}" got_files)
  if(NOT want_files STREQUAL got_files)
    fail("${to} holds\n${got_files}\ninstead of\n${want_files}")
  else()
    foreach(f IN LISTS want_files)
      file(SHA256 "${from}/${f}" a)
      file(SHA256 "${to}/${f}" b)
      if(NOT a STREQUAL b)
        fail("${to}/${f} differs from ${from}/${f}")
      endif()
    endforeach()
  endif()
endmacro()
