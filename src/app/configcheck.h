#pragma once

#include <QTextStream>

class UserDefaults;

// `ringle --check-config`: loads the stored configuration the way the app does at start and prints
// what it found, so a user can see whether a hand-edited or migrated file is read as intended.
namespace ConfigCheck {
int run(UserDefaults &defaults, QTextStream &out);
} // namespace ConfigCheck
