# SPDX-FileCopyrightText: 2026 The Lienzo project
# SPDX-License-Identifier: GPL-3.0-or-later

# `cpack` (and `make package` at the top) builds a Debian package of what the
# install rules put in place.

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "lienzo")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Lienzo")
# No public address exists yet; the contact is a placeholder to replace.
set(CPACK_PACKAGE_CONTACT "Lienzo maintainers <lienzo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programa de dibujo para la escuela / drawing program for schools")
# CPack puts the summary first and indents the lines below it; an empty line
# separates the Spanish paragraph from the English one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Lienzo es un programa de dibujo a pantalla completa con la interfaz en
español, para niños y docentes: líneas, trazos a mano alzada, puntos,
círculos, elipses, arcos, rectángulos, polígonos regulares, rellenos y
texto, con cuadrícula y copias en espejo. Un dibujo tiene diez páginas,
cada una con siete pasos para deshacer.

Lienzo is a full-screen drawing program with a Spanish user interface, for
children and teachers: lines, freehand strokes, dots, circles, ellipses,
arcs, rectangles, regular polygons, fills and text, snapped to a grid and
repeated as mirror images.")
set(CPACK_DEBIAN_PACKAGE_SECTION "graphics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES TRUE)

# dpkg-shlibdeps names the libraries the program links, with the minimum
# versions their symbols need: the C and C++ runtime and libqt6core6,
# libqt6gui6, libqt6widgets6 and libqt6svg6. On Debian 12 libqt6gui6 also
# holds the X11 (xcb) and offscreen platform plugins and the JPG and GIF
# readers, and libqt6svg6 the SVG image and icon plugins, so no plugin package
# is needed besides. Named here is what it cannot see: the Spanish
# translations of Qt's own dialogs, the fonts that stand in for Arial, and the
# print support, which the linker leaves out of the program while no code
# calls it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6printsupport6, qt6-translations-l10n, fonts-liberation")

include(CPack)
