#include "app/apptranslations.h"

#include "app/applogging.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {
bool isEnglish(const QString &language)
{
    // The C locale shows the source texts too.
    return language == u"C" || language == u"POSIX" || QLocale(language).language() == QLocale::English;
}
} // namespace

AppTranslations::AppTranslations(const QStringList &languages)
{
    for (const QString &language : languages) {
        if (isEnglish(language))
            break;
        const QLocale locale(language);
        if (!m_ringle.load(locale, QStringLiteral("ringle"), QStringLiteral("_"), QStringLiteral(":/i18n")))
            continue;
        QCoreApplication::installTranslator(&m_ringle);
        m_language = m_ringle.language();
        if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
        break;
    }
    qCDebug(lcApp).noquote() << "interface language:" << (m_language.isEmpty() ? QStringLiteral("en") : m_language)
                             << "of" << languages.join(u' ');
}
