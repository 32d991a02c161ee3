#include "keys/key.h"

#include <algorithm>
#include <array>

// clang-format off
const Key Key::a{0}, Key::s{1}, Key::d{2}, Key::f{3}, Key::h{4}, Key::g{5}, Key::z{6}, Key::x{7}, Key::c{8},
    Key::v{9}, Key::b{11}, Key::q{12}, Key::w{13}, Key::e{14}, Key::r{15}, Key::y{16}, Key::t{17},
    Key::o{31}, Key::u{32}, Key::i{34}, Key::p{35}, Key::l{37}, Key::j{38}, Key::k{40}, Key::n{45},
    Key::m{46};
const Key Key::one{18}, Key::two{19}, Key::three{20}, Key::four{21}, Key::six{22}, Key::five{23},
    Key::nine{25}, Key::seven{26}, Key::eight{28}, Key::zero{29};
const Key Key::equal{24}, Key::minus{27}, Key::rightBracket{30}, Key::leftBracket{33}, Key::quote{39},
    Key::semicolon{41}, Key::backslash{42}, Key::comma{43}, Key::slash{44}, Key::period{47},
    Key::backtick{50};
const Key Key::returnKey{36}, Key::tab{48}, Key::space{49}, Key::deleteKey{51}, Key::escape{53},
    Key::help{114}, Key::home{115}, Key::pageUp{116}, Key::deleteForward{117}, Key::end{119},
    Key::pageDown{121}, Key::leftArrow{123}, Key::rightArrow{124}, Key::downArrow{125}, Key::upArrow{126};
const Key Key::f1{122}, Key::f2{120}, Key::f3{99}, Key::f4{118}, Key::f5{96}, Key::f6{97}, Key::f7{98},
    Key::f8{100}, Key::f9{101}, Key::f10{109}, Key::f11{103}, Key::f12{111}, Key::f13{105}, Key::f14{107},
    Key::f15{113}, Key::f16{106}, Key::f17{64}, Key::f18{79}, Key::f19{80}, Key::f20{90};
const Key Key::keypad0{82}, Key::keypad1{83}, Key::keypad2{84}, Key::keypad3{85}, Key::keypad4{86},
    Key::keypad5{87}, Key::keypad6{88}, Key::keypad7{89}, Key::keypad8{91}, Key::keypad9{92},
    Key::keypadClear{71}, Key::keypadDecimal{65}, Key::keypadDivide{75}, Key::keypadEnter{76},
    Key::keypadEquals{81}, Key::keypadMinus{78}, Key::keypadMultiply{67}, Key::keypadPlus{69};
// clang-format on

bool Key::hasSynthesizedFunctionModifier() const
{
    static const std::array<Key, 31> keys = {
        f1, f2, f3, f4, f5, f6, f7, f8, f9, f10, f11, f12, f13, f14, f15, f16, f17, f18, f19, f20,
        help, deleteForward, keypadClear, home, end, pageUp, pageDown,
        upArrow, rightArrow, downArrow, leftArrow};
    return std::find(keys.begin(), keys.end(), *this) != keys.end();
}

std::optional<KeyModifiers::Flag> Key::modifierFlag() const
{
    switch (code) {
    case 54:
    case 55:
        return KeyModifiers::command;
    case 56:
    case 60:
        return KeyModifiers::shift;
    case 58:
    case 61:
        return KeyModifiers::option;
    case 59:
    case 62:
        return KeyModifiers::control;
    default:
        return std::nullopt;
    }
}
