# SPDX-License-Identifier: MIT
# Tests the launcher on its own: the per-user picture folder is made and filled on the first start,
# the program starts in it, and a teacher's changes are never undone; `--bilderordner` opens the
# folder in the file manager instead.
#
#   cmake -DLAUNCHER=<wortilo-launcher.sh.in> -DSEED=<bilder> -DWORK=<scratch folder> -P check-launcher.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/launcher-helpers.cmake)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
make_stub("${WORK}/stub")

# The program stands in for itself: it prints its working directory and its arguments.
set(base_env "WORTILO_BIN=${WORK}/stub" "WORTILO_SEED=${SEED}")

# 1. First start with an empty home: the folder is made and holds exactly the bundled files.
file(MAKE_DIRECTORY "${WORK}/home1")
run_launcher(sh "${LAUNCHER}" ENV ${base_env} "HOME=${WORK}/home1" UNSET XDG_DATA_HOME ARGS "a b" c)
set(dir "${WORK}/home1/.local/share/wortilo")
expect_output("${dir}\na b\nc")
expect_same_files("${SEED}" "${dir}")
file(GLOB left_over "${WORK}/home1/.local/share/.*")
if(left_over)
  fail("the first start left ${left_over} behind")
endif()

# 2. The teacher removes a word, adds one and changes the settings: the next start keeps all that.
file(GLOB pictures RELATIVE "${dir}" "${dir}/*.gif")
list(GET pictures 0 removed)
file(REMOVE "${dir}/${removed}")
file(COPY_FILE "${SEED}/${removed}" "${dir}/derTestwort.gif")
file(WRITE "${dir}/WORTILO.INI" "changed by the teacher\r\n")
run_launcher(sh "${LAUNCHER}" ENV ${base_env} "HOME=${WORK}/home1" UNSET XDG_DATA_HOME)
expect_output("${dir}")
if(EXISTS "${dir}/${removed}")
  fail("a picture the teacher removed came back: ${removed}")
endif()
if(NOT EXISTS "${dir}/derTestwort.gif")
  fail("a picture the teacher added is gone")
endif()
file(READ "${dir}/WORTILO.INI" ini HEX)
string(HEX "changed by the teacher\r\n" want)
if(NOT ini STREQUAL want)
  fail("the teacher's WORTILO.INI was overwritten")
endif()

# 3. XDG_DATA_HOME, when absolute, says where the folder goes; a relative one is ignored.
file(MAKE_DIRECTORY "${WORK}/home3")
run_launcher(sh "${LAUNCHER}" ENV ${base_env} "HOME=${WORK}/home3" "XDG_DATA_HOME=${WORK}/xdg")
expect_output("${WORK}/xdg/wortilo")
expect_same_files("${SEED}" "${WORK}/xdg/wortilo")
if(EXISTS "${WORK}/home3/.local")
  fail("with XDG_DATA_HOME set, the launcher still wrote to ~/.local")
endif()
file(MAKE_DIRECTORY "${WORK}/home4")
run_launcher(sh "${LAUNCHER}" ENV ${base_env} "HOME=${WORK}/home4" "XDG_DATA_HOME=relative/data"
  WORKING_DIRECTORY "${WORK}")
expect_output("${WORK}/home4/.local/share/wortilo")

# 4. A folder that exists but holds no picture is filled, and what is in it stays.
file(MAKE_DIRECTORY "${WORK}/home5/.local/share/wortilo")
file(WRITE "${WORK}/home5/.local/share/wortilo/WORTILO.INI" "kept\r\n")
run_launcher(sh "${LAUNCHER}" ENV ${base_env} "HOME=${WORK}/home5" UNSET XDG_DATA_HOME)
expect_output("${WORK}/home5/.local/share/wortilo")
file(READ "${WORK}/home5/.local/share/wortilo/WORTILO.INI" ini HEX)
string(HEX "kept\r\n" want)
if(NOT ini STREQUAL want)
  fail("seeding an empty folder overwrote the WORTILO.INI in it")
endif()
file(GLOB seeded "${WORK}/home5/.local/share/wortilo/*.gif")
file(GLOB bundled "${SEED}/*.gif")
list(LENGTH seeded n_seeded)
list(LENGTH bundled n_bundled)
if(NOT n_seeded EQUAL n_bundled)
  fail("an empty folder got ${n_seeded} of ${n_bundled} GIF pictures")
endif()

# 5. Read-only bundled files (as a package may install them) become the user's, writable files;
#    settings backups are not copied.
file(MAKE_DIRECTORY "${WORK}/ro-seed" "${WORK}/home6")
file(GLOB some "${SEED}/*.bmp")
list(GET some 0 one)
file(COPY "${one}" "${SEED}/WORTILO.INI" DESTINATION "${WORK}/ro-seed"
  FILE_PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
file(WRITE "${WORK}/ro-seed/WORTILO.INI.bak" "backup\r\n")
run_launcher(sh "${LAUNCHER}" ENV "WORTILO_BIN=${WORK}/stub" "WORTILO_SEED=${WORK}/ro-seed"
  "HOME=${WORK}/home6" UNSET XDG_DATA_HOME)
set(dir6 "${WORK}/home6/.local/share/wortilo")
execute_process(COMMAND stat -c %a "${dir6}/WORTILO.INI" OUTPUT_VARIABLE mode
  OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT mode MATCHES "^[67]")
  fail("the copied WORTILO.INI has mode ${mode}: its owner cannot write the settings")
endif()
if(EXISTS "${dir6}/WORTILO.INI.bak")
  fail("a settings backup of the bundle was copied")
endif()

# 6. Without a program or without pictures it says so instead of starting.
run_launcher(sh "${LAUNCHER}" ENV "WORTILO_BIN=${WORK}/missing" "WORTILO_SEED=${SEED}"
  "HOME=${WORK}/home7" UNSET XDG_DATA_HOME EXPECT_FAILURE)
expect_error("program is missing")
run_launcher(sh "${LAUNCHER}" ENV "WORTILO_BIN=${WORK}/stub" "WORTILO_SEED=${WORK}/empty-seed"
  "HOME=${WORK}/home8" UNSET XDG_DATA_HOME EXPECT_FAILURE)
expect_error("pictures are missing")

# 7. "Bilderordner öffnen": the folder is made and filled as on a first start and handed to the
#    file manager through xdg-open (a stand-in that prints the folder it was given); the program
#    is not started, and need not even be there.
file(MAKE_DIRECTORY "${WORK}/fakebin" "${WORK}/home9")
file(WRITE "${WORK}/fakebin/xdg-open" "#!/bin/sh\n[ $# -eq 1 ] && cd \"$1\" && pwd -P\n")
file(CHMOD "${WORK}/fakebin/xdg-open" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
run_launcher(sh "${LAUNCHER}" ENV "WORTILO_BIN=${WORK}/missing" "WORTILO_SEED=${SEED}"
  "HOME=${WORK}/home9" "PATH=${WORK}/fakebin:$ENV{PATH}" UNSET XDG_DATA_HOME ARGS --bilderordner)
expect_output("${WORK}/home9/.local/share/wortilo")
expect_same_files("${SEED}" "${WORK}/home9/.local/share/wortilo")

# 8. "Bilderordner prüfen": without a folder the check runs in the user's folder, made and filled
#    as on a first start; a folder the teacher names is checked where the check was called, and
#    the user's folder is left alone.
file(MAKE_DIRECTORY "${WORK}/home10" "${WORK}/named")
run_launcher(sh "${LAUNCHER}" ENV ${base_env} "HOME=${WORK}/home10" UNSET XDG_DATA_HOME ARGS --pruefen --fenster)
expect_output("${WORK}/home10/.local/share/wortilo\n--pruefen\n--fenster")
file(MAKE_DIRECTORY "${WORK}/home11")
run_launcher(sh "${LAUNCHER}" ENV ${base_env} "HOME=${WORK}/home11" UNSET XDG_DATA_HOME ARGS --pruefen named
  WORKING_DIRECTORY "${WORK}")
expect_output("${WORK}\n--pruefen\nnamed")
if(EXISTS "${WORK}/home11/.local")
  fail("checking a named folder made the user's picture folder")
endif()

finish()
