# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules (GNUInstallDirs) and the Debian package. The programs find the animator and
# scr.ini relative to their own folder (see base/BuildInfo.h.in), so the tree may be staged or
# moved as a whole.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS kinovar kinovar-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS Animator Anima_dx7 RUNTIME DESTINATION ${KINOVAR_ANIMATOR_INSTALL_DIR})
install(FILES data/scr.ini DESTINATION ${KINOVAR_DATA_INSTALL_DIR})
install(FILES ${KINOVAR_EXAMPLES} DESTINATION ${KINOVAR_DATA_INSTALL_DIR}/examples)

set(KINOVAR_APP_ID org.kinovar.Kinovar)
install(FILES data/desktop/${KINOVAR_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/desktop/${KINOVAR_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The project file's MIME type (shared-mime-info package file); the desktop entry declares it.
install(FILES data/mime/${KINOVAR_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES data/icons/${KINOVAR_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The PNGs are rendered from the SVG and kept in the tree (Debian's librsvg2-bin):
#   rsvg-convert -w 48 -h 48 data/icons/org.kinovar.Kinovar.svg -o data/icons/48/org.kinovar.Kinovar.png
foreach(size 48 256)
  install(FILES data/icons/${size}/${KINOVAR_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Manual pages and the changelog go compressed, without a time stamp, as Debian wants them.
set(KINOVAR_GZ_DIR ${CMAKE_BINARY_DIR}/gz)
set(KINOVAR_GZ_FILES)
foreach(pair "doc/kinovar.1|kinovar.1.gz" "doc/kinovar-batch.1|kinovar-batch.1.gz"
             "doc/changelog|changelog.gz")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 from)
  list(GET pair 1 to)
  add_custom_command(OUTPUT ${KINOVAR_GZ_DIR}/${to}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KINOVAR_GZ_DIR}
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/${from} > ${KINOVAR_GZ_DIR}/${to}
    DEPENDS ${CMAKE_SOURCE_DIR}/${from} VERBATIM)
  list(APPEND KINOVAR_GZ_FILES ${KINOVAR_GZ_DIR}/${to})
endforeach()
add_custom_target(kinovar_compressed_docs ALL DEPENDS ${KINOVAR_GZ_FILES})
install(FILES ${KINOVAR_GZ_DIR}/kinovar.1.gz ${KINOVAR_GZ_DIR}/kinovar-batch.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${KINOVAR_GZ_DIR}/changelog.gz doc/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kinovar)
# The user guide as the build holds it (the screenshots once the test guide_shots made them).
install(DIRECTORY ${KINOVAR_GUIDE_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kinovar/guide)

# cpack -G DEB: kinovar_<version>_<arch>.deb, dependencies from the binaries.
set(CPACK_PACKAGE_NAME kinovar)
set(CPACK_PACKAGE_VENDOR "Kinovar developers")
set(CPACK_PACKAGE_CONTACT "Kinovar developers <kinovar@kinovar.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "analysis of a planar slider-crank mechanism")
# The extended description; the summary above is its first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Kinovar computes the kinematic, energy and force analysis of a planar
slider-crank mechanism step by step in extended precision, and shows the
results as a table, a listing and charts, saves them as a text report and
plays the motion in its own animator. The interface is in Russian.

The package also holds kinovar-batch, the same calculation without a
window, for scripted studies.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kinovar.org/")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The printable document embeds DejaVu from its files, found by path rather than by a library.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
