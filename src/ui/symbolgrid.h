#pragma once

#include "ui/symbolcatalog.h"

#include <QWidget>

class SymbolIcons;

// The picker's groups: each title above its symbols in ten fixed columns, drawn in one widget so
// that a search lays out hundreds of symbols at once. The current symbol sits on the accent colour.
class SymbolGrid final : public QWidget {
    Q_OBJECT
public:
    static constexpr int columns = 10;
    static constexpr int cellSize = 32;
    static constexpr int spacing = 6;

    SymbolGrid(SymbolIcons &icons, const QString &selection, QWidget *parent = nullptr);

    void setGroups(const QList<SymbolGroup> &groups);
    const QList<SymbolGroup> &groups() const { return m_groups; }
    QString selection() const { return m_selection; }
    // Where a shown symbol is, in this widget's coordinates; empty when it is not shown.
    QRect cellRect(const QString &symbol) const;
    QString symbolAt(QPoint point) const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void picked(const QString &symbol);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    struct Cell {
        QString symbol;
        QRect rect;
    };
    struct Title {
        QString text;
        QRect rect;
    };

    void layOut();
    void setHovered(const QString &symbol);

    SymbolIcons &m_icons;
    QString m_selection;
    QString m_hovered;
    QList<SymbolGroup> m_groups;
    QList<Title> m_titles;
    QList<Cell> m_cells;
    int m_height = 0;
};
