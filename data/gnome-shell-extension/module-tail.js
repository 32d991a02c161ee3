
export default class RingleExtension extends Extension {
    enable() {
        this._shell = new RingleShell();
        this._shell.enable();
    }

    disable() {
        this._shell.disable();
        this._shell = null;
    }
}
