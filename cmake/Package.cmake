# The Debian package: `cpack -G DEB` in a build folder, after building it
# (scripts/check-package.sh builds and checks it). The libraries come from
# dpkg-shlibdeps; the data the program opens at run time are named here.

set(LUMENA_PACKAGER "Lumena developers <lumena@example.org>" CACHE STRING
  "Maintainer of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumena)
set(CPACK_PACKAGE_VENDOR "Lumena developers")
set(CPACK_PACKAGE_CONTACT "${LUMENA_PACKAGER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": Debian keeps games' programs in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# qt6-qpa-plugins: the X11 and Wayland platforms (the libraries only recommend
# it); the IPA fonts of the board's characters; the MIDI instruments; the
# speech voice; the kanji reading dictionary. The 16-dot faces of
# xfonts-shinonome are recommended: Debian forbids depending on an X font
# package, and without them the board draws its dots from the IPA fonts. Qt's
# Japanese translations are recommended: without them the standard dialogs'
# labels stay English (their buttons are Japanese either way).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic, fonts-ipafont-mincho, \
timgm6mb-soundfont, espeak-ng-data, mecab-ipadic-utf8")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xfonts-shinonome, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "fare display board simulator of a Japanese route bus
Lumena simulates the fare display board (unchin hyoujiki) at the front of a
Japanese route bus. The board shows the fare for every numbered ticket at
each stop, a vertical dot-matrix strip shows and scrolls the stop name,
chimes and spoken announcements play, and a preview shows the numbered
ticket a passenger would draw.

An operation panel sets the route and steps from stop to stop. Sample
routes, ticket plug-ins and chimes are included; the lumena-data tool makes
routes from spreadsheet files and draws boards and tickets into pictures.")

include(CPack)
