# What an installation adds to the three programs and the sample Config.ini:
# the desktop entry and its icon, the AppStream metainfo, the .spt file type
# and its icon, the manual pages, bash completion for daviduv-cli and the
# Debian documentation; and the Debian package itself (scripts/package.sh).
set(DV_PKG ${PROJECT_SOURCE_DIR}/packaging)
set(DV_PKG_OUT ${PROJECT_BINARY_DIR}/packaging)

install(FILES ${DV_PKG}/daviduv.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DV_PKG}/daviduv-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME daviduv.xml)
configure_file(${DV_PKG}/daviduv.metainfo.xml ${DV_PKG_OUT}/invalid.daviduv.daviduv.metainfo.xml @ONLY)
install(FILES ${DV_PKG_OUT}/invalid.daviduv.daviduv.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The program's icon, and the same picture for its .spt files.
set(dv_mime_icon application-x-daviduv-template)
install(FILES ${DV_PKG}/icons/daviduv.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${DV_PKG}/icons/daviduv.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
        RENAME ${dv_mime_icon}.svg)
foreach(size 16 32 48 64 128 256)
  install(FILES ${DV_PKG}/icons/daviduv-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME daviduv.png)
  install(FILES ${DV_PKG}/icons/daviduv-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/mimetypes RENAME ${dv_mime_icon}.png)
endforeach()
install(FILES ${DV_PKG}/daviduv-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME daviduv-cli)
# The compiler's identification in .comment means nothing to a user (Debian strips it).
install(CODE "foreach(program daviduv daviduv-cli daviduv-printer)
  execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment --remove-section=.note
                          \"\$ENV{DESTDIR}${CMAKE_INSTALL_FULL_BINDIR}/\${program}\")
endforeach()")

# Manual pages and the changelog carry the version and are installed
# compressed (gzip -9n: no name or time stamp, so builds compare equal).
set(dv_compressed)
function(dv_gzip_configured source name destination)
  configure_file(${source} ${DV_PKG_OUT}/${name} @ONLY)
  add_custom_command(OUTPUT ${DV_PKG_OUT}/${name}.gz
    COMMAND gzip -9nkf ${DV_PKG_OUT}/${name}
    DEPENDS ${DV_PKG_OUT}/${name} VERBATIM)
  install(FILES ${DV_PKG_OUT}/${name}.gz DESTINATION ${destination})
  set(dv_compressed ${dv_compressed} ${DV_PKG_OUT}/${name}.gz PARENT_SCOPE)
endfunction()
foreach(page daviduv daviduv-cli daviduv-printer)
  dv_gzip_configured(${DV_PKG}/man/${page}.1 ${page}.1 ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
dv_gzip_configured(${DV_PKG}/changelog.in changelog ${CMAKE_INSTALL_DATADIR}/doc/daviduv)
add_custom_target(dv_compressed_docs ALL DEPENDS ${dv_compressed})
install(FILES ${DV_PKG}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/daviduv)

# The sample Config.ini under /etc is the administrator's to edit: a conffile.
file(WRITE ${DV_PKG_OUT}/conffiles "${CMAKE_INSTALL_FULL_SYSCONFDIR}/daviduv/Config.ini\n")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME daviduv)
set(CPACK_PACKAGE_VENDOR "daviduv developers")
set(CPACK_PACKAGE_CONTACT "daviduv developers <packaging@daviduv.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the messages of a small-character inkjet coder")
# Lines under 80 characters; no semicolons (they would split the CMake string).
set(CPACK_PACKAGE_DESCRIPTION [=[Lays out the 128-dot message strip of a small-character industrial
inkjet coder (text, dates, expiry dates, serial numbers, shift letters,
pictures and barcodes), saves it as a .spt template and sends it to the
printer over RS-232. daviduv-cli does the printer work from scripts, and
daviduv-printer is a virtual printer on a pseudo-terminal for trying both
without a printer.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the fonts the
# messages are drawn with and Qt's platform plugins (offscreen for the tools);
# qt6-translations-l10n: the Chinese texts of Qt's own dialogs and buttons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, fonts-liberation, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${DV_PKG_OUT}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
