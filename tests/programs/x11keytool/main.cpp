// x11keytool grab KEYSYM MASK   grabs the key on the root window with every lock variant, prints
//                               "grabbed" (or "taken", exit 1) and holds the grab until stdin closes.
// x11keytool swap KEYSYM KEYSYM swaps the two keysyms between their keycodes in the keyboard map.
// Keysyms and masks are hexadecimal (0x68 is h; mask 0xc is Control+Mod1).
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
xcb_keycode_t keycodeFor(xcb_key_symbols_t *symbols, xcb_keysym_t keysym)
{
    xcb_keycode_t *codes = xcb_key_symbols_get_keycode(symbols, keysym);
    const xcb_keycode_t code = codes ? codes[0] : 0;
    std::free(codes);
    return code;
}

int grab(xcb_connection_t *c, xcb_key_symbols_t *symbols, xcb_keysym_t keysym, uint16_t mask)
{
    const xcb_keycode_t code = keycodeFor(symbols, keysym);
    if (!code) {
        std::puts("nokey");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint16_t variants[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_2 | XCB_MOD_MASK_LOCK};
    for (uint16_t variant : variants) {
        xcb_generic_error_t *error = xcb_request_check(
            c, xcb_grab_key_checked(c, 1, root, uint16_t(mask | variant), code, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        if (error) {
            std::free(error);
            std::puts("taken");
            std::fflush(stdout);
            return 1;
        }
    }
    std::puts("grabbed");
    std::fflush(stdout);
    char buffer[64];
    while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
    }
    return 0;
}

int swap(xcb_connection_t *c, xcb_keysym_t first, xcb_keysym_t second)
{
    const xcb_setup_t *setup = xcb_get_setup(c);
    xcb_get_keyboard_mapping_reply_t *map = xcb_get_keyboard_mapping_reply(
        c, xcb_get_keyboard_mapping(c, setup->min_keycode, uint8_t(setup->max_keycode - setup->min_keycode + 1)), nullptr);
    if (!map)
        return 2;
    const int per = map->keysyms_per_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    std::vector<xcb_keysym_t> syms(xcb_get_keyboard_mapping_keysyms(map),
                                   xcb_get_keyboard_mapping_keysyms(map) + xcb_get_keyboard_mapping_keysyms_length(map));
    std::free(map);
    int rowA = -1, rowB = -1;
    for (int row = 0; row < count; ++row) {
        if (syms[size_t(row * per)] == first && rowA < 0)
            rowA = row;
        else if (syms[size_t(row * per)] == second && rowB < 0)
            rowB = row;
    }
    if (rowA < 0 || rowB < 0)
        return 2;
    for (int i = 0; i < per; ++i)
        std::swap(syms[size_t(rowA * per + i)], syms[size_t(rowB * per + i)]);
    for (int row : {rowA, rowB})
        xcb_change_keyboard_mapping(c, 1, xcb_keycode_t(setup->min_keycode + row), uint8_t(per), &syms[size_t(row * per)]);
    // A round trip, so the change is done when we exit.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    std::puts("swapped");
    return 0;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 4 || (std::strcmp(argv[1], "grab") != 0 && std::strcmp(argv[1], "swap") != 0)) {
        std::fprintf(stderr, "usage: x11keytool grab KEYSYM MASK | swap KEYSYM KEYSYM\n");
        return 2;
    }
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(c);
    const auto a = xcb_keysym_t(std::stoul(argv[2], nullptr, 16));
    const auto b = uint32_t(std::stoul(argv[3], nullptr, 16));
    const int status = std::strcmp(argv[1], "grab") == 0 ? grab(c, symbols, a, uint16_t(b)) : swap(c, a, b);
    xcb_key_symbols_free(symbols);
    xcb_disconnect(c);
    return status;
}
