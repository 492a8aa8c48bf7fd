# SPDX-FileCopyrightText: 2026 The Lienzo project
# SPDX-License-Identifier: GPL-3.0-or-later

# What `cmake --install` puts where: the program, its desktop entry, its icon
# in the hicolor theme and its AppStream metadata, at the places a Linux
# desktop's menus and software centres look for them.

include(GNUInstallDirs)

# One reverse-DNS name ties the desktop entry, the icon and the AppStream
# component together.
set(LIENZO_APP_ID "io.github.lienzo.Lienzo")
# The X11 window class Qt gives the window: the application name set in main.
set(LIENZO_WM_CLASS "Lienzo")
set(LIENZO_ICON_SOURCE ${CMAKE_SOURCE_DIR}/assets/icons/window-icon.svg)
set(LIENZO_ICON_SIZES 16 24 32 48 64 128 256)

install(TARGETS lienzo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

configure_file(${CMAKE_SOURCE_DIR}/packaging/lienzo.desktop.in
  ${CMAKE_BINARY_DIR}/packaging/${LIENZO_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/lienzo.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${LIENZO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${LIENZO_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${LIENZO_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The bitmaps are rendered from the SVG at build time by a small Qt tool, so
# they always match the icon the window itself shows.
add_executable(lienzo_render_icon ${CMAKE_SOURCE_DIR}/packaging/RenderIcon.cpp)
target_link_libraries(lienzo_render_icon PRIVATE Qt6::Gui Qt6::Svg)

set(LIENZO_ICON_PNGS)
foreach(size IN LISTS LIENZO_ICON_SIZES)
  set(dir ${CMAKE_BINARY_DIR}/packaging/icons/${size}x${size}/apps)
  set(png ${dir}/${LIENZO_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND lienzo_render_icon ${LIENZO_ICON_SOURCE} ${size} ${png}
    DEPENDS lienzo_render_icon ${LIENZO_ICON_SOURCE}
    COMMENT "Rendering the ${size}x${size} icon"
    VERBATIM)
  list(APPEND LIENZO_ICON_PNGS ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(lienzo_icons ALL DEPENDS ${LIENZO_ICON_PNGS})

install(FILES ${LIENZO_ICON_SOURCE} RENAME ${LIENZO_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# What a Debian maintainer looks for beside the program: the copyright file in
# the machine-readable format, the changelog and the manual page (in Spanish,
# like the program), the last two compressed with gzip -9n, which stores no
# name or time, so that the package comes out the same at every build.
set(LIENZO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/lienzo)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${LIENZO_DOC_DIR})

find_program(LIENZO_GZIP gzip REQUIRED)
configure_file(${CMAKE_SOURCE_DIR}/packaging/lienzo.1.in ${CMAKE_BINARY_DIR}/packaging/lienzo.1 @ONLY)
set(LIENZO_GZIPPED ${CMAKE_BINARY_DIR}/packaging/gz)
set(LIENZO_GZIPPED_FILES)
foreach(source ${CMAKE_SOURCE_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/packaging/lienzo.1)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${LIENZO_GZIPPED}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LIENZO_GZIPPED}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${LIENZO_GZIPPED}/${name}
    COMMAND ${LIENZO_GZIP} -9nf ${LIENZO_GZIPPED}/${name}
    DEPENDS ${source}
    COMMENT "Compressing ${name}"
    VERBATIM)
  list(APPEND LIENZO_GZIPPED_FILES ${LIENZO_GZIPPED}/${name}.gz)
endforeach()
add_custom_target(lienzo_docs ALL DEPENDS ${LIENZO_GZIPPED_FILES})

install(FILES ${LIENZO_GZIPPED}/changelog.gz DESTINATION ${LIENZO_DOC_DIR})
install(FILES ${LIENZO_GZIPPED}/lienzo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${LIENZO_GZIPPED}/lienzo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/es/man1)
