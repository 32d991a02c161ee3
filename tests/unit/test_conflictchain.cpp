#include "globalshortcuts/conflictchain.h"
#include "globalshortcuts/recordertexts.h"

#include <QTest>

using namespace GlobalShortcuts;
using Behavior = ConflictBehavior;
using Kind = ConflictStep::Kind;

Q_DECLARE_METATYPE(ConflictBehavior)
Q_DECLARE_METATYPE(ConflictCheck)
Q_DECLARE_METATYPE(ConflictStep::Kind)

namespace {
const QString menuTitle = RecorderTexts::usedByMenuItem(QStringLiteral("Quit"));
const QString systemTitle = RecorderTexts::text("keyboard_shortcut_used_by_system");
const QString refused = QStringLiteral("Refused by the hook");
} // namespace

class TestConflictChain final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void chainStopsAtTheFirstConflictItsPolicyDoesNotAllow_data()
    {
        QTest::addColumn<Behavior>("menuPolicy");
        QTest::addColumn<Behavior>("systemPolicy");
        QTest::addColumn<ConflictCheck>("from");
        QTest::addColumn<bool>("inMenu");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<ConflictCheck>("next");
        QTest::addColumn<QString>("asked"); // m: menu, s: system, v: validation

        const auto menu = ConflictCheck::menu, system = ConflictCheck::system, validation = ConflictCheck::validation;
        const Behavior b = Behavior::block, w = Behavior::warn, a = Behavior::allow;
        QTest::newRow("no conflict") << b << w << menu << false << false << true << Kind::accept << QString()
                                     << validation << "msv";
        QTest::newRow("menu blocks before the system is asked")
            << b << w << menu << true << true << true << Kind::block << menuTitle << system << "m";
        QTest::newRow("menu warns, going on with the system") << w << w << menu << true << false << true << Kind::warn
                                                               << menuTitle << system << "m";
        QTest::newRow("menu allowed, system taken") << a << a << menu << true << true << false << Kind::block
                                                    << refused << validation << "msv";
        QTest::newRow("system warn is a block on X11") << b << w << menu << false << true << true << Kind::block
                                                       << systemTitle << validation << "ms";
        QTest::newRow("system blocks") << b << b << menu << false << true << true << Kind::block << systemTitle
                                       << validation << "ms";
        QTest::newRow("system allowed, validation refuses") << b << a << menu << false << true << false << Kind::block
                                                            << refused << validation << "msv";
        QTest::newRow("forced past the menu: the menu is not asked again")
            << w << b << system << true << true << true << Kind::block << systemTitle << validation << "s";
        QTest::newRow("forced past the system: only validation") << b << b << validation << true << true << false
                                                                 << Kind::block << refused << validation << "v";
        QTest::newRow("from validation, valid") << b << b << validation << true << true << true << Kind::accept
                                                << QString() << validation << "v";
    }
    void chainStopsAtTheFirstConflictItsPolicyDoesNotAllow()
    {
        QFETCH(Behavior, menuPolicy);
        QFETCH(Behavior, systemPolicy);
        QFETCH(ConflictCheck, from);
        QFETCH(bool, inMenu);
        QFETCH(bool, taken);
        QFETCH(bool, valid);
        QString asked;
        const ConflictQuestions questions{
            [&]() -> std::optional<QString> {
                asked += u'm';
                return inMenu ? std::optional(QStringLiteral("Quit")) : std::nullopt;
            },
            [&] {
                asked += u's';
                return taken;
            },
            [&] {
                asked += u'v';
                return valid ? ValidationResult::allow() : ValidationResult::disallow(refused);
            }};
        const ConflictPolicy policy{menuPolicy, systemPolicy, Behavior::block};

        const ConflictStep step = checkConflicts(policy, from, questions);

        QTEST(step.kind, "kind");
        QTEST(step.title, "title");
        QTEST(asked, "asked");
        if (step.kind == Kind::warn)
            QTEST(step.next, "next");
        if (step.title == systemTitle)
            QCOMPARE(step.message, RecorderTexts::text("keyboard_shortcuts_can_be_changed"));
    }

    void missingQuestionsCountAsNoConflict()
    {
        QCOMPARE(checkConflicts(ConflictPolicy::defaultPolicy(), ConflictCheck::menu, {}), ConflictStep{});
    }
};

QTEST_GUILESS_MAIN(TestConflictChain)
#include "test_conflictchain.moc"
