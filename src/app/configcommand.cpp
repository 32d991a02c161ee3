#include "app/configcommand.h"

#include "app/autostartentry.h"
#include "app/configkeys.h"
#include "app/configtransfercommand.h"
#include "platform/jsonfiledefaults.h"

#include <QCoreApplication>

namespace ConfigCommand {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ConfigCommand", text);
}

QString usage()
{
    return tr("Usage: ringle config list\n"
              "  or:  ringle config get KEY\n"
              "  or:  ringle config set KEY VALUE\n"
              "  or:  ringle config unset KEY\n"
              "  or:  ringle config start-at-login [on|off]\n"
              "  or:  ringle config export FILE\n"
              "  or:  ringle config import FILE [--merge|--replace]\n");
}

void printHelp(QTextStream &out)
{
    out << usage()
        << tr("Reads and changes Ringle's stored settings, typed and checked as Ringle reads them; a running "
              "Ringle takes a change up at once. No display is needed.\n"
              "\n"
              "Commands:\n"
              "  list            print every key with its value, or the default it falls back to\n"
              "  get KEY         print the value stored under KEY (JSON settings as JSON text)\n"
              "  set KEY VALUE   store VALUE under KEY after checking it\n"
              "  unset KEY       remove KEY, so Ringle uses its default\n"
              "  start-at-login  print on or off; with on or off, add or remove the autostart entry\n")
        << tr("  export FILE     write the sets, key combinations and prompts to FILE (- for standard output)\n"
               "  import FILE     check FILE (- for standard input) and say what importing it would do;\n"
               "                  with --merge, add its sets, key combinations and prompts to yours (those\n"
               "                  whose ids yours already use get new ones); with --replace, put them in\n"
               "                  place of yours. Either way, your configuration is first kept in\n"
               "                  defaults-backup-DATE-TIME.json next to the settings file.\n")
        << '\n' << tr("Keys:\n");
    for (const SettingKey *key : ConfigKeys::all()) {
        out << "  " << key->name << "  " << SettingKey::typeName(key->type) << tr(", default %1").arg(key->defaultText);
        if (!key->choices.isEmpty())
            out << tr("; one of %1").arg(key->choices.join(QStringLiteral(", ")));
        out << '\n';
    }
    out << '\n'
        << tr("Exit status:\n"
              "  0  success\n"
              "  1  get: the key is not set; set, unset, start-at-login: the change could not be saved\n")
        << tr("     export, import: a file could not be written\n")
        << tr("  2  wrong usage, an unknown key or a value the key does not take\n")
        << tr("     import: the file is refused, or neither --merge nor --replace was given\n")
        << '\n'
        << tr("Examples:\n")
        << "  ringle config set modelProvider ollama\n"
           "  ringle config set modelName llama3.2\n"
           "  ringle config get customPrompts\n"
           "  ringle config export ~/ringle.json\n"
           "  ringle config import ~/ringle.json --merge\n";
}

const SettingKey *knownKey(const QString &name, QTextStream &err)
{
    if (const SettingKey *key = ConfigKeys::find(name))
        return key;
    const QStringList names = SettingKey::texts(ConfigKeys::all(), [](const SettingKey *key) { return key->name; });
    err << tr("Unknown key \"%1\". Known keys: %2").arg(name, names.join(QStringLiteral(", "))) << '\n';
    return nullptr;
}

void noteUnreadableType(const SettingKey &key, const UserDefaults::Value &value, QTextStream &err)
{
    if (!key.holdsReadableType(value))
        err << tr("Note: %1 holds a %2, not a %3; Ringle ignores it and uses the default (%4).")
                   .arg(key.name, SettingKey::typeName(value), SettingKey::typeName(key.type), key.defaultText)
            << '\n';
}

bool writeSucceeded(const UserDefaults &defaults, QTextStream &err)
{
    const auto *file = qobject_cast<const JsonFileDefaults *>(&defaults);
    if (!file || file->lastWriteSucceeded())
        return true;
    err << tr("Could not write %1.").arg(file->filePath()) << '\n';
    return false;
}

int list(UserDefaults &defaults, QTextStream &out)
{
    for (const SettingKey *key : ConfigKeys::all()) {
        out << key->name << " = ";
        if (const std::optional<UserDefaults::Value> value = defaults.value(key->name)) {
            out << SettingKey::format(*value);
            if (!key->holdsReadableType(*value))
                out << "  " << tr("(a %1, ignored: not a %2)").arg(SettingKey::typeName(*value), SettingKey::typeName(key->type));
        } else {
            out << tr("(not set; default: %1)").arg(key->defaultText);
        }
        out << '\n';
    }
    return success;
}

int get(const SettingKey &key, UserDefaults &defaults, QTextStream &out, QTextStream &err)
{
    const std::optional<UserDefaults::Value> value = defaults.value(key.name);
    if (!value) {
        err << tr("%1 is not set; Ringle uses the default (%2).").arg(key.name, key.defaultText) << '\n';
        return notSet;
    }
    out << SettingKey::format(*value) << '\n';
    noteUnreadableType(key, *value, err);
    return success;
}

int set(const SettingKey &key, const QString &text, UserDefaults &defaults, QTextStream &err)
{
    const SettingKey::Parsed parsed = key.parse(text);
    if (!parsed.value) {
        err << parsed.error << '\n';
        return badUsage;
    }
    defaults.setValue(key.name, *parsed.value);
    return writeSucceeded(defaults, err) ? success : writeFailed;
}

int unset(const SettingKey &key, UserDefaults &defaults, QTextStream &err)
{
    if (!defaults.value(key.name))
        return success;
    defaults.remove(key.name);
    return writeSucceeded(defaults, err) ? success : writeFailed;
}

// Not a stored setting: the autostart entry's presence is the state.
int startAtLogin(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.size() == 1) {
        out << (AutostartEntry::isEnabled() ? "on" : "off") << '\n';
        return success;
    }
    const QString wanted = arguments.at(1);
    if (arguments.size() > 2 || (wanted != QLatin1String("on") && wanted != QLatin1String("off"))) {
        err << usage();
        return badUsage;
    }
    QString error;
    if (AutostartEntry::setEnabled(wanted == QLatin1String("on"), &error))
        return success;
    err << error << '\n';
    return writeFailed;
}

} // namespace

int printUsage(QTextStream &err)
{
    err << usage();
    return badUsage;
}

int run(const QStringList &arguments, UserDefaults &defaults, QTextStream &out, QTextStream &err)
{
    const QString verb = arguments.value(0);
    if (arguments.size() == 1 && (verb == QLatin1String("--help") || verb == QLatin1String("-h") || verb == QLatin1String("help"))) {
        printHelp(out);
        return success;
    }
    if (verb == QLatin1String("start-at-login"))
        return startAtLogin(arguments, out, err);
    if (verb == QLatin1String("export"))
        return ConfigTransferCommand::exportConfig(arguments, defaults, out, err);
    if (verb == QLatin1String("import"))
        return ConfigTransferCommand::importConfig(arguments, defaults, out, err);
    const qsizetype expectedCount = verb == QLatin1String("list")                                     ? 1
                                  : verb == QLatin1String("get") || verb == QLatin1String("unset") ? 2
                                  : verb == QLatin1String("set")                                    ? 3
                                                                                                    : -1;
    if (expectedCount < 0 || arguments.size() != expectedCount) {
        err << usage();
        return badUsage;
    }
    if (verb == QLatin1String("list"))
        return list(defaults, out);

    const SettingKey *key = knownKey(arguments.at(1), err);
    if (!key)
        return badUsage;
    if (verb == QLatin1String("get"))
        return get(*key, defaults, out, err);
    if (verb == QLatin1String("set"))
        return set(*key, arguments.at(2), defaults, err);
    return unset(*key, defaults, err);
}

} // namespace ConfigCommand
