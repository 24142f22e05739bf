# SPDX-License-Identifier: MIT
# Installs the build into a scratch DESTDIR under a prefix of its own, checks that everything a
# desktop program needs is in its place, then starts the installed launcher (with a stand-in for
# the program) as a user with an empty home.
#
#   cmake -DBUILD_DIR=<build> -DSOURCE_BILDER=<bilder> -DWORK=<scratch folder> -DBINDIR=bin
#         -DLIBEXECDIR=libexec/wortilo -DDATADIR=share -DAPP_ID=<AppStream id> "-DICON_SIZES=16;32..."
#         -P check-install.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/launcher-helpers.cmake)

set(PREFIX /opt/wortilo-install-test)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${WORK}/dest"
    ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${out}\n${err}")
endif()
set(root "${WORK}/dest${PREFIX}")

function(expect_executable path)
  execute_process(COMMAND test -f "${path}" -a -x "${path}" RESULT_VARIABLE r)
  if(NOT r EQUAL 0)
    fail("not installed as an executable file: ${path}")
  endif()
  set(failures ${failures} PARENT_SCOPE)
endfunction()

expect_executable("${root}/${BINDIR}/wortilo")
expect_executable("${root}/${LIBEXECDIR}/wortilo")
# The program loads its sound libraries and its print dialog from beside itself.
foreach(module sound print)
  if(NOT EXISTS "${root}/${LIBEXECDIR}/libwortilo-${module}.so")
    fail("the ${module} module is not installed beside the program")
  endif()
endforeach()

# The pictures: every bundled file (settings backups excepted), unchanged.
expect_same_files("${SOURCE_BILDER}" "${root}/${DATADIR}/wortilo/bilder")

# The desktop entry starts the launcher by name and names the icon; the software-centre listing
# is there.
set(desktop "${root}/${DATADIR}/applications/${APP_ID}.desktop")
if(NOT EXISTS "${desktop}")
  fail("no desktop file: ${desktop}")
else()
  file(STRINGS "${desktop}" lines)
  foreach(want "Exec=wortilo" "Icon=wortilo" "Type=Application")
    if(NOT want IN_LIST lines)
      fail("${desktop} lacks the line ${want}")
    endif()
  endforeach()
endif()
if(NOT EXISTS "${root}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml")
  fail("no AppStream file ${root}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml")
endif()

# The icons: each PNG has the size of the folder it is in.
foreach(size IN LISTS ICON_SIZES)
  set(png "${root}/${DATADIR}/icons/hicolor/${size}x${size}/apps/wortilo.png")
  if(NOT EXISTS "${png}")
    fail("no icon ${png}")
    continue()
  endif()
  file(READ "${png}" head LIMIT 24 HEX)
  string(SUBSTRING "${head}" 0 16 signature)
  string(SUBSTRING "${head}" 32 8 w)
  string(SUBSTRING "${head}" 40 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT w EQUAL size OR NOT h EQUAL size)
    fail("${png} is not a ${size} x ${size} PNG (${w} x ${h})")
  endif()
endforeach()
set(svg "${root}/${DATADIR}/icons/hicolor/scalable/apps/wortilo.svg")
if(NOT EXISTS "${svg}")
  fail("no scalable icon ${svg}")
endif()

# Starting it: the installed launcher finds the installed program and pictures by itself, even
# moved below DESTDIR and called through a link, and gives a user with an empty home a folder.
make_stub("${root}/${LIBEXECDIR}/wortilo")
file(MAKE_DIRECTORY "${WORK}/home" "${WORK}/elsewhere")
file(CREATE_LINK "${root}/${BINDIR}/wortilo" "${WORK}/elsewhere/wortilo" SYMBOLIC)
foreach(launcher "${root}/${BINDIR}/wortilo" "${WORK}/elsewhere/wortilo")
  run_launcher("${launcher}" ENV "HOME=${WORK}/home" UNSET XDG_DATA_HOME)
  expect_output("${WORK}/home/.local/share/wortilo")
endforeach()
expect_same_files("${root}/${DATADIR}/wortilo/bilder" "${WORK}/home/.local/share/wortilo")

finish()
