// What Ringle cannot do from outside GNOME Shell: the wheel's shortcut with its release, the window
// in front, the pointer, and Ringle's own pictures shown above every window without taking the
// focus. One client at a time, and only Ringle: everything goes over org.ringle.Shell on the
// session bus, and its signals go to that client alone.
// Both forms of the extension wrap this file; they give it Clutter, Cogl, Gio, GLib, Meta, Shell,
// St, Main and shellMajor (GNOME Shell's major version).

const busName = 'org.ringle.Shell';
const objectPath = '/org/ringle/Shell';
const interfaceVersion = 1;

const interfaceXml = `<node><interface name="org.ringle.Shell">
  <method name="Register">
    <arg type="s" name="shellVersion" direction="out"/><arg type="u" name="interfaceVersion" direction="out"/>
  </method>
  <method name="BindShortcut">
    <arg type="u" name="id" direction="in"/><arg type="s" name="accelerator" direction="in"/>
    <arg type="u" name="keysym" direction="in"/><arg type="u" name="modifiers" direction="in"/>
    <arg type="b" name="bound" direction="out"/>
  </method>
  <method name="UnbindShortcut"><arg type="u" name="id" direction="in"/></method>
  <method name="IsTaken">
    <arg type="s" name="accelerator" direction="in"/><arg type="b" name="taken" direction="out"/>
  </method>
  <method name="Pointer">
    <arg type="d" name="x" direction="out"/><arg type="d" name="y" direction="out"/>
  </method>
  <method name="Report"><arg type="s" name="json" direction="out"/></method>
  <method name="CreateSurface">
    <arg type="u" name="id" direction="in"/><arg type="s" name="kind" direction="in"/>
    <arg type="s" name="name" direction="in"/>
  </method>
  <method name="PlaceSurface">
    <arg type="u" name="id" direction="in"/><arg type="i" name="x" direction="in"/>
    <arg type="i" name="y" direction="in"/><arg type="i" name="width" direction="in"/>
    <arg type="i" name="height" direction="in"/><arg type="b" name="takesInput" direction="in"/>
    <arg type="s" name="cursor" direction="in"/>
  </method>
  <method name="DrawSurface">
    <arg type="u" name="id" direction="in"/><arg type="i" name="width" direction="in"/>
    <arg type="i" name="height" direction="in"/><arg type="i" name="stride" direction="in"/>
    <arg type="ay" name="pixels" direction="in"/>
  </method>
  <method name="ShowSurface">
    <arg type="u" name="id" direction="in"/><arg type="b" name="shown" direction="in"/>
  </method>
  <method name="DestroySurface"><arg type="u" name="id" direction="in"/></method>
  <method name="PostKey">
    <arg type="u" name="evdev" direction="in"/><arg type="b" name="pressed" direction="in"/>
  </method>
  <signal name="ShortcutPressed">
    <arg type="u" name="id"/><arg type="d" name="x"/><arg type="d" name="y"/>
    <arg type="x" name="monotonicTime"/>
  </signal>
  <signal name="ShortcutReleased"><arg type="u" name="id"/></signal>
  <signal name="WindowsChanged"><arg type="s" name="json"/></signal>
  <signal name="SurfacePointer">
    <arg type="u" name="id"/><arg type="s" name="type"/><arg type="d" name="x"/><arg type="d" name="y"/>
    <arg type="u" name="button"/><arg type="u" name="state"/><arg type="d" name="dx"/><arg type="d" name="dy"/>
  </signal>
  <signal name="SurfaceKey">
    <arg type="u" name="id"/><arg type="b" name="pressed"/><arg type="u" name="keycode"/>
    <arg type="u" name="keysym"/><arg type="u" name="state"/><arg type="s" name="text"/>
  </signal>
  <signal name="SurfaceFocus"><arg type="u" name="id"/><arg type="b" name="has"/></signal>
</interface></node>`;

// A picture that sends more than this is refused: 8K by 8K at four bytes a pixel.
const maxPixels = 8192 * 8192;

const modifierKeysyms = {
    [Clutter.ModifierType.SHIFT_MASK]: [Clutter.KEY_Shift_L, Clutter.KEY_Shift_R],
    [Clutter.ModifierType.CONTROL_MASK]: [Clutter.KEY_Control_L, Clutter.KEY_Control_R],
    [Clutter.ModifierType.MOD1_MASK]: [Clutter.KEY_Alt_L, Clutter.KEY_Alt_R, Clutter.KEY_Meta_L, Clutter.KEY_Meta_R],
    [Clutter.ModifierType.MOD4_MASK]: [Clutter.KEY_Super_L, Clutter.KEY_Super_R, Clutter.KEY_Hyper_L, Clutter.KEY_Hyper_R],
};

const allModifiers = Object.keys(modifierKeysyms).reduce((all, mask) => all | Number(mask), 0);
// How long a release waits for the modifiers still held.
const modifiersWaitMs = 1500;

// The modifier a modifier key makes; 0 for other keys.
function modifierOf(keysym) {
    for (const [mask, keysyms] of Object.entries(modifierKeysyms)) {
        if (keysyms.includes(keysym))
            return Number(mask);
    }
    return 0;
}

class CallerRefused extends Error {}

// Shift makes a letter's keysym upper-case (Latin-1's letters are all a shortcut can name here).
function lowerKeysym(keysym) {
    const upperLatin = (keysym >= 0x41 && keysym <= 0x5a) || (keysym >= 0xc0 && keysym <= 0xde && keysym !== 0xd7);
    return upperLatin ? keysym + 0x20 : keysym;
}

// The program behind a bus name is Ringle when its executable is called "ringle".
function isRingle(sender) {
    try {
        const reply = Gio.DBus.session.call_sync('org.freedesktop.DBus', '/org/freedesktop/DBus',
            'org.freedesktop.DBus', 'GetConnectionUnixProcessID', new GLib.Variant('(s)', [sender]),
            new GLib.VariantType('(u)'), Gio.DBusCallFlags.NONE, 1000, null);
        const [pid] = reply.deepUnpack();
        const exe = GLib.file_read_link(`/proc/${pid}/exe`);
        return GLib.path_get_basename(exe) === 'ringle';
    } catch (e) {
        return false;
    }
}

function describeWindow(window) {
    // Windows without a desktop entry get a made-up app ("window:12"): that names no app.
    const app = Shell.WindowTracker.get_default().get_window_app(window);
    let desktopFile = app && app.get_app_info() ? app.get_id() : '';
    if (desktopFile.endsWith('.desktop'))
        desktopFile = desktopFile.slice(0, -'.desktop'.length);
    // Accessibility reports positions inside the window's own surface, its shadow included.
    const area = window.get_buffer_rect();
    return {
        desktopFile,
        resourceClass: window.get_wm_class() || '',
        pid: window.get_pid() > 0 ? window.get_pid() : 0,
        x: area.x, y: area.y, width: area.width, height: area.height,
    };
}

function isShownWindow(window) {
    return window.get_window_type() === Meta.WindowType.NORMAL && !window.is_skip_taskbar();
}

// One of Ringle's pictures: a cover of the whole stage that takes the pointer (the wheel), or a
// panel at a place of its own. The picture's pixels come from Ringle.
class Surface {
    constructor(shell, id, kind, name) {
        this.shell = shell;
        this.id = id;
        this.kind = kind;
        this.takesInput = true;
        this.cursor = 'default';
        this.rect = [0, 0, 0, 0];
        this.picture = new Clutter.Actor({name, reactive: kind !== 'pointer-catcher'});
        if (kind === 'pointer-catcher') {
            this.actor = new Clutter.Actor({name: `${name}-cover`, reactive: true});
            this.actor.add_constraint(new Clutter.BindConstraint({
                source: global.stage, coordinate: Clutter.BindCoordinate.ALL,
            }));
            this.actor.add_child(this.picture);
        } else {
            this.actor = this.picture;
        }
        this.actor.hide();
        shell.layer.add_child(this.actor);
        for (const signal of ['motion-event', 'button-press-event', 'button-release-event',
            'scroll-event', 'enter-event', 'leave-event'])
            this.actor.connect(signal, (actor, event) => this._pointer(event));
        this.actor.connect('key-press-event', (actor, event) => this._key(event, true));
        this.actor.connect('key-release-event', (actor, event) => this._key(event, false));
    }

    place(x, y, width, height, takesInput, cursor) {
        this.rect = [x, y, width, height];
        this.takesInput = takesInput;
        this.cursor = cursor;
        if (this.kind === 'pointer-catcher')
            this.picture.set_position(x, y);
        else
            this.actor.set_position(x, y);
        this.picture.set_size(width, height);
        this.actor.reactive = takesInput;
    }

    draw(width, height, stride, bytes) {
        const content = St.ImageContent.new_with_preferred_size(width, height);
        if (shellMajor >= 46) {
            const cogl = global.stage.context.get_backend().get_cogl_context();
            content.set_bytes(cogl, bytes, Cogl.PixelFormat.BGRA_8888_PRE, width, height, stride);
        } else {
            content.set_bytes(bytes, Cogl.PixelFormat.BGRA_8888_PRE, width, height, stride);
        }
        this.picture.set_content(content);
    }

    show(shown) {
        if (shown) {
            this.shell.layer.set_child_above_sibling(this.actor, null);
            this.actor.show();
            if (this.kind === 'keyboard-window')
                this._takeKeyboard();
            if (this.kind === 'pointer-catcher') {
                const [x, y] = global.get_pointer();
                this.shell.emit('SurfacePointer', '(usdduudd)',
                    [this.id, 'enter', x, y, 0, 0, 0, 0]);
            }
        } else {
            this._giveBackKeyboard();
            this.actor.hide();
            this.shell.setCursor('default');
        }
    }

    destroy() {
        this._giveBackKeyboard();
        this.actor.destroy();
    }

    // The Ask window has the keyboard through a grab of its own, so the app in front keeps its
    // focus and gets it back, unchanged, when the window hides.
    _takeKeyboard() {
        if (this.grab)
            return;
        this.grab = Main.pushModal(this.actor, {actionMode: Shell.ActionMode.POPUP});
        if ((this.grab.get_seat_state() & Clutter.GrabState.KEYBOARD) === 0) {
            Main.popModal(this.grab);
            this.grab = null;
            return;
        }
        this.actor.grab_key_focus();
        this.shell.emit('SurfaceFocus', '(ub)', [this.id, true]);
    }

    _giveBackKeyboard() {
        if (!this.grab)
            return;
        Main.popModal(this.grab);
        this.grab = null;
        this.shell.emit('SurfaceFocus', '(ub)', [this.id, false]);
    }

    _inside(x, y) {
        const [rx, ry, rw, rh] = this.rect;
        return x >= rx && y >= ry && x < rx + rw && y < ry + rh;
    }

    _pointer(event) {
        const [x, y] = event.get_coords();
        let type;
        let dx = 0, dy = 0, button = 0;
        switch (event.type()) {
        case Clutter.EventType.MOTION: type = 'motion'; break;
        case Clutter.EventType.ENTER: type = 'enter'; break;
        case Clutter.EventType.LEAVE: type = 'leave'; break;
        case Clutter.EventType.BUTTON_PRESS: type = 'press'; button = event.get_button(); break;
        case Clutter.EventType.BUTTON_RELEASE: type = 'release'; button = event.get_button(); break;
        case Clutter.EventType.SCROLL:
            type = 'scroll';
            switch (event.get_scroll_direction()) {
            case Clutter.ScrollDirection.UP: dy = -1; break;
            case Clutter.ScrollDirection.DOWN: dy = 1; break;
            case Clutter.ScrollDirection.LEFT: dx = -1; break;
            case Clutter.ScrollDirection.RIGHT: dx = 1; break;
            default: [dx, dy] = event.get_scroll_delta(); type = 'smooth-scroll'; break;
            }
            break;
        default: return Clutter.EVENT_PROPAGATE;
        }
        // A grabbed window hears presses outside it: they give the keyboard back.
        if (this.grab && type === 'press' && !this._inside(x, y)) {
            this._giveBackKeyboard();
            return Clutter.EVENT_STOP;
        }
        if (this.kind === 'keyboard-window' && !this.grab && type === 'press')
            this._takeKeyboard();
        if (type === 'enter')
            this.shell.setCursor(this.cursor);
        else if (type === 'leave')
            this.shell.setCursor('default');
        this.shell.emit('SurfacePointer', '(usdduudd)',
            [this.id, type, x, y, button, event.get_state(), dx, dy]);
        return Clutter.EVENT_STOP;
    }

    _key(event, pressed) {
        if (!this.grab)
            return Clutter.EVENT_PROPAGATE;
        const unicode = event.get_key_unicode();
        const text = unicode && unicode >= ' ' && unicode !== '\x7f' ? unicode : '';
        this.shell.emit('SurfaceKey', '(ubuuus)',
            [this.id, pressed, event.get_key_code(), event.get_key_symbol(), event.get_state(), text]);
        return Clutter.EVENT_STOP;
    }
}

// A shortcut bound for Ringle: pressed when Mutter sees the accelerator, released when its key or
// one of its modifiers goes up, which only a grab of the keyboard lets the extension hear.
class Shortcut {
    constructor(shell, id, accelerator, keysym, modifiers, action) {
        this.shell = shell;
        this.id = id;
        this.accelerator = accelerator;
        this.keysym = keysym;
        this.modifiers = modifiers;
        this.action = action;
        this.name = Meta.external_binding_name_for_action(action);
        Main.wm.allowKeybinding(this.name, Shell.ActionMode.ALL);
    }

    pressed() {
        if (this.grab)
            return;
        const [x, y, state] = global.get_pointer();
        this.shell.emit('ShortcutPressed', '(uddx)', [this.id, x, y, GLib.get_monotonic_time()]);
        if (this.modifiers && (state & this.modifiers) !== this.modifiers) {
            this.shell.emit('ShortcutReleased', '(u)', [this.id]);
            return;
        }
        this.grab = Main.pushModal(this.shell.layer, {actionMode: Shell.ActionMode.POPUP});
        if ((this.grab.get_seat_state() & Clutter.GrabState.KEYBOARD) === 0) {
            // Something else holds the keyboard: no release would be heard.
            Main.popModal(this.grab);
            this.grab = null;
            this.shell.emit('ShortcutReleased', '(u)', [this.id]);
            return;
        }
        // Clutter gives events only to reactive actors; the layer lets clicks through otherwise.
        this.shell.layer.reactive = true;
        this.shell.layer.grab_key_focus();
        // Mutter mixes the modifiers a user still holds into the keys Ringle posts next, so the
        // release is told once they are all up too (or after a moment, should one stay down).
        this.releaseHandler = this.shell.layer.connect('key-release-event', (actor, event) => {
            const keysym = event.get_key_symbol();
            if (!this.ending && this._releases(keysym)) {
                this.ending = GLib.timeout_add(GLib.PRIORITY_DEFAULT, modifiersWaitMs, () => {
                    this.ending = 0;
                    this.released();
                    return GLib.SOURCE_REMOVE;
                });
            }
            if (this.ending && (event.get_state() & allModifiers & ~modifierOf(keysym)) === 0)
                this.released();
            return Clutter.EVENT_STOP;
        });
    }

    _releases(keysym) {
        return lowerKeysym(keysym) === lowerKeysym(this.keysym) || (this.modifiers & modifierOf(keysym)) !== 0;
    }

    released() {
        if (!this.grab)
            return;
        if (this.ending)
            GLib.source_remove(this.ending);
        this.ending = 0;
        this._ungrab();
        this.shell.emit('ShortcutReleased', '(u)', [this.id]);
    }

    _ungrab() {
        this.shell.layer.disconnect(this.releaseHandler);
        this.shell.layer.reactive = false;
        Main.popModal(this.grab);
        this.grab = null;
    }

    destroy() {
        if (this.ending)
            GLib.source_remove(this.ending);
        this.ending = 0;
        if (this.grab)
            this._ungrab();
        global.display.ungrab_accelerator(this.action);
        Main.wm.allowKeybinding(this.name, Shell.ActionMode.NONE);
    }
}

class RingleShell {
    enable() {
        this.shortcuts = new Map();
        this.surfaces = new Map();
        this.heldKeys = new Set();
        this.client = null;
        this.layer = new Clutter.Actor({name: 'ringle-layer', reactive: false});
        this.layer.add_constraint(new Clutter.BindConstraint({
            source: global.stage, coordinate: Clutter.BindCoordinate.ALL,
        }));
        Main.layoutManager.uiGroup.add_child(this.layer);
        // Made at once: clients take in a new keyboard of the seat a moment after it appears.
        const seat = Clutter.get_default_backend().get_default_seat();
        this.keyboard = seat.create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
        this.object = Gio.DBusExportedObject.wrapJSObject(interfaceXml, this);
        this.object.export(Gio.DBus.session, objectPath);
        this.name = Gio.bus_own_name_on_connection(Gio.DBus.session, busName,
            Gio.BusNameOwnerFlags.NONE, null, null);
        this.accelerators = global.display.connect('accelerator-activated', (display, action) => {
            for (const shortcut of this.shortcuts.values()) {
                if (shortcut.action === action)
                    shortcut.pressed();
            }
        });
        const queue = () => this._queueReport();
        this.displaySignals = [
            global.display.connect('notify::focus-window', () => this._followFocus()),
            global.display.connect('window-created', queue),
        ];
        this.followed = null;
        this._followFocus();
    }

    disable() {
        this._dropClient();
        for (const id of this.displaySignals)
            global.display.disconnect(id);
        global.display.disconnect(this.accelerators);
        this._unfollow();
        if (this.reportIdle)
            GLib.source_remove(this.reportIdle);
        Gio.bus_unown_name(this.name);
        this.object.unexport();
        this.layer.destroy();
        this.object = this.layer = this.keyboard = null;
    }

    emit(signal, signature, values) {
        if (!this.client)
            return;
        Gio.DBus.session.emit_signal(this.client, objectPath, busName, signal,
            new GLib.Variant(signature, values));
    }

    setCursor(name) {
        // GNOME 47 named the cursors after CSS's.
        const cursors = {
            default: Meta.Cursor.DEFAULT,
            text: Meta.Cursor.IBEAM ?? Meta.Cursor.TEXT,
            pointer: Meta.Cursor.POINTING_HAND ?? Meta.Cursor.POINTER,
        };
        global.display.set_cursor(cursors[name] ?? Meta.Cursor.DEFAULT);
    }

    // Everything Ringle made goes when Ringle leaves the bus, so nothing of it lingers on screen.
    _dropClient() {
        // A Ringle that went half-way through a key combination leaves no key held on the seat.
        for (const evdev of this.heldKeys)
            this.keyboard.notify_key(GLib.get_monotonic_time(), evdev, Clutter.KeyState.RELEASED);
        this.heldKeys.clear();
        for (const shortcut of this.shortcuts.values())
            shortcut.destroy();
        this.shortcuts.clear();
        for (const surface of this.surfaces.values())
            surface.destroy();
        this.surfaces.clear();
        if (this.clientWatch)
            Gio.bus_unwatch_name(this.clientWatch);
        this.clientWatch = 0;
        this.client = null;
        this.setCursor('default');
    }

    _check(invocation) {
        if (!this.client || invocation.get_sender() !== this.client)
            throw new CallerRefused('only the Ringle that registered may call this');
    }

    _followFocus() {
        this._unfollow();
        const window = global.display.focus_window;
        if (window) {
            this.followed = window;
            this.followedSignals = [
                window.connect('position-changed', () => this._queueReport()),
                window.connect('size-changed', () => this._queueReport()),
                window.connect('unmanaged', () => this._queueReport()),
            ];
        }
        this._queueReport();
    }

    _unfollow() {
        if (!this.followed)
            return;
        for (const id of this.followedSignals)
            this.followed.disconnect(id);
        this.followed = null;
    }

    _report() {
        const windows = global.get_window_actors().map(a => a.meta_window).filter(isShownWindow);
        const front = global.display.focus_window;
        const [x, y] = global.get_pointer();
        return JSON.stringify({
            active: front ? describeWindow(front) : null,
            windows: windows.map(describeWindow),
            cursor: {x, y},
        });
    }

    _queueReport() {
        if (this.reportIdle || !this.client)
            return;
        this.reportIdle = GLib.idle_add(GLib.PRIORITY_DEFAULT, () => {
            this.reportIdle = 0;
            this.emit('WindowsChanged', '(s)', [this._report()]);
            return GLib.SOURCE_REMOVE;
        });
    }

    _surface(id) {
        const surface = this.surfaces.get(id);
        if (!surface)
            throw new Error(`no surface ${id}`);
        return surface;
    }

    // Every method answers through this, so a refused caller or a bad argument is an error reply
    // rather than an exception in the shell.
    _answer(invocation, work) {
        try {
            const result = work();
            invocation.return_value(result ?? null);
        } catch (e) {
            const code = e instanceof CallerRefused ? Gio.DBusError.ACCESS_DENIED : Gio.DBusError.INVALID_ARGS;
            invocation.return_error_literal(Gio.DBusError, code, String(e.message ?? e));
        }
    }

    RegisterAsync(params, invocation) {
        const sender = invocation.get_sender();
        if (this.client && this.client !== sender) {
            invocation.return_error_literal(Gio.DBusError, Gio.DBusError.ACCESS_DENIED,
                'another Ringle is registered');
            return;
        }
        if (!isRingle(sender)) {
            invocation.return_error_literal(Gio.DBusError, Gio.DBusError.ACCESS_DENIED,
                'only Ringle may use this extension');
            return;
        }
        if (!this.client) {
            this.client = sender;
            this.clientWatch = Gio.bus_watch_name_on_connection(Gio.DBus.session, sender,
                Gio.BusNameWatcherFlags.NONE, null, () => this._dropClient());
        }
        invocation.return_value(new GLib.Variant('(su)', [String(shellMajor), interfaceVersion]));
        this._queueReport();
    }

    BindShortcutAsync([id, accelerator, keysym, modifiers], invocation) {
        this._answer(invocation, () => {
            this._check(invocation);
            this.shortcuts.get(id)?.destroy();
            this.shortcuts.delete(id);
            const action = global.display.grab_accelerator(accelerator, Meta.KeyBindingFlags.NONE);
            if (action === Meta.KeyBindingAction.NONE)
                return new GLib.Variant('(b)', [false]);
            this.shortcuts.set(id, new Shortcut(this, id, accelerator, keysym, modifiers, action));
            return new GLib.Variant('(b)', [true]);
        });
    }

    UnbindShortcutAsync([id], invocation) {
        this._answer(invocation, () => {
            this._check(invocation);
            this.shortcuts.get(id)?.destroy();
            this.shortcuts.delete(id);
        });
    }

    IsTakenAsync([accelerator], invocation) {
        this._answer(invocation, () => {
            this._check(invocation);
            for (const shortcut of this.shortcuts.values()) {
                if (shortcut.accelerator === accelerator)
                    return new GLib.Variant('(b)', [false]);
            }
            const action = global.display.grab_accelerator(accelerator, Meta.KeyBindingFlags.NONE);
            if (action === Meta.KeyBindingAction.NONE)
                return new GLib.Variant('(b)', [true]);
            global.display.ungrab_accelerator(action);
            return new GLib.Variant('(b)', [false]);
        });
    }

    PointerAsync(params, invocation) {
        this._answer(invocation, () => {
            this._check(invocation);
            const [x, y] = global.get_pointer();
            return new GLib.Variant('(dd)', [x, y]);
        });
    }

    ReportAsync(params, invocation) {
        this._answer(invocation, () => {
            this._check(invocation);
            return new GLib.Variant('(s)', [this._report()]);
        });
    }

    CreateSurfaceAsync([id, kind, name], invocation) {
        this._answer(invocation, () => {
            this._check(invocation);
            if (!['pointer-catcher', 'panel', 'keyboard-window'].includes(kind))
                throw new Error(`unknown kind of surface "${kind}"`);
            this.surfaces.get(id)?.destroy();
            this.surfaces.set(id, new Surface(this, id, kind, name));
        });
    }

    PlaceSurfaceAsync([id, x, y, width, height, takesInput, cursor], invocation) {
        this._answer(invocation, () => {
            this._check(invocation);
            this._surface(id).place(x, y, Math.max(0, width), Math.max(0, height), takesInput, cursor);
        });
    }

    DrawSurfaceAsync(params, invocation) {
        this._answer(invocation, () => {
            this._check(invocation);
            const parameters = invocation.get_parameters();
            const [id, width, height, stride] = [0, 1, 2, 3].map(i => parameters.get_child_value(i).unpack());
            // The bytes stay in the message: no copy on the way to the picture.
            const bytes = parameters.get_child_value(4).get_data_as_bytes();
            if (width <= 0 || height <= 0 || width * height > maxPixels || stride < width * 4 ||
                bytes.get_size() < stride * (height - 1) + width * 4)
                throw new Error('the picture does not fit its size');
            this._surface(id).draw(width, height, stride, bytes);
        });
    }

    ShowSurfaceAsync([id, shown], invocation) {
        this._answer(invocation, () => {
            this._check(invocation);
            this._surface(id).show(shown);
        });
    }

    DestroySurfaceAsync([id], invocation) {
        this._answer(invocation, () => {
            this._check(invocation);
            this.surfaces.get(id)?.destroy();
            this.surfaces.delete(id);
        });
    }

    PostKeyAsync([evdev, pressed], invocation) {
        this._answer(invocation, () => {
            this._check(invocation);
            this.keyboard.notify_key(GLib.get_monotonic_time(), evdev,
                pressed ? Clutter.KeyState.PRESSED : Clutter.KeyState.RELEASED);
            if (pressed)
                this.heldKeys.add(evdev);
            else
                this.heldKeys.delete(evdev);
        });
    }
}
