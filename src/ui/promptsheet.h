#pragma once

#include "wheel/customprompt.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class SymbolButton;
class SymbolIcons;

// The sheet that writes a prompt of the user's own: name, symbol, instruction, what happens to the
// answer and whether it keeps the text's language. saved() hands the record to the caller.
class PromptSheet final : public QDialog {
    Q_OBJECT
public:
    PromptSheet(const std::optional<CustomPrompt> &original, SymbolIcons &icons, QWidget *parent);

    QLabel *heading() const { return m_heading; }
    SymbolButton *symbolButton() const { return m_symbol; }
    QLineEdit *nameField() const { return m_name; }
    QPlainTextEdit *instructionField() const { return m_instruction; }
    QRadioButton *replaceChoice() const { return m_replace; }
    QRadioButton *showChoice() const { return m_show; }
    QCheckBox *keepLanguageSwitch() const { return m_keepLanguage; }
    QPushButton *saveButton() const { return m_save; }
    QPushButton *cancelButton() const { return m_cancel; }

    // The record as the fields say now (the name as typed).
    CustomPrompt draft() const;

Q_SIGNALS:
    void saved(const CustomPrompt &prompt);

private:
    void save();

    CustomPrompt m_original;
    QLabel *m_heading;
    SymbolButton *m_symbol;
    QLineEdit *m_name;
    QPlainTextEdit *m_instruction;
    QRadioButton *m_replace;
    QRadioButton *m_show;
    QCheckBox *m_keepLanguage;
    QPushButton *m_save;
    QPushButton *m_cancel;
};
