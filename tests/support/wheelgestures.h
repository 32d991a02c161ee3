#pragma once

#include <QPoint>
#include <QString>

namespace TestSupport {
class RingleProcess;

// A sentence with two typing mistakes and its proofread form, for the model server to answer.
inline const QString typo = QStringLiteral("Ths sentence has a tpyo in it.");
inline const QString fixed = QStringLiteral("This sentence has a typo in it.");
// Where the wheel opens: the middle of the test screen, over nothing in particular.
inline const QPoint wheelCentre(640, 420);

// Ctrl+Alt+H held at the wheel centre while the pointer moves by (dx, dy), then released. On a
// heavily loaded machine a synthetic press has now and then not reached the app although it held the
// grab and was idle; such a press is said and sent once more.
bool shortcutGesture(RingleProcess &ringle, int dx, int dy);
// Ctrl+Alt held with the right button pressed at the wheel centre, dragged by (dx, dy) and released.
bool mouseGesture(int dx, int dy);
} // namespace TestSupport
