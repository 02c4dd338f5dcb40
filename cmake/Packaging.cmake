# The Debian package (cpack -G DEB, or scripts/package.sh): what it holds
# beyond the install rules, and its control fields. dpkg's triggers of
# shared-mime-info, desktop-file-utils and hicolor-icon-theme refresh the
# desktop's caches on the user's machine, so the package carries no scripts.

# Debian's copyright file and changelog; gzip -n leaves out the name and
# time stamp, so two builds of one version give the same bytes.
set(debian_doc_dir ${CMAKE_BINARY_DIR}/debian-doc)
configure_file(resources/debian/changelog ${debian_doc_dir}/changelog COPYONLY)
execute_process(COMMAND gzip -9nkf ${debian_doc_dir}/changelog COMMAND_ERROR_IS_FATAL ANY)
install(FILES resources/debian/copyright ${debian_doc_dir}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/merestone)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME merestone)
set(CPACK_PACKAGE_VENDOR Kelvane)
set(CPACK_PACKAGE_CONTACT "Kelvane <support@kelvane.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kelvane.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "loudspeaker driver database with Thiele/Small calculators")
set(CPACK_PACKAGE_DESCRIPTION
    "Merestone keeps a data sheet of loudspeaker driver models described by their
Thiele/Small parameters. It shows and edits the sheet like a spreadsheet,
sorts it by any parameter, and works Vas, Qts, efficiency, Sd, Vd, Le and
EBP out in calculator windows.

It reads and writes its own data sheets, imports CSV and tab-separated
text, WinISD driver files and QSpeakers driver databases, and hands the
selected model to the enclosure-design programs Tarnwell, Fellmark and
Beckline.")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps finds the libraries the program links; these are what it
# loads or starts by name: the Qt platform plugins (xcb and the headless
# ones), the fonts the sheet and the dialogs are drawn in, and xdg-open for
# the manuals and the web and mail links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core, fonts-dejavu-extra, xdg-utils")
# One Merestone per session and the link to the siblings go over the session
# bus; without one the program still runs on its own.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "default-dbus-session-bus | dbus-session-bus")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pdf-viewer")

include(CPack)
