# SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What an installation holds beyond the binaries: desktop entries, AppStream
# metadata, icons, manual pages and completion. The Debian package is built
# from debian/ (scripts/package).
include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)

foreach(app net.sentinelsort.frmdemo net.sentinelsort.sentinelcost)
  install(FILES ${packaging}/${app}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${packaging}/${app}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${packaging}/icons/${app}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endforeach()
install(FILES ${packaging}/sentinel-cost.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME sentinel-cost)
install(FILES ${packaging}/frmdemo.1 ${packaging}/sentinel-cost.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
