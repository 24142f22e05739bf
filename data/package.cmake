# SPDX-License-Identifier: MIT
# The Debian package for schools: CPack's DEB generator packs under /usr (its default prefix) what
# `cmake --install` installs, plus the copyright file and changelog Debian wants in
# /usr/share/doc/wortilo (a plain `cmake --install` leaves those two out).
#
#   cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
#   cmake --build build --target package        ->  build/wortilo_<version>_<arch>.deb
#
# No maintainer scripts: installing and removing the package never touches the users' picture
# folders. -DCPACK_DEBIAN_PACKAGE_MAINTAINER="Name <address>" names whoever builds it.

if(NOT CPACK_DEBIAN_PACKAGE_MAINTAINER)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Wortilo developers <maintainers@wortilo.de>")
endif()

# /usr/share/doc/wortilo: the licences in Debian's machine-readable format and a changelog whose
# one entry is this version.
execute_process(COMMAND date -u -R -d ${WORTILO_RELEASE_DATE}
  OUTPUT_VARIABLE WORTILO_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
wortilo_configure_gz(debian/changelog.in debian/changelog)
install(FILES debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME wortilo)
set(CPACK_PACKAGE_VENDOR "Wortilo developers")
set(CPACK_STRIP_FILES ON)
# One package of everything: the files `cmake --install` installs and the Debian files above.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The Qt, C and C++ libraries are found by dpkg-shlibdeps; what the program loads at run time is
# named here: Qt's X11 platform plugin, the fonts it draws with, Qt's German texts for its
# standard dialogs, xdg-open for the menu entry's "Bilderordner öffnen", the German voice's data,
# and the sound libraries its sound module links (named here too, so that they are never left out
# of the package whatever dpkg-shlibdeps makes of the module). A sound server to speak through is
# recommended: without one the program is silent.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-sil-andika, fonts-dejavu-core, libsndfile1, libespeak-ng1, espeak-ng-data, libpulse0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils, pulseaudio | pipewire-pulse")

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "children practise German nouns and their articles with pictures")
set(CPACK_PACKAGE_DESCRIPTION [[
Wortilo is a program with which German-speaking children practise nouns:
reading them, their articles (der, die, das), their spelling and their
alphabetical order, in word exercises and word games. Its vocabulary is a
folder of pictures named article plus noun (derHund.jpg): a teacher adds a
word by adding a picture. It comes with the pictures of 333 words; every
user gets a picture folder of their own on the first start.

Mit Wortilo üben deutschsprachige Kinder Nomen: sie lesen sie, wählen den
Begleiter (der, die, das), schreiben sie richtig und ordnen sie nach dem
Alphabet, in Übungen und Spielen. Der Wortschatz ist ein Ordner mit
Bildern, die Artikel und Nomen heißen (derHund.jpg): Wer ein Bild
hinzufügt, fügt ein Wort hinzu. Die Bilder von 333 Wörtern sind dabei;
jede Benutzerin und jeder Benutzer bekommt beim ersten Start einen eigenen
Bilderordner.]])

# `package_source`: the checkout without its build folders and git data.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git(/|$)" "/build[^/]*/" "/\\.cache/")

include(CPack)
