// An application's desktop entry, written by anyone: parsed or refused, never a crash; a command
// line it yields names a program.
#include "fuzzsupport.h"

#include "platform/linux/desktopentry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QStringList locales = DesktopEntryParser::localeCandidates(QStringLiteral("de_DE.UTF-8@euro"));
    const std::optional<DesktopEntry> entry = DesktopEntryParser::parse(fuzzBytes(data, size), locales);
    if (!entry)
        return 0;
    if (const std::optional<QStringList> arguments = DesktopEntryParser::execArguments(*entry))
        FUZZ_CHECK(!arguments->isEmpty() && !arguments->first().isEmpty());
    return 0;
}
