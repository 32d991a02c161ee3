#include "platform/x11/x11sound.h"

#include <QApplication>

void X11Sound::beep()
{
    QApplication::beep();
}
