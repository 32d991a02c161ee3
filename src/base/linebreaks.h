#pragma once

#include <QChar>

// The characters that end a line in Unicode: LF, VT, FF, CR, NEL, LS and PS.
inline bool isLineBreak(QChar c)
{
    switch (c.unicode()) {
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case 0x85:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}
