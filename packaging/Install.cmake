# `cmake --install` and `make package` (a Debian package made by CPack): the
# editor, devsim and zelcfg with the settings file of every model side by side in
# ZEL_PROGRAM_DIR, commands in bin, and a menu entry and icons per model. The
# installed folder is read-only for its users, so the editor keeps their own
# settings, log and data files in ~/.config/ZEL308Tools.

# The models whose settings file is bundled; each gets a menu entry.
set(zel_menu_models ZEL308 ZEL312s)
set(zel_icon_sizes 16 22 24 32 48 64 128 256)
set(zel_command zel308tools)

install(TARGETS ZEL308Tools devsim DESTINATION ${ZEL_PROGRAM_DIR})
install(FILES ${CMAKE_BINARY_DIR}/bin/ZEL308Tools.Ini ${CMAKE_BINARY_DIR}/bin/ZEL312sTools.Ini
        DESTINATION ${ZEL_PROGRAM_DIR})

# The commands in bin are links into the program folder: the programs find their
# settings file beside their real location.
file(RELATIVE_PATH zel_from_bin ${CMAKE_BINARY_DIR}/prefix/bin ${CMAKE_BINARY_DIR}/prefix/${ZEL_PROGRAM_DIR})
set(zel_links ${CMAKE_BINARY_DIR}/packaging/bin)
file(MAKE_DIRECTORY ${zel_links})
file(CREATE_LINK ${zel_from_bin}/ZEL308Tools ${zel_links}/${zel_command} SYMBOLIC)
file(CREATE_LINK ${zel_from_bin}/zelcfg ${zel_links}/zelcfg SYMBOLIC)
file(CREATE_LINK ${zel_from_bin}/devsim ${zel_links}/zel308tools-devsim SYMBOLIC)
install(FILES ${zel_links}/${zel_command} ${zel_links}/zelcfg ${zel_links}/zel308tools-devsim DESTINATION bin)

set(zel_icon_root ${CMAKE_BINARY_DIR}/packaging/hicolor)
set(zel_icons)
foreach(model ${zel_menu_models})
  string(TOLOWER ${model} lower)
  # The pictures are named after the first six letters: zel308, zel312.
  string(SUBSTRING ${lower} 0 6 picture)
  set(svg ${CMAKE_SOURCE_DIR}/src/ui/resources/models/icon-${picture}.svg)
  set(icon zel308tools-${lower})
  set(command ${zel_command})
  add_custom_command(
    OUTPUT ${zel_icon_root}/256x256/apps/${icon}.png
    COMMAND icon-render ${svg} ${zel_icon_root} ${icon} ${zel_icon_sizes}
    DEPENDS icon-render ${svg}
    COMMENT "Menu icons of the ${model}")
  list(APPEND zel_icons ${zel_icon_root}/256x256/apps/${icon}.png)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/zel308tools.desktop.in
                 ${CMAKE_BINARY_DIR}/packaging/applications/${icon}.desktop @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/applications/${icon}.desktop DESTINATION share/applications)
  install(FILES ${svg} DESTINATION share/icons/hicolor/scalable/apps RENAME ${icon}.svg)
endforeach()
add_custom_target(menu_icons ALL DEPENDS ${zel_icons})
install(DIRECTORY ${zel_icon_root} DESTINATION share/icons)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zel308tools)
set(CPACK_PACKAGE_VENDOR "ZEL308Tools")
set(CPACK_PACKAGE_CONTACT "ZEL308Tools maintainers <zel308tools@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configuration editor for ZEL308, ZEL312s, MOR304m and MOR308m devices")
set(CPACK_PACKAGE_DESCRIPTION
    "Edits the configuration data set of a family of broadcast audio control devices, saves it as data files and transfers it to and from the device's control unit over a serial line. With the command-line companion zelcfg and the device simulator zel308tools-devsim.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The Qt runtime of the build; the SVG plugin draws the model pictures.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6serialport6 (>= 6.4), libqt6svg6 (>= 6.4)")
include(CPack)
