#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QScrollArea;
class SymbolGrid;
class SymbolIcons;

// The popup from which a symbol is chosen: a search field above the catalogue's groups.
class SymbolPicker final : public QFrame {
    Q_OBJECT
public:
    static constexpr int pickerWidth = 438;
    static constexpr int listHeight = 380;

    SymbolPicker(SymbolIcons &icons, const QString &selection, QWidget *parent = nullptr);

    QLineEdit *searchField() const { return m_search; }
    SymbolGrid *grid() const { return m_grid; }
    QLabel *noResults() const { return m_none; }
    QScrollArea *scrollArea() const { return m_scroll; }

    // Shows the groups the query finds.
    void search(const QString &query);

Q_SIGNALS:
    void picked(const QString &symbol);
    // After the list shows a search's results.
    void searched();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *m_search;
    QScrollArea *m_scroll;
    SymbolGrid *m_grid;
    QLabel *m_none;
};
