#pragma once

#include "wheel/customkeycombo.h"

#include <QDialog>
#include <optional>

class KeyboardLayout;
class KeyComboRecordBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SymbolButton;
class SymbolIcons;

namespace GlobalShortcuts {
class Registry;
}

// The sheet that records a key combination of the user's own and names it. A new one records at
// once. It stores nothing itself: saved() hands the finished record to the caller.
class KeyComboSheet final : public QDialog {
    Q_OBJECT
public:
    KeyComboSheet(const std::optional<CustomKeyCombo> &original, const KeyboardLayout &layout,
                  GlobalShortcuts::Registry *hotKeys, SymbolIcons &icons, QWidget *parent);

    QLabel *heading() const { return m_heading; }
    KeyComboRecordBox *recordBox() const { return m_box; }
    SymbolButton *symbolButton() const { return m_symbol; }
    QLineEdit *nameField() const { return m_name; }
    QPushButton *saveButton() const { return m_save; }
    QPushButton *cancelButton() const { return m_cancel; }

    // What Save would hand over now; none while nothing is captured.
    std::optional<CustomKeyCombo> record() const;

Q_SIGNALS:
    void saved(const CustomKeyCombo &record);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void save();

    std::optional<CustomKeyCombo> m_original;
    QLabel *m_heading;
    KeyComboRecordBox *m_box;
    SymbolButton *m_symbol;
    QLineEdit *m_name;
    QPushButton *m_save;
    QPushButton *m_cancel;
};
