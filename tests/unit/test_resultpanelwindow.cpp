#include "actions/resultpanelgeometry.h"
#include "ui/resultpanelwindow.h"
#include "ui/resultbutton.h"
#include "ui/wrappedtext.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

class TestResultPanelWindow final : public QObject {
    Q_OBJECT

    static QSizeF show(ResultPanelWindow &panel, const ResultPanelState &state, bool offersReplace = true)
    {
        const qreal height = state.showsAnswer() ? ResultPanelGeometry::answerHeight(panel.answerTextHeight(state)) : 0;
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
        QCOMPARE(panel.answerArea()->height(), qCeil(ResultPanelGeometry::answerHeight(panel.answerTextHeight(ResultPanelState::result(QStringLiteral("A short answer."))))));
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
        QVERIFY(panel.answerTextHeight(ResultPanelState::result(answer)) > ResultPanelGeometry::maximumAnswerHeight);
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

    void anAnswerBeingWrittenKeepsItsNewestWordsInViewAndItsButtonsWaiting()
    {
        ResultPanelWindow panel;
        const QString written = QString(QStringLiteral("A line the model wrote.\n")).repeated(40);
        show(panel, ResultPanelState::streaming(QStringLiteral("Proofreading…"), written));
        QCOMPARE(panel.messageText()->text(), QStringLiteral("Proofreading…"));
        QVERIFY(!panel.stopButton()->isHidden());
        QVERIFY(!panel.copyButton()->isEnabled());
        QVERIFY(!panel.replaceButton()->isEnabled());
        const QScrollBar *bar = panel.answerArea()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());

        // Complete, the answer reads from its start and the buttons work; Stop is gone.
        show(panel, ResultPanelState::result(written));
        QVERIFY(panel.stopButton()->isHidden());
        QVERIFY(panel.copyButton()->isEnabled() && panel.replaceButton()->isEnabled());
        QCOMPARE(bar->value(), 0);
    }

    void changesAreMarkedUntilSwitchedToTheCleanText()
    {
        ResultPanelWindow panel;
        const QString before = QStringLiteral("Ths is a tset.");
        const QString after = QStringLiteral("This is a test.");
        show(panel, ResultPanelState::changed(after, WordDiff::compare(before, after)));
        QVERIFY(!panel.changesButton()->isHidden());
        // Marked, both the removed and the added words are there to read.
        QVERIFY(panel.answerText()->text().contains(QStringLiteral("Ths")));
        QVERIFY(panel.answerText()->text().contains(QStringLiteral("This")));

        panel.changesButton()->click();
        QCOMPARE(panel.answerText()->text(), after);
        QCOMPARE(panel.changesButton()->text(), QStringLiteral("Show Changes"));
        panel.changesButton()->click();
        QVERIFY(panel.answerText()->text().contains(QStringLiteral("Ths")));

        // A new result starts with its changes shown.
        panel.changesButton()->click();
        const QString other = QStringLiteral("This is an other test.");
        show(panel, ResultPanelState::changed(other, WordDiff::compare(after, other)));
        QVERIFY(panel.answerText()->text() != other);
        QCOMPARE(panel.changesButton()->text(), QStringLiteral("Hide Changes"));
    }

    void resultsSayWhyNothingCanReplaceTheText()
    {
        ResultPanelWindow panel;
        const QString text = QStringLiteral("Nothing to correct here.");
        show(panel, ResultPanelState::changed(text, WordDiff::compare(text, text)), false);
        QCOMPARE(panel.noteLabel()->text(), QStringLiteral("No changes."));
        QVERIFY(panel.changesButton()->isHidden());
        QCOMPARE(panel.answerText()->text(), text);

        show(panel, ResultPanelState::stoppedResult(QStringLiteral("Half an ans")), false);
        QCOMPARE(panel.noteLabel()->text(), QStringLiteral("Stopped."));

        show(panel, ResultPanelState::result(text));
        QVERIFY(panel.noteLabel()->isHidden());
    }

    void doneOffersUndoBesideItsMessage()
    {
        ResultPanelWindow panel;
        const QSizeF plain = show(panel, ResultPanelState::done());
        QVERIFY(panel.undoButton()->isHidden());
        const QSizeF withUndo = show(panel, ResultPanelState::doneWithUndo());
        QVERIFY(!panel.undoButton()->isHidden());
        QCOMPARE(panel.messageText()->text(), QStringLiteral("Done"));
        QVERIFY(withUndo.width() > plain.width());
    }
};

QTEST_MAIN(TestResultPanelWindow)
#include "test_resultpanelwindow.moc"
