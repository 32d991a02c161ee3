// The first start's search for a local model server, against real servers on loopback: which one is
// chosen, what is stored, and that a choice already made is never touched.
#include "app/firstrunprobe.h"
#include "modelserverprocess.h"
#include "platform/fake/memorydefaults.h"

#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<ModelProvider>)

namespace {
const QString providerKey = QStringLiteral("modelProvider");
const QString nameKey = QStringLiteral("modelName");
const QUrl nobody(QStringLiteral("http://127.0.0.1:9"));
} // namespace

class TestFirstRunProbe final : public QObject {
    Q_OBJECT

    ModelServerProcess m_ollama;
    ModelServerProcess m_lmStudio;

    QList<FirstRunProbe::Candidate> candidates(bool ollamaUp, bool lmStudioUp) const
    {
        return {{ModelProvider::ollama, ollamaUp ? m_ollama.url() : nobody},
                {ModelProvider::lmStudio, lmStudioUp ? m_lmStudio.url() : nobody}};
    }

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<std::optional<ModelProvider>>();
        QVERIFY(m_ollama.isRunning() && m_lmStudio.isRunning());
        QVERIFY(m_ollama.setDefault(ModelServerProcess::modelList({QStringLiteral("llama3.2"), QStringLiteral("gemma")})));
        QVERIFY(m_lmStudio.setDefault(ModelServerProcess::modelList({QStringLiteral("qwen")})));
    }

    void theFirstServerThatAnswersIsStored_data()
    {
        QTest::addColumn<bool>("ollamaUp");
        QTest::addColumn<bool>("lmStudioUp");
        QTest::addColumn<QString>("provider"); // empty: nothing stored
        QTest::addColumn<QString>("model");
        QTest::newRow("both") << true << true << "ollama" << "gemma";
        QTest::newRow("only LM Studio") << false << true << "lmStudio" << "qwen";
        QTest::newRow("none") << false << false << QString() << QString();
    }

    void theFirstServerThatAnswersIsStored()
    {
        QFETCH(bool, ollamaUp);
        QFETCH(bool, lmStudioUp);
        QFETCH(QString, provider);
        QFETCH(QString, model);
        MemoryDefaults defaults;
        QVERIFY(FirstRunProbe::isNeeded(defaults));
        FirstRunProbe probe(defaults, candidates(ollamaUp, lmStudioUp));
        QSignalSpy finished(&probe, &FirstRunProbe::finished);
        probe.start();
        QVERIFY(defaults.keys().isEmpty()); // not on the caller's path
        QVERIFY(finished.wait(5000));
        const auto stored = finished.at(0).at(0).value<std::optional<ModelProvider>>();
        QCOMPARE(stored ? ModelProviders::rawValue(*stored) : QString(), provider);
        QCOMPARE(defaults.stringValue(providerKey).value_or(QString()), provider);
        QCOMPARE(defaults.stringValue(nameKey).value_or(QString()), model);
        QCOMPARE(FirstRunProbe::isNeeded(defaults), provider.isEmpty());
    }

    void aServerWithoutModelsIsStillChosen()
    {
        ModelServerProcess empty;
        QVERIFY(empty.setDefault(ModelServerProcess::modelList({})));
        MemoryDefaults defaults;
        FirstRunProbe probe(defaults, {{ModelProvider::ollama, empty.url()}});
        QSignalSpy finished(&probe, &FirstRunProbe::finished);
        probe.start();
        QVERIFY(finished.wait(5000));
        QCOMPARE(defaults.stringValue(providerKey), QStringLiteral("ollama"));
        QCOMPARE(defaults.stringValue(nameKey), QString());
    }

    // A choice made before the search, or while it waits for a server, stays as it is.
    void aStoredChoiceIsNeverChanged_data()
    {
        QTest::addColumn<bool>("storedBefore");
        QTest::newRow("stored before") << true;
        QTest::newRow("stored while asking") << false;
    }

    void aStoredChoiceIsNeverChanged()
    {
        QFETCH(bool, storedBefore);
        MemoryDefaults defaults;
        if (storedBefore)
            defaults.setString(providerKey, QStringLiteral("apple"));
        if (!storedBefore) {
            QVERIFY(m_ollama.enqueue(ModelServerProcess::delayed(ModelServerProcess::modelList({QStringLiteral("late")}), 500)));
        }
        m_ollama.forgetEvents();
        FirstRunProbe probe(defaults, candidates(true, true));
        QSignalSpy finished(&probe, &FirstRunProbe::finished);
        probe.start();
        if (!storedBefore) {
            QTRY_COMPARE(m_ollama.requests(0, 0).size(), 1);
            defaults.setString(providerKey, QStringLiteral("apple"));
        }
        QVERIFY(finished.wait(5000));
        QVERIFY(!finished.at(0).at(0).value<std::optional<ModelProvider>>());
        QCOMPARE(defaults.stringValue(providerKey), QStringLiteral("apple"));
        QVERIFY(!defaults.value(nameKey));
        if (storedBefore)
            QCOMPARE(m_ollama.requests(0, 0).size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFirstRunProbe)
#include "test_firstrunprobe.moc"
