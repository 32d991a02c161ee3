
function init() {
    return new RingleShell();
}
