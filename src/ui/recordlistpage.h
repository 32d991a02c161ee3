#pragma once

#include <QWidget>

class KeyComboStore;
class PromptStore;
class QLabel;
class QListWidget;
class SymbolIcons;
class WheelItemDisplay;

// The sidebar's "Key Combos" and "Prompts" pages: the user's own records, listed as the slot menu
// names them. They are edited from the command line for now.
class RecordListPage final : public QWidget {
    Q_OBJECT
public:
    static RecordListPage *keyCombos(const KeyComboStore &combos, const WheelItemDisplay &display, SymbolIcons &icons);
    static RecordListPage *prompts(const PromptStore &prompts, const WheelItemDisplay &display, SymbolIcons &icons);

    QListWidget *list() const { return m_list; }

private:
    RecordListPage(const QString &title, const QString &empty, const QString &howToEdit);

    QListWidget *m_list;
    QLabel *m_empty;
};
