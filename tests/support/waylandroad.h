#pragma once

#include "lineprocess.h"
#include "modelserverprocess.h"
#include "testsupport.h"
#include "waylandtestsupport.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

namespace TestSupport {
class RingleProcess;

// The road from the shortcut to a replaced selection on a Wayland desktop, as a user takes it and
// as every Wayland desktop's end-to-end test runs it: the real app, native apps in front, a model
// server on loopback, the user's own multi-type clipboard owned by another client. The cases
// report through QTest; call them from a test slot.
class WaylandRoad final {
public:
    static constexpr QPoint centre{640, 420};
    static inline const QString shortcut = QStringLiteral("ctrl+alt+h");

    // `desktop` prefixes the screenshots' names ("wayland", "kwin").
    explicit WaylandRoad(QString desktop)
        : m_desktop(std::move(desktop))
    {
    }

    ModelServerProcess &server() { return m_server; }
    WaylandInput &input() { return m_input; }

    // For initTestCase, init and cleanup.
    void start();
    void beginCase();
    void endCase();

    // The app started on the model server that proofreads `typo`, and the editor holding it selected.
    std::unique_ptr<LineProcess> readyToProofread(RingleProcess &ringle, bool replaceDirectly);
    bool gesture(int dx, int dy, const QString &combo = shortcut) { return m_input.shortcutGesture(combo, centre, dx, dy); }
    void verifyUserClipboardBack();
    // The app's whole transcript when the case failed, which QVERIFY2 would cut short.
    static void sayOnFailure(RingleProcess &ringle);
    // The clipboard's content as a second data-control client reads it.
    static Formats clipboardNow();

    // `program`: the app, or a copy of it the desktop grants less.
    void proofreadReplacesDirectly(const QString &program = {});
    void resultPanelReplaceIsClicked();
    // A proofread of all of mousepad's text, replaced directly.
    // `untilInFront` waits until mousepad (of that process id) is the app in front.
    void mousepadIsProofreadInPlace(const std::function<bool(RingleProcess &, qint64 pid)> &untilInFront);
    // A streamed proofread of all of mousepad's text, replaced from the panel, then undone.
    // `untilInFront` as above.
    void mousepadProofreadIsReviewedReplacedAndUndone(const std::function<bool(RingleProcess &, qint64 pid)> &untilInFront);
    void keyCombinationSlotActsOnTheEditor();
    // A set bound to the test editor, whose first ring selects all, opens over it. `untilInFront`,
    // where given, waits until the desktop has told Ringle the editor is in front.
    void theSetOfTheEditorIsChosen(const std::function<bool(RingleProcess &)> &untilInFront = {});
    void askTakesTheKeyboardAndGivesItBack();

private:
    // Mousepad's whole text, selected and copied out of it.
    void verifyMousepadHolds(const QString &text);

    QString m_desktop;
    ModelServerProcess m_server;
    WaylandInput m_input;
    Formats m_userContent{{QStringLiteral("text/plain;charset=utf-8"), QByteArrayLiteral("the user's own copy")},
                          {QStringLiteral("text/html"), QByteArrayLiteral("<b>the user's own copy</b>")},
                          {QStringLiteral("application/x-ringle-test"), QByteArray("\0\1\2\3", 4)}};
    std::unique_ptr<LineProcess> m_clipboardOwner;
};
} // namespace TestSupport
