# SPDX-FileCopyrightText: 2026 The Lienzo project
# SPDX-License-Identifier: GPL-3.0-or-later

# The program's translations. Spanish is the language of the source texts in
# the code; translations/lienzo_<code>.ts hold the other languages. lrelease
# compiles each to a .qm file that the library carries as a resource under
# :/translations, where the program loads the one it speaks.
#
# `make translations` (the CMake target `translations`) runs lupdate over src/
# and brings every new or changed Spanish text into each .ts file, marked
# unfinished until it is translated.
set(LIENZO_LANGUAGES ca gl eu)

# Debian's qt6-l10n-tools puts lupdate and lrelease beside Qt's other tools,
# off the PATH.
set(LIENZO_QT_TOOL_HINTS /usr/lib/qt6/bin)
if(TARGET Qt6::qmake)
  get_target_property(_lienzo_qmake Qt6::qmake IMPORTED_LOCATION)
  get_filename_component(_lienzo_qt_bin "${_lienzo_qmake}" DIRECTORY)
  list(PREPEND LIENZO_QT_TOOL_HINTS ${_lienzo_qt_bin})
endif()
find_program(LIENZO_LRELEASE NAMES lrelease lrelease-qt6 HINTS ${LIENZO_QT_TOOL_HINTS} REQUIRED)
find_program(LIENZO_LUPDATE NAMES lupdate lupdate-qt6 HINTS ${LIENZO_QT_TOOL_HINTS} REQUIRED)

set(LIENZO_TS_FILES)
set(LIENZO_QM_FILES)
foreach(language IN LISTS LIENZO_LANGUAGES)
  set(ts ${CMAKE_SOURCE_DIR}/translations/lienzo_${language}.ts)
  set(qm ${CMAKE_BINARY_DIR}/translations/lienzo_${language}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${LIENZO_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Compiling the ${language} translation")
  list(APPEND LIENZO_TS_FILES ${ts})
  list(APPEND LIENZO_QM_FILES ${qm})
endforeach()

qt_add_resources(lienzo_core lienzo_translations PREFIX "/translations"
  BASE ${CMAKE_BINARY_DIR}/translations FILES ${LIENZO_QM_FILES})

# Locations are left out of the .ts files, so that moving code does not
# change them; the context and the Spanish text find each message.
add_custom_target(translations
  COMMAND ${LIENZO_LUPDATE} -silent -locations none -source-language es
    ${CMAKE_SOURCE_DIR}/src -ts ${LIENZO_TS_FILES}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Bringing the Spanish texts of src/ into translations/*.ts"
  VERBATIM)
