// The General tab over a real model server on loopback (the test model server): when the model
// list loads, what a late answer may change, what the status row says, the mouse row's rules, the
// status block, and that every value lands typed as `ringle config` reads it.
#include "actions/controllerstatus.h"
#include "ai/aiengine.h"
#include "ai/localmodelclient.h"
#include "app/configkeys.h"
#include "globalshortcuts/registry.h"
#include "modelserverprocess.h"
#include "platform/fake/fakeaccessibilityswitch.h"
#include "platform/fake/fakehotkeyservice.h"
#include "platform/fake/fakekeyboardlayout.h"
#include "platform/fake/fakeondevicemodel.h"
#include "platform/fake/memorydefaults.h"
#include "ui/desktopstatusrows.h"
#include "ui/generalsettingsview.h"
#include "ui/modelsettingssection.h"
#include "ui/settingscontext.h"
#include "ui/statuslabel.h"
#include "ui/wheelmouserow.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using Flag = KeyModifiers::Flag;

namespace {
const QString providerKey = QStringLiteral("modelProvider");
const QString serverKey = QStringLiteral("modelServer");
const QString nameKey = QStringLiteral("modelName");

// The address of a port nothing listens on.
QString deadAddress()
{
    return QStringLiteral("http://127.0.0.1:9");
}
} // namespace

class TestGeneralSettings final : public QObject {
    Q_OBJECT

    struct Fixture {
        MemoryDefaults defaults;
        FakeHotKeyService hotKeys;
        GlobalShortcuts::Registry shortcuts{defaults, hotKeys, nullptr};
        FakeKeyboardLayout layout;
        LocalModelClient client;
        FakeOnDeviceModel onDevice;
        AIEngine engine{defaults, client, onDevice};
        FakeAccessibilitySwitch accessibility;
        ControllerStatus controller;
        SettingsContext context{defaults, shortcuts, layout, engine, client, accessibility, controller,
                                nullptr, {}, {}};
    };

    ModelServerProcess m_server;
    ModelServerProcess m_otherServer;
    std::unique_ptr<Fixture> m_fixture;
    std::unique_ptr<GeneralSettingsView> m_view;

    MemoryDefaults &defaults() { return m_fixture->defaults; }
    ModelSettingsSection &model() { return *m_view->modelSection(); }

    void showView()
    {
        m_view = std::make_unique<GeneralSettingsView>(m_fixture->context);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }

    // Waits until the section's pending and running loads are over.
    bool settled()
    {
        return QTest::qWaitFor([this] {
            return !model().isLoadPending() && model().connection() != ModelSettingsSection::Connection::checking;
        });
    }

    int requestCount(ModelServerProcess &server) { return int(server.requests(0, 0).size()); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_server.isRunning());
        QVERIFY(m_otherServer.isRunning());
    }

    void init()
    {
        m_fixture = std::make_unique<Fixture>();
        QVERIFY(m_server.setDefault(ModelServerProcess::modelList({QStringLiteral("model-b"), QStringLiteral("model-a")})));
        QVERIFY(m_otherServer.setDefault(ModelServerProcess::modelList({QStringLiteral("other-model")})));
        m_server.forgetEvents();
        m_otherServer.forgetEvents();
    }

    void cleanup()
    {
        m_view.reset();
        m_fixture.reset();
    }

    void typingLoadsOnceAfterTheLastKeystroke()
    {
        defaults().setString(providerKey, QStringLiteral("other"));
        defaults().setString(serverKey, m_server.url().toString());
        showView();
        QVERIFY(settled());
        QCOMPARE(model().models(), (QStringList{QStringLiteral("model-a"), QStringLiteral("model-b")}));
        QCOMPARE(defaults().stringValue(nameKey), QStringLiteral("model-a"));
        m_server.forgetEvents();

        QLineEdit *field = model().serverField();
        field->setFocus();
        field->selectAll();
        const QString address = m_server.url().toString();
        QTest::keyClicks(field, address.chopped(1), Qt::NoModifier, 60);
        QTest::qWait(60);
        QElapsedTimer sinceLastKey;
        sinceLastKey.start();
        QTest::keyClick(field, address.back().toLatin1());
        QCOMPARE(requestCount(m_server), 0);
        QTRY_COMPARE_WITH_TIMEOUT(requestCount(m_server), 1, 3000);
        QVERIFY2(sinceLastKey.elapsed() >= 400, qPrintable(QString::number(sinceLastKey.elapsed())));
        QVERIFY2(sinceLastKey.elapsed() < 1500, qPrintable(QString::number(sinceLastKey.elapsed())));
        QTest::qWait(800);
        QCOMPARE(requestCount(m_server), 1);
        QCOMPARE(defaults().stringValue(serverKey), m_server.url().toString());
    }

    void switchingTheProviderEmptiesServerAndModel()
    {
        defaults().setString(providerKey, QStringLiteral("lmStudio"));
        defaults().setString(serverKey, m_server.url().toString());
        defaults().setString(nameKey, QStringLiteral("model-b"));
        showView();
        QVERIFY(settled());
        QCOMPARE(model().serverField()->placeholderText(), QStringLiteral("http://localhost:1234"));
        QVERIFY(model().modelPicker()->isVisible());

        model().providerPicker()->setCurrentIndex(2);
        Q_EMIT model().providerPicker()->activated(2);
        QCOMPARE(defaults().stringValue(providerKey), QStringLiteral("ollama"));
        QCOMPARE(defaults().stringValue(serverKey), QString());
        QCOMPARE(defaults().stringValue(nameKey), QString());
        QCOMPARE(model().serverField()->text(), QString());
        QCOMPARE(model().serverField()->placeholderText(), QStringLiteral("http://localhost:11434"));
        QVERIFY(model().models().isEmpty());
        QVERIFY(!model().modelPicker()->isVisible());
        QCOMPARE(model().modelNameLabel()->text(), QStringLiteral("No models found"));
        QVERIFY(model().isLoadPending());
        QCOMPARE(model().footnoteLabel()->text(),
                 QStringLiteral("Start the server in Ollama and load a model first. The model is used for every action, "
                                "including Ask."));

        Q_EMIT model().providerPicker()->activated(0);
        QVERIFY(!model().serverField()->isVisible());
        QVERIFY(!model().modelNameLabel()->isVisible());
        QVERIFY(m_view->onDeviceStatus()->isVisible());
    }

    // An answer about the server asked before the provider changed must change nothing.
    void aLateAnswerAboutTheOldServerIsDropped_data()
    {
        QTest::addColumn<bool>("newServerAnswers");
        QTest::newRow("the new server answers first") << true;
        QTest::newRow("the new server is down") << false;
    }

    void aLateAnswerAboutTheOldServerIsDropped()
    {
        QFETCH(bool, newServerAnswers);
        QVERIFY(m_server.enqueue(ModelServerProcess::delayed(ModelServerProcess::modelList({QStringLiteral("lm-model")}), 1500)));
        defaults().setString(providerKey, QStringLiteral("lmStudio"));
        defaults().setString(serverKey, m_server.url().toString());
        showView();
        QTRY_COMPARE_WITH_TIMEOUT(requestCount(m_server), 1, 3000);
        QCOMPARE(model().statusText(), QStringLiteral("Connecting…"));

        Q_EMIT model().providerPicker()->activated(2);
        defaults().setString(serverKey, newServerAnswers ? m_otherServer.url().toString() : deadAddress());
        QVERIFY(settled());
        // Long enough for the old server's answer to have arrived.
        QTest::qWait(1700);
        QVERIFY(settled());
        if (newServerAnswers) {
            QCOMPARE(model().models(), QStringList{QStringLiteral("other-model")});
            QCOMPARE(defaults().stringValue(nameKey), QStringLiteral("other-model"));
            QCOMPARE(model().statusText(), QStringLiteral("Connected"));
        } else {
            QVERIFY(model().models().isEmpty());
            QCOMPARE(defaults().stringValue(nameKey), QString());
            QCOMPARE(model().statusText(), QStringLiteral("Can't reach Ollama. Is it running, with its server started?"));
        }
    }

    void statusRowReportsWhatTheServerSaid_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("modelName");
        const QString kept = QStringLiteral("kept-model");
        QTest::newRow("no models") << QString() << QStringList() << QStringLiteral(
            "Connected, but no models are available. Load or download a model first.") << QString();
        QTest::newRow("invalid address") << QStringLiteral("http://") << QStringList() << QStringLiteral(
            "The server address isn't valid.") << kept;
        QTest::newRow("unreachable") << deadAddress() << QStringList() << QStringLiteral(
            "Can't reach the local model server. Is it running, with its server started?") << kept;
        QTest::newRow("stored model listed") << QString() << QStringList{QStringLiteral("a"), kept}
                                             << QStringLiteral("Connected") << kept;
        QTest::newRow("stored model gone") << QString() << QStringList{QStringLiteral("b"), QStringLiteral("c")}
                                           << QStringLiteral("Connected") << QStringLiteral("b");
    }

    void statusRowReportsWhatTheServerSaid()
    {
        QFETCH(QString, server);
        QFETCH(QStringList, listed);
        QFETCH(QString, status);
        QFETCH(QString, modelName);
        QVERIFY(m_server.setDefault(ModelServerProcess::modelList(listed)));
        defaults().setString(providerKey, QStringLiteral("other"));
        defaults().setString(serverKey, server.isEmpty() ? m_server.url().toString() : server);
        defaults().setString(nameKey, QStringLiteral("kept-model"));
        showView();
        QVERIFY(settled());
        QCOMPARE(model().statusText(), status);
        QCOMPARE(defaults().stringValue(nameKey).value_or(QString()), modelName);
        QCOMPARE(model().models().size(), status == QLatin1String("Connected") ? listed.size() : 0);
        QCOMPARE(m_view->findChild<StatusLabel *>()->isGood() || model().statusText() != QLatin1String("Connected"), true);
    }

    void loadsAndRefreshesOnlyWhileShown()
    {
        defaults().setString(providerKey, QStringLiteral("other"));
        defaults().setString(serverKey, m_server.url().toString());
        showView();
        QVERIFY(m_view->isRefreshing());
        QVERIFY(settled());
        m_view->hide();
        QVERIFY(!m_view->isRefreshing());
        m_server.forgetEvents();
        defaults().setString(serverKey, m_otherServer.url().toString());
        QVERIFY(!model().isLoadPending());
        QTest::qWait(600);
        QCOMPARE(requestCount(m_otherServer), 0);

        m_view->show();
        QCOMPARE(model().statusText(), QStringLiteral("Connecting…"));
        QTRY_COMPARE_WITH_TIMEOUT(requestCount(m_otherServer), 1, 3000);
    }

    // Right button: at least one modifier. Other buttons: any.
    void theRightButtonKeepsAModifier_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("clicked"); // the toggle clicked, or 0 to choose the right button
        QTest::addColumn<int>("expected");
        QTest::addColumn<QList<bool>>("enabled"); // Ctrl, Alt, Shift, Super afterwards
        const QList<bool> all{true, true, true, true};
        QTest::newRow("right chosen without modifiers") << "middle" << 0 << 0 << 3 << all;
        QTest::newRow("right chosen with Shift") << "middle" << 4 << 0 << 4 << QList<bool>{true, true, false, true};
        QTest::newRow("last modifier of right stays") << "right" << 2 << int(Flag::option) << 2
                                                      << QList<bool>{true, false, true, true};
        QTest::newRow("one of two modifiers goes") << "right" << 3 << int(Flag::control) << 2
                                                   << QList<bool>{true, false, true, true};
        QTest::newRow("middle may drop its last") << "middle" << 8 << int(Flag::command) << 0 << all;
        QTest::newRow("Super added") << "right" << 1 << int(Flag::command) << 9 << all;
    }

    void theRightButtonKeepsAModifier()
    {
        QFETCH(QString, button);
        QFETCH(int, modifiers);
        QFETCH(int, clicked);
        QFETCH(int, expected);
        QFETCH(QList<bool>, enabled);
        defaults().setString(QStringLiteral("wheelMouseButton"), button);
        defaults().setInt(QStringLiteral("wheelMouseModifiers"), modifiers);
        showView();
        WheelMouseRow &row = *m_view->mouseRow();
        if (clicked == 0) {
            row.buttonPicker()->setCurrentIndex(1);
            Q_EMIT row.buttonPicker()->activated(1);
        } else {
            QAbstractButton *toggle = row.modifierToggle(Flag(clicked));
            // A disabled toggle ignores clicks; the row refuses the change even when forced.
            if (toggle->isEnabled())
                toggle->click();
            else
                toggle->toggle();
        }
        QCOMPARE(defaults().intValue(QStringLiteral("wheelMouseModifiers")), qint64(expected));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(row.modifierToggle(WheelMouseRow::modifierOrder[i])->isEnabled(), enabled.at(i));
            QCOMPARE(row.modifierToggle(WheelMouseRow::modifierOrder[i])->isChecked(),
                     bool(expected & WheelMouseRow::modifierOrder[i]));
        }
    }

    void theExplanationFollowsTheMouseSettings()
    {
        showView();
        const QString tail = QStringLiteral(
            "then move the mouse in a direction and release. Scroll to switch rings. Release in the center to cancel.");
        QCOMPARE(m_view->mouseExplanation()->text(),
                 QStringLiteral("Hold the keyboard shortcut, or hold Ctrl+Alt and right-click, ") + tail);
        Q_EMIT m_view->mouseRow()->buttonPicker()->activated(0);
        QCOMPARE(m_view->mouseExplanation()->text(), QStringLiteral("Hold the keyboard shortcut, ") + tail);
    }

    void theLastErrorRowFollowsTheController()
    {
        showView();
        QVERIFY(!m_view->lastError()->isVisible());
        m_fixture->controller.setLastError(QStringLiteral("No text selected, or the app doesn't allow copying."));
        QVERIFY(m_view->lastError()->isVisible());
        QCOMPARE(m_view->lastError()->text(), QStringLiteral("No text selected, or the app doesn't allow copying."));
        m_fixture->controller.setLastError(std::nullopt);
        QVERIFY(!m_view->lastError()->isVisible());
    }

    void theStatusBlockIsRefreshedEverySecond()
    {
        m_fixture->accessibility.current = AccessibilityStatus::State::notEnabled;
        m_fixture->onDevice.setAvailability({false, QStringLiteral("no model")});
        showView();
        QTRY_COMPARE(m_view->accessibilityStatus()->text(),
                     GeneralSettingsView::accessibilityText(AccessibilityStatus::State::notEnabled));
        QVERIFY(m_view->turnOnButton()->isVisible());
        QCOMPARE(m_view->onDeviceStatus()->text(), QStringLiteral("Unavailable (no model)"));

        m_fixture->onDevice.setAvailability({true, QString()});
        QTRY_COMPARE_WITH_TIMEOUT(m_view->onDeviceStatus()->text(), QStringLiteral("Ready"), 1500);

        m_view->turnOnButton()->click();
        QCOMPARE(m_fixture->accessibility.turnOnRequests, 1);
        QTRY_VERIFY(m_view->accessibilityStatus()->isGood());
        QVERIFY(!m_view->turnOnButton()->isVisible());

        m_fixture->accessibility.current = AccessibilityStatus::State::missing;
        QTRY_COMPARE_WITH_TIMEOUT(m_view->accessibilityStatus()->text(),
                                  GeneralSettingsView::accessibilityText(AccessibilityStatus::State::missing), 1500);
        QVERIFY(!m_view->turnOnButton()->isVisible());
    }

    // Only what is missing gets a row, so the tab fits small screens; a piece that starts working
    // (a tray that appears) loses its row when the tab shows again, and the rows stay above the
    // last error.
    void theStatusShowsOnlyWhatTheDesktopLacks()
    {
        const DesktopCapability tray{DesktopCapability::Kind::tray, false, QStringLiteral("no system tray runs"),
                                     QStringLiteral("Open the settings with \"ringle --settings\".")};
        QList<DesktopCapability> lines{
            {DesktopCapability::Kind::shortcut, true, QStringLiteral("grabbed from the X server"), {}},
            {DesktopCapability::Kind::accessibility, false, QStringLiteral("off"), QStringLiteral("Turn it on.")},
            {DesktopCapability::Kind::modelServer, false, QStringLiteral("none"), QStringLiteral("Start one.")},
            tray,
            {DesktopCapability::Kind::keystrokes, false, QStringLiteral("no virtual keyboard"), {}},
        };
        m_fixture->context.desktopCapabilities = [&lines] { return lines; };
        showView();
        DesktopStatusRows &rows = *m_view->desktopStatus();
        QVERIFY(!rows.row(DesktopCapability::Kind::shortcut));
        QVERIFY(!rows.row(DesktopCapability::Kind::accessibility));
        QVERIFY(!rows.row(DesktopCapability::Kind::modelServer));
        QCOMPARE(rows.row(DesktopCapability::Kind::tray)->text(),
                 QStringLiteral("No system tray runs. Open the settings with \"ringle --settings\"."));
        QCOMPARE(rows.row(DesktopCapability::Kind::keystrokes)->text(), QStringLiteral("No virtual keyboard."));

        const auto rowOf = [](QWidget *widget) {
            int row = -1;
            QFormLayout::ItemRole role;
            static_cast<QFormLayout *>(widget->parentWidget()->layout())->getWidgetPosition(widget, &row, &role);
            return row;
        };
        const int lastError = rowOf(m_view->lastError());
        QVERIFY(rowOf(rows.row(DesktopCapability::Kind::tray)) < lastError);

        lines[3].works = true;
        m_view->hide();
        m_view->show();
        QVERIFY(!rows.row(DesktopCapability::Kind::tray));
        QVERIFY(rows.row(DesktopCapability::Kind::keystrokes));
        lines[3] = tray;
        m_view->hide();
        m_view->show();
        QVERIFY(rowOf(rows.row(DesktopCapability::Kind::tray)) < rowOf(m_view->lastError()));
        QCOMPARE(rowOf(m_view->lastError()), lastError);
    }

    void startAtLoginShowsWhatHolds()
    {
        showView();
        QVERIFY(!m_view->startAtLogin());
        m_view.reset();

        bool enabled = false;
        bool writable = true;
        m_fixture->context.startsAtLogin = [&] { return enabled; };
        m_fixture->context.setStartsAtLogin = [&](bool on) {
            if (!writable)
                return QStringLiteral("Could not create the folder /nowhere.");
            enabled = on;
            return QString();
        };
        showView();
        QCheckBox *box = m_view->startAtLogin();
        QVERIFY(box && !box->isChecked());
        box->click();
        QVERIFY(enabled && box->isChecked());
        writable = false;
        box->click();
        QVERIFY(enabled && box->isChecked());
        bool told = false;
        for (QLabel *label : m_view->findChildren<QLabel *>())
            told = told || (label->isVisible() && label->text() == QLatin1String("Could not create the folder /nowhere."));
        QVERIFY(told);
        // Removed by hand while the window was closed.
        m_view->hide();
        enabled = false;
        m_view->show();
        QVERIFY(!box->isChecked());
    }

    // What the tab writes, `ringle config` reads back with the type it expects.
    void everyValueIsStoredTyped()
    {
        showView();
        const auto toggles = m_view->findChildren<QAbstractButton *>();
        for (QAbstractButton *button : toggles) {
            if (button->isCheckable())
                button->click();
        }
        Q_EMIT m_view->languagePicker()->activated(4);
        Q_EMIT m_view->mouseRow()->buttonPicker()->activated(2);
        Q_EMIT model().providerPicker()->activated(3);
        model().serverField()->setFocus();
        QTest::keyClicks(model().serverField(), QStringLiteral("localhost:1"));
        QCOMPARE(defaults().stringValue(QStringLiteral("targetLanguage")), QStringLiteral("de"));
        const QStringList written{QStringLiteral("wheelFollowsApp"), QStringLiteral("showResultFirst"),
                                  QStringLiteral("targetLanguage"), QStringLiteral("wheelMouseButton"),
                                  QStringLiteral("wheelMouseModifiers"), providerKey, serverKey, nameKey};
        for (const QString &key : written) {
            const std::optional<UserDefaults::Value> value = defaults().value(key);
            QVERIFY2(value, qPrintable(key));
            QVERIFY2(ConfigKeys::find(key)->holdsReadableType(*value), qPrintable(key));
        }
        QCOMPARE(defaults().boolValue(QStringLiteral("wheelFollowsApp")), false);
        QCOMPARE(defaults().boolValue(QStringLiteral("showResultFirst")), false);
    }
};

QTEST_MAIN(TestGeneralSettings)
#include "test_generalsettings.moc"
