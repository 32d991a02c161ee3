#include "app/configtransfercommand.h"

#include "app/configcommand.h"
#include "platform/jsonfiledefaults.h"
#include "wheel/configdocument.h"
#include "wheel/configfile.h"
#include "wheel/configimport.h"
#include "wheel/configtransfertexts.h"
#include "wheel/configtransfererror.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/wheelstore.h"

#include <QCoreApplication>

namespace ConfigTransferCommand {
namespace {
using namespace ConfigCommand;

QString tr(const char *text)
{
    return QCoreApplication::translate("ConfigTransferCommand", text);
}

// The stores as the app builds them, so that what is exported or replaced is what Ringle reads.
struct Stores {
    explicit Stores(UserDefaults &defaults)
        : wheels(defaults)
        , combos(defaults, wheels)
        , prompts(defaults, wheels)
    {
    }
    ConfigStores all() { return {wheels, combos, prompts}; }

    WheelStore wheels;
    KeyComboStore combos;
    PromptStore prompts;
};

bool written(const UserDefaults &defaults, QTextStream &err)
{
    const auto *file = qobject_cast<const JsonFileDefaults *>(&defaults);
    if (!file || file->lastWriteSucceeded())
        return true;
    err << tr("Could not write %1.").arg(file->filePath()) << '\n';
    return false;
}

} // namespace

int exportConfig(const QStringList &arguments, UserDefaults &defaults, QTextStream &out, QTextStream &err)
{
    if (arguments.size() != 2)
        return printUsage(err);
    const QString path = arguments.at(1);
    Stores stores(defaults);
    const ConfigContents contents = stores.all().current();
    if (const std::optional<QString> failure = ConfigFile::write(path, ConfigDocument::encode(contents))) {
        err << ConfigTransferTexts::exportFailed(path, *failure) << '\n';
        return writeFailed;
    }
    if (path != QLatin1String("-"))
        out << ConfigTransferTexts::exported(contents, path) << '\n';
    return success;
}

int importConfig(const QStringList &arguments, UserDefaults &defaults, QTextStream &out, QTextStream &err)
{
    QStringList words = arguments.mid(1);
    std::optional<ConfigImport::Mode> mode;
    for (const auto &[flag, chosen] : {std::pair(QStringLiteral("--merge"), ConfigImport::Mode::merge),
                                       std::pair(QStringLiteral("--replace"), ConfigImport::Mode::replace)}) {
        if (words.removeAll(flag) > 0) {
            if (mode)
                return printUsage(err);
            mode = chosen;
        }
    }
    if (words.size() != 1 || (words.first().startsWith(QLatin1Char('-')) && words.first() != QLatin1String("-")))
        return printUsage(err);

    // The file is checked whole before the stores are even read.
    ConfigContents file;
    try {
        file = ConfigDocument::decode(ConfigFile::read(words.first()));
    } catch (const ConfigTransferError &refusal) {
        err << refusal.message() << '\n';
        return refused;
    }
    Stores stores(defaults);
    const ConfigImport::Prepared prepared = ConfigImport::prepare(file, stores.all().current());
    if (const std::optional<QString> refusal = prepared.refusal(mode)) {
        err << *refusal << '\n';
        return refused;
    }

    out << tr("The file holds %1.").arg(ConfigTransferTexts::counts(prepared.file)) << '\n';
    for (const QString &line : ConfigTransferTexts::names(prepared.file)
                                   + ConfigTransferTexts::effects(prepared, QStringLiteral("--merge"),
                                                                  QStringLiteral("--replace")))
        out << line << '\n';
    if (!mode) {
        // After the summary, also where both streams go to one terminal.
        out.flush();
        err << tr("Add --merge or --replace to import.") << '\n';
        return badUsage;
    }

    QString backup;
    try {
        backup = ConfigImport::apply(prepared, *mode, stores.all(), JsonFileDefaults::filePathOf(defaults));
    } catch (const ConfigTransferError &failure) {
        err << failure.message() << '\n';
        return writeFailed;
    }
    if (!written(defaults, err))
        return writeFailed;
    out << ConfigTransferTexts::done(prepared, *mode, backup) << '\n';
    return success;
}
} // namespace ConfigTransferCommand
