// Ringle's GNOME Shell extension for GNOME Shell 43 and 44 (the imports form). Made at build time
// from ringleshell.js; edit that file.
const {Clutter, Cogl, Gio, GLib, Meta, Shell, St} = imports.gi;
const Main = imports.ui.main;
const shellMajor = Number(imports.misc.config.PACKAGE_VERSION.split('.')[0]);

