#include "base/ringleerror.h"

#include <QTest>

class TestRingleError final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void messages_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("payload");
        QTest::addColumn<QString>("message");
        using K = RingleError::Kind;
        auto row = [](const char *name, K k, const char *payload, const char *message) {
            QTest::newRow(name) << int(k) << QString::fromUtf8(payload) << QString::fromUtf8(message);
        };
        row("modelUnavailable", K::modelUnavailable, "not ready", "Apple Intelligence is unavailable (not ready).");
        row("alreadyInLanguage", K::alreadyInLanguage, "German", "The text is already in German.");
        row("shortcutFailed", K::shortcutFailed, "boom", "The shortcut failed: boom");
        row("wrongLanguage", K::wrongLanguage, "French", "The response wasn't in French, so nothing was replaced.");
        row("localModelUnreachable", K::localModelUnreachable, "LM Studio", "Can't reach LM Studio. Is it running, with its server started?");
        row("localModelFailed", K::localModelFailed, "HTTP 500", "The local model failed: HTTP 500");
        row("nothingSelected", K::nothingSelected, "", "No text selected, or the app doesn't allow copying.");
        row("focusChanged", K::focusChanged, "", "You switched apps while the AI was working. The result is on the clipboard.");
        row("suspiciousResult", K::suspiciousResult, "", "The response didn't look like a correction, so nothing was replaced.");
        row("textTooLong", K::textTooLong, "", "The text is too long. Select less text and try again.");
        row("localModelNotChosen", K::localModelNotChosen, "", "Choose a model under Settings → General → Model.");
    }
    void messages()
    {
        QFETCH(int, kind);
        QFETCH(QString, payload);
        QFETCH(QString, message);
        const RingleError error(static_cast<RingleError::Kind>(kind), payload);
        QCOMPARE(error.errorDescription(), message);
        QCOMPARE(QString::fromUtf8(error.what()), message);
    }

    void thrownThroughStdException()
    {
        try {
            throw RingleError::nothingSelected();
        } catch (const std::exception &e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("No text selected, or the app doesn't allow copying."));
        }
    }
};

QTEST_GUILESS_MAIN(TestRingleError)
#include "test_ringleerror.moc"
