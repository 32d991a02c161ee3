#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

class QPainter;
class QTimer;

// The result panel's symbols, drawn rather than taken from an icon theme so they look the same on
// every desktop: a filled warning triangle and a filled check circle, each with a white mark.
namespace IndicatorSymbols {
inline const QColor warningOrange{255, 149, 0};
inline const QColor successGreen{52, 199, 89};

void paintWarningTriangle(QPainter &painter, const QRectF &box, const QColor &color = warningOrange);
void paintCheckCircle(QPainter &painter, const QRectF &box, const QColor &color = successGreen);
} // namespace IndicatorSymbols

// A symbol of a fixed size.
class IndicatorSymbolView final : public QWidget {
    Q_OBJECT
public:
    enum class Symbol { warning, check };

    explicit IndicatorSymbolView(QWidget *parent = nullptr);
    void setSymbol(Symbol symbol);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Symbol m_symbol = Symbol::check;
};

// A small spinning progress indicator; it turns only while shown.
class SpinnerView final : public QWidget {
    Q_OBJECT
public:
    explicit SpinnerView(QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QTimer *m_timer;
    int m_step = 0;
};
