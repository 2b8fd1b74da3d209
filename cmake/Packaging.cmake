# What an install puts on the system, and the Debian package made of it
# (`cpack -G DEB` in the build folder).
include(GNUInstallDirs)

install(TARGETS zentrope RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The desktop entry and the service menu name the installed program, which
# only the install knows (`cmake --install build --prefix DIR`).
install(CODE "
  set(ZENTROPE_TEMPLATES \"${PROJECT_SOURCE_DIR}/assets\")
  set(ZENTROPE_STAGE \"${PROJECT_BINARY_DIR}/install-stage\")
  set(ZENTROPE_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
  set(ZENTROPE_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
  include(\"${PROJECT_SOURCE_DIR}/cmake/InstallDesktopEntries.cmake\")")
install(FILES ${PROJECT_SOURCE_DIR}/assets/zentrope-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME zentrope.xml)

# The README's screenshots are grabbed with this (scripts/screenshots.sh).
add_executable(grab_window EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tools/grab_window.cpp)
target_link_libraries(grab_window PRIVATE Qt6::Gui)

# Icons: the vector original, and fixed sizes rendered from it at build time:
# some for the icon theme, the rest for the windows' title bars, which then
# need not render the vector original at every start.
set(ZENTROPE_ICON_SIZES 48 64 128 256)
set(ZENTROPE_WINDOW_ICON_SIZES 16 32 64 128)
add_executable(render_icon ${PROJECT_SOURCE_DIR}/tools/render_icon.cpp)
target_link_libraries(render_icon PRIVATE Qt6::Gui Qt6::Svg)
set(_rendered ${ZENTROPE_ICON_SIZES} ${ZENTROPE_WINDOW_ICON_SIZES})
list(REMOVE_DUPLICATES _rendered)
set(_icons)
foreach(size ${_rendered})
  list(APPEND _icons ${PROJECT_BINARY_DIR}/icons/${size}/zentrope.png)
endforeach()
add_custom_command(OUTPUT ${_icons}
  COMMAND render_icon ${PROJECT_SOURCE_DIR}/assets/icons/zentrope.svg ${PROJECT_BINARY_DIR}/icons ${_rendered}
  DEPENDS render_icon ${PROJECT_SOURCE_DIR}/assets/icons/zentrope.svg
  COMMENT "Rendering the program's icon")
set(_window_icons)
foreach(size ${ZENTROPE_WINDOW_ICON_SIZES})
  list(APPEND _window_icons ${PROJECT_BINARY_DIR}/icons/${size}/zentrope.png)
endforeach()
qt_add_resources(zentrope_app window_icon PREFIX /zentrope/window-icon BASE ${PROJECT_BINARY_DIR}/icons
                 FILES ${_window_icons})
install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/zentrope.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${ZENTROPE_ICON_SIZES})
  install(FILES ${PROJECT_BINARY_DIR}/icons/${size}/zentrope.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# AppStream metadata, the manual page, the copyright file and the changelog.
set(ZENTROPE_METAINFO org.zentrope.zentrope.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${ZENTROPE_METAINFO}.in ${PROJECT_BINARY_DIR}/${ZENTROPE_METAINFO} @ONLY)
set(ZENTROPE_VERSION ${PROJECT_VERSION})
configure_file(${PROJECT_SOURCE_DIR}/packaging/zentrope.1 ${PROJECT_BINARY_DIR}/man/zentrope.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/changelog.in ${PROJECT_BINARY_DIR}/doc/changelog @ONLY)
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/zentrope.1.gz ${PROJECT_BINARY_DIR}/doc/changelog.gz
  COMMAND ${GZIP} -9nkf ${PROJECT_BINARY_DIR}/man/zentrope.1
  COMMAND ${GZIP} -9nkf ${PROJECT_BINARY_DIR}/doc/changelog
  DEPENDS ${PROJECT_BINARY_DIR}/man/zentrope.1 ${PROJECT_BINARY_DIR}/doc/changelog)
add_custom_target(zentrope_package_files ALL DEPENDS ${_icons} ${PROJECT_BINARY_DIR}/man/zentrope.1.gz
                                                     ${PROJECT_BINARY_DIR}/doc/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/${ZENTROPE_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_BINARY_DIR}/man/zentrope.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${PROJECT_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zentrope)

# A direct install refreshes the desktop's caches; a package leaves that to
# the triggers of the packages that own them.
install(CODE "
  if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
    execute_process(COMMAND update-mime-database \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime\"
      OUTPUT_QUIET ERROR_QUIET)
    execute_process(COMMAND update-desktop-database \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
      OUTPUT_QUIET ERROR_QUIET)
  endif()")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentrope)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zentrope developers")
set(CPACK_PACKAGE_CONTACT "The Zentrope developers <dev@zentrope.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compose and print addressed envelopes")
set(CPACK_PACKAGE_DESCRIPTION
  "Zentrope prints envelopes on a desktop printer: one or more destination\n"
  "addresses, a return address and an envelope size from named catalogs, a\n"
  "small logo in the corner and the US POSTNET bar code derived from the ZIP\n"
  "code. It previews, exports PDF and prints from scripts.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zentrope.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program needs at run time that no library it links reveals: the
# face "Arial" resolves to, Qt's own translations, its window system plugins and
# libcups, which the program opens at its first printing call.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n, qt6-qpa-plugins, libcups2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
