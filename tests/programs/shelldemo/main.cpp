// Shows pieces of the app shell in a chosen state on the current X display:
//   shelldemo resultpanel working|failed|result|done|streaming|changes|undo [TEXT] [--no-replace] [--dark]
//       a text window with a selection, and the result panel beside the selection's end
//   shelldemo tray [--working | --error TEXT | --history]
//       the tray icon and its menu with the controller in that state
#include "actions/appnotifications.h"
#include "actions/controllerstatus.h"
#include "actions/recentresults.h"
#include "actions/resultpanel.h"
#include "app/apptranslations.h"
#include "ai/worddiff.h"
#include "app/ringleapp.h"
#include "platform/fake/memorydefaults.h"
#include "platform/screencoordinates.h"
#include "platform/platform.h"
#include "platform/x11/x11platform.h"
#include "ui/resultpanelwindow.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>

namespace {
const char sampleText[] = "Dear team,\n\nThanks for the quick turnaround on the draft. Their going to review the "
                          "numbers tomorow and get back to us before the meeting.\n\nBest,\nAnna";
const char sampleSelection[] = "Their going to review the numbers tomorow and get back to us before the meeting.";
const char sampleResult[] = "They're going to review the numbers tomorrow and get back to us before the meeting.";
// Part of the result, as the panel shows it while the model is still writing.
const char sampleWritten[] = "They're going to review the numbers tomorrow and get";

// The colours of a dark desktop theme.
QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x2b, 0x2d, 0x31));
    palette.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xea));
    palette.setColor(QPalette::Base, QColor(0x1f, 0x20, 0x23));
    palette.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xea));
    palette.setColor(QPalette::Button, QColor(0x3a, 0x3c, 0x41));
    palette.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xea));
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x7e, 0xd9));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

int usage()
{
    std::fputs("usage: shelldemo resultpanel working|failed|result|done|streaming|changes|undo [TEXT] [--no-replace] "
               "[--dark]\n"
               "       shelldemo tray [--working | --error TEXT | --history]\n",
               stderr);
    return 2;
}

int showResultPanel(QApplication &app, const QStringList &args)
{
    const QString kind = args.value(0);
    const bool offerReplace = !args.contains(QStringLiteral("--no-replace"));
    if (args.contains(QStringLiteral("--dark")))
        QApplication::setPalette(darkPalette());
    QString text = args.size() > 1 && !args.at(1).startsWith(QLatin1String("--")) ? args.at(1) : QString();

    QTextEdit editor;
    editor.setWindowTitle(QStringLiteral("Notes"));
    editor.setPlainText(QString::fromUtf8(sampleText));
    editor.resize(560, 200);
    editor.move(120, 160);
    editor.show();
    QTextCursor cursor = editor.document()->find(QString::fromUtf8(sampleSelection));
    editor.setTextCursor(cursor);

    auto backend = X11Platform::create();
    if (!backend)
        return 1;
    const Platform ports = backend->platform();
    ResultPanel resultPanel(ports.screens, ports.inputMonitor, [](ResultPanelButtons &buttons) {
        return std::make_unique<ResultPanelWindow>(&buttons);
    });
    QObject::connect(&resultPanel, &ResultPanel::replaceChosen, [] { std::puts("replace"); });
    QObject::connect(&resultPanel, &ResultPanel::copyChosen, [] { std::puts("copy"); });

    QTimer::singleShot(800, &editor, [&] {
        // The anchor is the selection's end, as the caret locator would report it.
        const QRect end = editor.cursorRect(editor.textCursor());
        const QRect global(editor.viewport()->mapToGlobal(end.topLeft()), end.size());
        resultPanel.anchor = ScreenCoordinates::toYUp(QRectF(global), QGuiApplication::primaryScreen()->geometry());
        if (kind == QLatin1String("working"))
            resultPanel.show(ResultPanelState::working(text.isEmpty() ? QStringLiteral("Proofreading…") : text));
        else if (kind == QLatin1String("failed"))
            resultPanel.fail(text.isEmpty() ? QStringLiteral("The model did not answer.") : text);
        else if (kind == QLatin1String("done"))
            resultPanel.show(ResultPanelState::done());
        else if (kind == QLatin1String("undo"))
            resultPanel.offerUndo();
        else if (kind == QLatin1String("streaming"))
            resultPanel.show(ResultPanelState::streaming(QStringLiteral("Proofreading…"),
                                                         text.isEmpty() ? QString::fromUtf8(sampleWritten) : text),
                             offerReplace);
        else if (kind == QLatin1String("changes"))
            resultPanel.show(ResultPanelState::changed(QString::fromUtf8(sampleResult),
                                                       WordDiff::compare(QString::fromUtf8(sampleSelection),
                                                                         QString::fromUtf8(sampleResult))),
                             offerReplace);
        else
            resultPanel.show(ResultPanelState::result(text.isEmpty() ? QString::fromUtf8(sampleResult) : text),
                             offerReplace);
        std::puts("shown");
        std::fflush(stdout);
    });
    return app.exec();
}

int tray(QApplication &app, const QStringList &args)
{
    MemoryDefaults defaults;
    ControllerStatus status;
    AppNotifications notifications;
    RingleApp shell(defaults, status, notifications);
    if (args.value(0) == QLatin1String("--working"))
        status.setWorking(true);
    else if (args.value(0) == QLatin1String("--error"))
        status.setLastError(args.value(1));
    if (args.value(0) == QLatin1String("--history")) {
        RecentResults &results = status.results();
        results.add(QStringLiteral("Summarize"), QStringLiteral("The team reviews the numbers tomorrow and reports back before the meeting."));
        results.add(QStringLiteral("Translate"), QStringLiteral("Das Team prüft morgen die Zahlen."));
        results.add(QStringLiteral("Proofread"), QString::fromUtf8(sampleResult));
        results.setCanUndo(true);
    }
    shell.start();
    return app.exec();
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // In the desktop's language, as the app is.
    const AppTranslations translations;
    const QStringList args = app.arguments().mid(1);
    const QStringList kinds{"working", "failed", "result", "done", "streaming", "changes", "undo"};
    if (args.value(0) == QLatin1String("resultpanel") && kinds.contains(args.value(1)))
        return showResultPanel(app, args.mid(1));
    if (args.value(0) == QLatin1String("tray"))
        return tray(app, args.mid(1));
    return usage();
}
