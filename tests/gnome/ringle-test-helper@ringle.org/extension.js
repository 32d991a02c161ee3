// Only in Ringle's test sessions: what a user does at a real GNOME desktop, over D-Bus.
const { Clutter, Gio, GLib, Shell } = imports.gi;
const Main = imports.ui.main;

const iface = `<node><interface name="org.ringle.ShellTest">
  <method name="MovePointer"><arg type="d" direction="in"/><arg type="d" direction="in"/></method>
  <method name="PointerPosition"><arg type="d" direction="out"/><arg type="d" direction="out"/></method>
  <method name="Button"><arg type="u" name="evdev" direction="in"/><arg type="b" direction="in"/></method>
  <method name="Scroll"><arg type="i" name="steps" direction="in"/></method>
  <method name="Key"><arg type="u" name="evdev" direction="in"/><arg type="b" direction="in"/></method>
  <method name="Screenshot"><arg type="s" name="path" direction="in"/></method>
  <method name="FocusedWindow">
    <arg type="s" name="wmClass" direction="out"/><arg type="s" name="title" direction="out"/>
    <arg type="i" name="pid" direction="out"/></method>
  <method name="WindowRect"><arg type="i" name="pid" direction="in"/>
    <arg type="i" direction="out"/><arg type="i" direction="out"/><arg type="i" direction="out"/>
    <arg type="i" direction="out"/></method>
  <method name="FocusWindow"><arg type="i" name="pid" direction="in"/><arg type="b" direction="out"/></method>
  <method name="OverviewShown"><arg type="b" direction="out"/></method>
</interface></node>`;

// Clutter's virtual devices number the buttons as X does (1 left, 2 middle, 3 right, 8 on for the
// side buttons), not by evdev code.
function clutterButton(evdev) {
    const BTN_LEFT = 0x110, BTN_RIGHT = 0x111, BTN_MIDDLE = 0x112;
    if (evdev === BTN_LEFT)
        return 1;
    if (evdev === BTN_MIDDLE)
        return 2;
    if (evdev === BTN_RIGHT)
        return 3;
    return evdev - BTN_LEFT + 5;
}

function now() {
    return GLib.get_monotonic_time();
}

class TestHelper {
    enable() {
        const seat = Clutter.get_default_backend().get_default_seat();
        this._keyboard = seat.create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
        this._pointer = seat.create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);
        this._object = Gio.DBusExportedObject.wrapJSObject(iface, this);
        if (Main.layoutManager._startingUp)
            this._startup = Main.layoutManager.connect('startup-complete', () => this._ready());
        else
            this._ready();
    }

    // The shell starts in the Overview, which would take the tests' keys.
    _ready() {
        Main.messageTray.bannerBlocked = true;
        this._idle = GLib.idle_add(GLib.PRIORITY_DEFAULT, () => {
            this._idle = 0;
            if (!Main.overview.visible) {
                this._publish();
                return GLib.SOURCE_REMOVE;
            }
            this._hidden = Main.overview.connect('hidden', () => {
                Main.overview.disconnect(this._hidden);
                this._hidden = 0;
                this._publish();
            });
            Main.overview.hide();
            return GLib.SOURCE_REMOVE;
        });
    }

    _publish() {
        this._object.export(Gio.DBus.session, '/org/ringle/ShellTest');
        this._name = Gio.bus_own_name(Gio.BusType.SESSION, 'org.ringle.ShellTest',
            Gio.BusNameOwnerFlags.NONE, null, null, null);
    }

    disable() {
        if (this._startup)
            Main.layoutManager.disconnect(this._startup);
        if (this._idle)
            GLib.source_remove(this._idle);
        if (this._hidden)
            Main.overview.disconnect(this._hidden);
        if (this._name)
            Gio.bus_unown_name(this._name);
        this._object.unexport();
        this._keyboard = this._pointer = this._object = this._name = this._startup = null;
    }

    MovePointer(x, y) {
        this._pointer.notify_absolute_motion(now(), x, y);
    }

    // Motion goes through Mutter's input thread: right after a move this can still say where it was.
    PointerPosition() {
        const [x, y] = global.get_pointer();
        return [x, y];
    }

    Button(evdev, pressed) {
        this._pointer.notify_button(now(), clutterButton(evdev),
            pressed ? Clutter.ButtonState.PRESSED : Clutter.ButtonState.RELEASED);
    }

    Scroll(steps) {
        const direction = steps > 0 ? Clutter.ScrollDirection.DOWN : Clutter.ScrollDirection.UP;
        for (let i = 0; i < Math.abs(steps); i++)
            this._pointer.notify_discrete_scroll(now(), direction, Clutter.ScrollSource.WHEEL);
    }

    Key(evdev, pressed) {
        this._keyboard.notify_key(now(), evdev,
            pressed ? Clutter.KeyState.PRESSED : Clutter.KeyState.RELEASED);
    }

    ScreenshotAsync([path], invocation) {
        const file = Gio.File.new_for_path(path);
        const stream = file.replace(null, false, Gio.FileCreateFlags.NONE, null);
        const shooter = new Shell.Screenshot();
        shooter.screenshot(false, stream, (source, result) => {
            try {
                shooter.screenshot_finish(result);
                stream.close(null);
                invocation.return_value(null);
            } catch (e) {
                invocation.return_error_literal(Gio.DBusError, Gio.DBusError.FAILED, String(e));
            }
        });
    }

    FocusedWindow() {
        const w = global.display.focus_window;
        if (!w)
            return ['', '', 0];
        return [w.get_wm_class() || '', w.get_title() || '', w.get_pid()];
    }

    _windowOf(pid) {
        const actor = global.get_window_actors().find(a => a.meta_window.get_pid() === pid);
        return actor ? actor.meta_window : null;
    }

    // Where the process's window lies on the desktop; empty when it has none.
    WindowRect(pid) {
        const w = this._windowOf(pid);
        if (!w)
            return [0, 0, 0, 0];
        const r = w.get_frame_rect();
        return [r.x, r.y, r.width, r.height];
    }

    // What a user's click on the window would do; false when the process has none.
    FocusWindow(pid) {
        const w = this._windowOf(pid);
        if (w)
            Main.activateWindow(w);
        return w !== null;
    }

    OverviewShown() {
        return Main.overview.visible;
    }
}

function init() {
    return new TestHelper();
}
