#pragma once

#include <QPointer>
#include <QToolButton>

class SymbolIcons;
class SymbolPicker;

// Shows a record's symbol; a click opens the symbol picker below it, and picking sets the symbol.
class SymbolButton final : public QToolButton {
    Q_OBJECT
public:
    SymbolButton(SymbolIcons &icons, const QString &symbol, QWidget *parent = nullptr);

    QString symbol() const { return m_symbol; }
    void setSymbol(const QString &symbol);
    // The picker while it is open.
    SymbolPicker *picker() const;
    SymbolPicker *openPicker();

private:
    SymbolIcons &m_icons;
    QString m_symbol;
    QPointer<SymbolPicker> m_picker;
};
