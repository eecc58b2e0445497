# Installing the game like a desktop program, with the usual GNU folders:
#   lib/tavrel-sudoku/   the program, libEncrypt.so (found through the
#                        program's $ORIGIN run path), the bundled ISSUES and
#                        the INSTALLED marker, which makes the program keep
#                        catalogue, issue files and saved games per player
#   bin/tavrel-sudoku    a link to the program
#   share/applications/, share/metainfo/, share/icons/hicolor/
# and the Debian package of exactly that: cpack -G DEB in the build folder.
# Only what a player needs is installed: no publisher tools or keys.
# GNUInstallDirs, TAVREL_APP_ID, the icons and TAVREL_INSTALL_PKGDIR come from the top
# folder, before the targets whose files are installed.

if(NOT TARGET TavrelSudoku)
  return()
endif()

set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(staged ${CMAKE_BINARY_DIR}/packaging)
configure_file(${packaging}/tavrel-sudoku.desktop.in ${staged}/${TAVREL_APP_ID}.desktop @ONLY)
configure_file(${packaging}/tavrel-sudoku.metainfo.xml.in ${staged}/${TAVREL_APP_ID}.metainfo.xml @ONLY)
configure_file(${packaging}/INSTALLED.in ${staged}/INSTALLED COPYONLY)

install(TARGETS TavrelSudoku RUNTIME DESTINATION ${TAVREL_INSTALL_PKGDIR})
install(TARGETS Encrypt LIBRARY DESTINATION ${TAVREL_INSTALL_PKGDIR} RUNTIME DESTINATION ${TAVREL_INSTALL_PKGDIR})
install(FILES ${staged}/INSTALLED DESTINATION ${TAVREL_INSTALL_PKGDIR})
# (The bundled issues are installed by tools/bundled, which makes them.)

if(NOT WIN32)
  # A relative link, so the installation can move with its prefix.
  file(RELATIVE_PATH launcher_target /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${TAVREL_INSTALL_PKGDIR}/TavrelSudoku)
  file(CREATE_LINK ${launcher_target} ${staged}/tavrel-sudoku SYMBOLIC)
  install(FILES ${staged}/tavrel-sudoku DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${staged}/${TAVREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${staged}/${TAVREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TAVREL_ICON_DIR}/scalable/apps/${TAVREL_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS TAVREL_ICON_SIZES)
  install(FILES ${TAVREL_ICON_DIR}/${size}x${size}/apps/${TAVREL_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The Debian package: tavrel-sudoku_<version>_amd64.deb. Its dependencies
# are computed from the program and libEncrypt.so; the fonts that stand in
# for Arial in the grids cannot be seen in the binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrel-sudoku)
set(CPACK_PACKAGE_VENDOR "${TAVREL_COMPANY_NAME}")
set(CPACK_PACKAGE_CONTACT "${TAVREL_COMPANY_NAME} <support@tavrelsudoku.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku pyramids of one parent and nine linked children")
set(CPACK_PACKAGE_DESCRIPTION "Tavrel Sudoku is played on a pyramid: one parent 9x9 puzzle and nine child
puzzles whose cells are linked, so that a value placed in one shows in its
partner. Comes with four issues of games; more are added from issue files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tavrelsudoku.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${TAVREL_BIN_DIR})
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Qt's own texts (the standard dialogs) in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/DropLdconfigScripts.cmake)
include(CPack)
