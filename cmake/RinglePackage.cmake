# `cpack -G DEB` in a build folder makes the Debian package from the install rules
# (scripts/package does it all in one command).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ringle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Ringle developers <developers@ringle.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "action wheel for the selected text")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Hold a shortcut or a mouse button with modifiers, and a ring of slots opens at the
pointer: move toward a slot and release to proofread, rewrite, translate, explain
or summarize the selected text with a local model server, post a key combination,
run a script on the selection, or open an application or address. Ringle lives in
the system tray of a Wayland (sway and other wlroots compositors) or X11 session.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${RINGLE_HOMEPAGE}")
# Library dependencies are read from the executables by dpkg-shlibdeps, not listed by hand, but for
# libcurl, which Ringle loads with its first request rather than links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcurl4 (>= 7.85)")
# What Ringle uses at run time without linking it: the accessibility bus (selected text and caret),
# image plugins for site icons in formats Qt lacks itself, the system's certificate store for https,
# xdg-open for addresses, Qt's Wayland platform for the settings window on Wayland (without it that
# window opens under XWayland), Qt's own translations for its standard buttons (Ringle's own
# translations are built into the program).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "at-spi2-core, ca-certificates, qt6-image-formats-plugins, xdg-utils, qt6-wayland, qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
