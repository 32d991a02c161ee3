#include "ai/languagenames.h"

#include <QCoreApplication>

#include <unicode/locdspnm.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>

namespace {

icu::Locale localeForTag(const QString &tag)
{
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray bcp47 = tag.toUtf8().replace('_', '-');
    icu::Locale locale = icu::Locale::forLanguageTag(bcp47.constData(), status);
    if (U_FAILURE(status) || locale.isBogus())
        return icu::Locale::getRoot();
    return locale;
}

} // namespace

namespace LanguageNames {

QString interfaceLanguage()
{
    // Ringle ships English texts; a translation states its own code by translating this entry.
    //: The code of this translation's language, e.g. "de" or "zh-Hans". Do not translate it word by word.
    const QString code = QCoreApplication::translate("LanguageNames", "en");
    return code.trimmed().isEmpty() ? QStringLiteral("en") : code.trimmed();
}

QString displayName(const QString &code, const QString &inLanguage)
{
    if (code.isEmpty())
        return code;
    const icu::Locale target = localeForTag(code);
    if (target == icu::Locale::getRoot())
        return code;
    // Without substitution ICU answers nothing for codes it has no name for, instead of echoing them.
    UDisplayContext contexts[] = {UDISPCTX_NO_SUBSTITUTE};
    std::unique_ptr<icu::LocaleDisplayNames> names(
        icu::LocaleDisplayNames::createInstance(localeForTag(inLanguage), contexts, 1));
    if (!names)
        return code;
    icu::UnicodeString name;
    names->localeDisplayName(target, name);
    if (name.isBogus() || name.isEmpty())
        return code;
    return QString(reinterpret_cast<const QChar *>(name.getBuffer()), name.length());
}

QString localizedName(const QString &code)
{
    return displayName(code, interfaceLanguage());
}

QString englishName(const QString &code)
{
    return displayName(code, QStringLiteral("en"));
}

} // namespace LanguageNames
