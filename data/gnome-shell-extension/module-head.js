// Ringle's GNOME Shell extension for GNOME Shell 45 and later (the ES module form). Made at build
// time from ringleshell.js; edit that file.
import Clutter from 'gi://Clutter';
import Cogl from 'gi://Cogl';
import Gio from 'gi://Gio';
import GLib from 'gi://GLib';
import Meta from 'gi://Meta';
import Shell from 'gi://Shell';
import St from 'gi://St';
import * as Main from 'resource:///org/gnome/shell/ui/main.js';
import * as Config from 'resource:///org/gnome/shell/misc/config.js';
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

const shellMajor = Number(Config.PACKAGE_VERSION.split('.')[0]);

