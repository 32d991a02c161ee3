#pragma once

#include <QWidget>
#include <functional>
#include <optional>

class AskView;

// The borderless window the Ask view lives in. Unlike the wheel and the result panel it takes the
// keyboard focus. Rounded and translucent where a compositor runs, cut to its rounded shape where
// none does; dragged by its background; Escape closes it.
class AskPanel final : public QWidget {
    Q_OBJECT
public:
    static constexpr qreal cornerRadius = 24;

    // `compositing` tells whether a compositing manager runs now.
    AskPanel(AskView *view, std::function<bool()> compositing, QWidget *parent = nullptr);

    AskView *view() const { return m_view; }
    bool isComposited() const { return m_composited; }
    // Asked to close: by Escape, or by the window manager.
    std::function<void()> onClose = [] {};

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyShape();

    AskView *m_view;
    std::function<bool()> m_compositing;
    bool m_composited = false;
    // Where the background was grabbed, for moving without the window manager's help.
    std::optional<QPoint> m_dragOffset;
};
