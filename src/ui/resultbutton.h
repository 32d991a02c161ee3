#pragma once

#include <QAbstractButton>

class QVariantAnimation;

// The result panel's buttons (Copy, Replace, Stop, Undo): a label on a rounded background. Prominent: white on the
// accent colour (full when hovered, 0.8 otherwise, 0.65 pressed); plain: text colour on a faint tint
// of it (0.15 hovered, 0.07 otherwise, 0.22 pressed). Hover changes ease out; a disabled button is
// faded. Never takes focus.
class ResultButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit ResultButton(const QString &text, QWidget *parent = nullptr);

    void setProminent(bool prominent);
    bool isProminent() const { return m_prominent; }
    QSize sizeHint() const override;

    // The background's opacity for this style and state.
    static qreal backgroundOpacity(bool prominent, bool hovered, bool pressed);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void animateHover(bool hovered);

    bool m_prominent = false;
    qreal m_hover = 0; // 0 to 1 while the hover animates
    QVariantAnimation *m_hoverAnimation;
};
