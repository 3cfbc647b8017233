# SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What a Debian package of both programs holds beyond the binaries, and the
# package itself (CPack's DEB generator; scripts/package builds and checks it).
include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(package_name sentinel-sort-demo)

foreach(app net.sentinelsort.FrmDemo net.sentinelsort.SentinelCost)
  install(FILES ${packaging}/${app}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${packaging}/${app}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${packaging}/icons/${app}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endforeach()
install(FILES ${packaging}/sentinel-cost.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME sentinel-cost)
install(FILES ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package_name})

# Manual pages and the changelog go in compressed, as Debian keeps them.
find_program(GZIP gzip REQUIRED)
set(compressed)
foreach(source frmdemo.1 sentinel-cost.1 changelog)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/packaging/${source}.gz)
  add_custom_command(OUTPUT ${output}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
                     COMMAND ${GZIP} -9nc ${packaging}/${source} > ${output}
                     DEPENDS ${packaging}/${source} VERBATIM)
  list(APPEND compressed ${output})
endforeach()
add_custom_target(compressed_documents ALL DEPENDS ${compressed})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/frmdemo.1.gz ${CMAKE_CURRENT_BINARY_DIR}/packaging/sentinel-cost.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package_name})  # a native package's: changelog.gz

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${package_name})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sorting by sentinel insertion: a demo window and a cost explorer")
set(CPACK_PACKAGE_DESCRIPTION "frmdemo shows sorting and de-duplicating lists by sentinel insertion in one
window. sentinel-cost runs the same family of sorts over sizes, input orders
and your own files, counts the work the scan does, and charts time and steps
against size beside a standard stable sort, in a window or headless.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Sentinel Sort Demo developers <developers@sentinelsort.example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # library dependencies from the binaries, by dpkg-shlibdeps
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")  # Qt's platform plugins, loaded at run time
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
