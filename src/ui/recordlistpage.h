#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class QDialog;
class QGridLayout;
class QLabel;
class QPushButton;
class QToolButton;
class SymbolIcons;
struct WheelSettingsParts;

// The sidebar's "Key Combos" and "Prompts" sections: one row per record of the user's own with its
// symbol, name and keys or result, an Edit and a Remove button, and a button that adds one. Removing
// asks nothing; the store empties the slots that used the record.
class RecordListPage final : public QWidget {
    Q_OBJECT
public:
    static RecordListPage *keyCombos(const WheelSettingsParts &parts, SymbolIcons &icons);
    static RecordListPage *prompts(const WheelSettingsParts &parts, SymbolIcons &icons);

    QPushButton *addButton() const { return m_add; }
    int rowCount() const { return int(m_rows.size()); }
    QLabel *nameLabel(int row) const { return m_rows.at(row).name; }
    QLabel *detailLabel(int row) const { return m_rows.at(row).detail; }
    QToolButton *editButton(int row) const { return m_rows.at(row).edit; }
    QToolButton *removeButton(int row) const { return m_rows.at(row).remove; }
    // The sheet this page opened, while it is open.
    QDialog *sheet() const { return m_sheet; }

private:
    struct Record {
        QString symbol;
        QString name;
        QString detail;
        std::function<QDialog *()> edit;
        std::function<void()> remove;
    };
    struct Row {
        QLabel *name = nullptr;
        QLabel *detail = nullptr;
        QToolButton *edit = nullptr;
        QToolButton *remove = nullptr;
    };

    RecordListPage(SymbolIcons &icons, const QString &kind, const QString &title, const QString &footer,
                   const QString &add);
    void showRecords(const QList<Record> &records);

    SymbolIcons &m_icons;
    QString m_kind;
    QGridLayout *m_grid;
    QLabel *m_empty;
    QPushButton *m_add;
    QList<Row> m_rows;
    QList<QWidget *> m_rowWidgets;
    QPointer<QDialog> m_sheet;
};
