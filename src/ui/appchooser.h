#pragma once

#include "platform/workspace.h"

#include <QDialog>

class AppIcons;
class QLineEdit;
class QListWidget;
class QPushButton;
class SymbolIcons;

// A window-modal chooser of installed applications with their icons, searchable by name and id:
// several at once for a set (button "Add"), one for a slot (button "Choose").
class AppChooser final : public QDialog {
    Q_OBJECT
public:
    enum class Mode {
        several,
        one,
    };

    AppChooser(const QList<ApplicationInfo> &apps, Mode mode, AppIcons &appIcons, SymbolIcons &icons, QWidget *parent);

    QLineEdit *searchField() const { return m_search; }
    QListWidget *list() const { return m_list; }
    QPushButton *chooseButton() const { return m_choose; }

Q_SIGNALS:
    // The chosen application ids, in list order.
    void chosen(const QStringList &appIds);

private:
    void filter(const QString &text);
    void choose();

    QLineEdit *m_search;
    QListWidget *m_list;
    QPushButton *m_choose;
};
