#include "actions/resultpanelgeometry.h"
#include "ui/resultpanelwindow.h"
#include "ui/resultbutton.h"
#include "ui/wrappedtext.h"

#include <QScrollArea>
#include <QTest>

class TestResultPanelWindow final : public QObject {
    Q_OBJECT

    static QSizeF show(ResultPanelWindow &panel, const ResultPanelState &state, bool offersReplace = true)
    {
        const qreal height = state.takesClicks() ? ResultPanelGeometry::answerHeight(panel.answerTextHeight(state.text)) : 0;
        return panel.setContent(state, height, offersReplace, ResultPanelGeometry::proposedSize(state.kind));
    }

private Q_SLOTS:
    void longWordsWrapInsteadOfBeingCut()
    {
        WrappedText text;
        text.setText(QStringLiteral("http://127.0.0.1:11434/v1/chat/completions/and/a/much/longer/path/than/fits"));
        const int oneLine = text.heightForWidth(10000);
        QVERIFY(text.naturalWidth() > 200);
        QVERIFY(text.heightForWidth(120) >= 3 * oneLine);
    }

    void resultFitsTheAnswerWidthAndItsButtons()
    {
        ResultPanelWindow panel;
        const QSizeF size = show(panel, ResultPanelState::result(QStringLiteral("A short answer.")));
        QVERIFY(size.width() >= ResultPanelGeometry::answerWidth && size.width() <= 380);
        QVERIFY(size.height() < 120);
        QCOMPARE(panel.answerArea()->height(), qCeil(ResultPanelGeometry::answerHeight(panel.answerTextHeight("A short answer."))));
        QVERIFY(!panel.replaceButton()->isHidden());
        QVERIFY(panel.replaceButton()->isProminent());
        QVERIFY(!panel.copyButton()->isProminent());

        // Alone, Copy is the prominent one.
        show(panel, ResultPanelState::result(QStringLiteral("A short answer.")), false);
        QVERIFY(panel.replaceButton()->isHidden());
        QVERIFY(panel.copyButton()->isProminent());
    }

    void longAnswersScrollInACappedArea()
    {
        ResultPanelWindow panel;
        const QString answer = QString(QStringLiteral("A line of the answer.\n")).repeated(60);
        QVERIFY(panel.answerTextHeight(answer) > ResultPanelGeometry::maximumAnswerHeight);
        const QSizeF size = show(panel, ResultPanelState::result(answer));
        QCOMPARE(panel.answerArea()->height(), int(ResultPanelGeometry::maximumAnswerHeight));
        QVERIFY(size.height() <= 340);
        QVERIFY(panel.answerArea()->widget()->height() > panel.answerArea()->height());
    }

    void statusStatesTakeTheirTextsWidth()
    {
        ResultPanelWindow panel;
        const QSizeF working = show(panel, ResultPanelState::working(QStringLiteral("Proofreading…")));
        QVERIFY(working.width() < 200);
        QCOMPARE(panel.messageText()->text(), QStringLiteral("Proofreading…"));
        QVERIFY(panel.answerArea()->isHidden());
        QVERIFY(panel.copyButton()->isHidden() || panel.copyButton()->parentWidget()->isHidden());

        show(panel, ResultPanelState::done());
        QCOMPARE(panel.messageText()->text(), QStringLiteral("Done"));

        // A long message wraps within the width the content may take.
        const QString message = QString(QStringLiteral("The local model server did not answer in time. ")).repeated(4);
        const QSizeF failed = show(panel, ResultPanelState::failed(message));
        QVERIFY(failed.width() <= 340);
        // Going back and forth between states gives each its own size.
        show(panel, ResultPanelState::result(QStringLiteral("An answer")));
        QCOMPARE(show(panel, ResultPanelState::working(QStringLiteral("Proofreading…"))), working);
        QVERIFY2(failed.height() > 2 * working.height(), qPrintable(QStringLiteral("%1 %2 %3").arg(failed.height()).arg(working.height()).arg(panel.messageText()->height())));
    }
};

QTEST_MAIN(TestResultPanelWindow)
#include "test_resultpanelwindow.moc"
