# SPDX-License-Identifier: MIT
# Builds the Debian package from the build tree into a scratch folder of its own (the build folder's
# own package stays as it is) and checks what a school's machines get from it: the files, the
# package's dependencies and section, and no maintainer scripts (installing or removing the package
# never touches a user's picture folder).
#
#   cmake -DCPACK=<cpack> -DCONFIG=<build>/CPackConfig.cmake -DWORK=<scratch folder>
#         -DVERSION=<version> -DSOURCE_BILDER=<bilder> -DAPP_ID=<AppStream id>
#         "-DICON_SIZES=16;32..." -P check-package.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/launcher-helpers.cmake)

file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND "${CPACK}" --config "${CONFIG}" -B "${WORK}"
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB debs "${WORK}/wortilo_${VERSION}_*.deb")
list(LENGTH debs n)
if(NOT result EQUAL 0 OR NOT n EQUAL 1)
  message(FATAL_ERROR "cpack made ${n} wortilo_${VERSION}_*.deb (${result}):\n${out}\n${err}")
endif()

# dpkg_deb(<var> <option> [<more arguments>...]): dpkg-deb <option> <package> <more arguments>
function(dpkg_deb var option)
  execute_process(COMMAND dpkg-deb ${option} "${debs}" ${ARGN}
    RESULT_VARIABLE r OUTPUT_VARIABLE o ERROR_VARIABLE e)
  if(NOT r EQUAL 0)
    message(FATAL_ERROR "dpkg-deb ${option} failed (${r}): ${e}")
  endif()
  set(${var} "${o}" PARENT_SCOPE)
endfunction()

# The files: "mode owner/group size date time ./path" a line; the launcher and the program
# executable, everything root's.
dpkg_deb(listing -c)
string(REPLACE "\n" ";" listing "${listing}")
set(paths "")
foreach(line IN LISTS listing)
  if(line MATCHES "^([-dl][-rwxs]+) ([^ ]+) +[0-9]+ [^ ]+ [^ ]+ \\./(.*)$")
    list(APPEND paths "${CMAKE_MATCH_3}")
    set("mode_${CMAKE_MATCH_3}" "${CMAKE_MATCH_1}")
    if(NOT CMAKE_MATCH_2 STREQUAL "root/root")
      fail("${CMAKE_MATCH_3} belongs to ${CMAKE_MATCH_2}")
    endif()
  endif()
endforeach()
seed_files("${SOURCE_BILDER}" pictures)
list(TRANSFORM pictures PREPEND "usr/share/wortilo/bilder/")
set(icons "")
foreach(size IN LISTS ICON_SIZES)
  list(APPEND icons "usr/share/icons/hicolor/${size}x${size}/apps/wortilo.png")
endforeach()
foreach(want usr/bin/wortilo usr/libexec/wortilo/wortilo usr/libexec/wortilo/libwortilo-sound.so ${pictures}
    usr/share/applications/${APP_ID}.desktop usr/share/metainfo/${APP_ID}.metainfo.xml
    ${icons} usr/share/icons/hicolor/scalable/apps/wortilo.svg usr/share/man/man1/wortilo.1.gz
    usr/share/doc/wortilo/copyright usr/share/doc/wortilo/changelog.gz)
  if(NOT want IN_LIST paths)
    fail("the package lacks /${want}")
  endif()
endforeach()
foreach(program usr/bin/wortilo usr/libexec/wortilo/wortilo)
  if(NOT "${mode_${program}}" STREQUAL "-rwxr-xr-x")
    fail("/${program} has mode ${mode_${program}}")
  endif()
endforeach()

# The control data.
dpkg_deb(fields -f Package Version Section Depends Recommends)
foreach(want "Package: wortilo\n" "Version: ${VERSION}\n" "Section: education\n")
  string(FIND "${fields}" "${want}" at)
  if(at LESS 0)
    fail("the control data lack '${want}':\n${fields}")
  endif()
endforeach()
# Found by dpkg-shlibdeps, and named because the program loads them at run time.
foreach(want "Depends: [^\n]*libqt6widgets6" "Depends: [^\n]*qt6-qpa-plugins"
    "Depends: [^\n]*fonts-sil-andika" "Depends: [^\n]*fonts-dejavu-core" "Recommends: [^\n]*qt6-translations-l10n"
    "Depends: [^\n]*libsndfile1" "Depends: [^\n]*libespeak-ng1" "Depends: [^\n]*espeak-ng-data"
    "Depends: [^\n]*libpulse0" "Recommends: [^\n]*pulseaudio [|] pipewire-pulse")
  if(NOT fields MATCHES "${want}")
    fail("the control data do not match '${want}':\n${fields}")
  endif()
endforeach()

# No maintainer scripts.
dpkg_deb(unused -e "${WORK}/control")
file(GLOB control RELATIVE "${WORK}/control" "${WORK}/control/*")
list(REMOVE_ITEM control control md5sums)
if(control)
  fail("the package has maintainer scripts or other control files: ${control}")
endif()

finish()
