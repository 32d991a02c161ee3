#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

// Ringle's texts in the first of the user's languages it has a translation for, and Qt's own
// (standard buttons, dialogs) in that language too, installed in the application while this lives.
// English, the language of the source texts, ends the search: what comes after it is not wanted.
// A text the translation lacks shows in English.
class AppTranslations final {
public:
    explicit AppTranslations(const QStringList &languages = QLocale::system().uiLanguages());
    AppTranslations(const AppTranslations &) = delete;
    AppTranslations &operator=(const AppTranslations &) = delete;

    // The language of the installed translation, such as "de"; empty for English.
    QString language() const { return m_language; }

private:
    QTranslator m_ringle;
    QTranslator m_qt;
    QString m_language;
};
