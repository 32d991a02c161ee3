#pragma once

#include "actions/askopener.h"
#include "ai/askchat.h"
#include "ui/askpanel.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;
class Screens;
class WindowSystem;

// The app's one Ask panel and its chat: opened on a selected text (or none), replaced by the next
// opening, closed by Escape, by the settings link or by the window manager. The panel grows
// downward with its content, its top edge staying where it opened.
class AskWindow final : public QObject, public AskOpener {
    Q_OBJECT
public:
    struct Parts {
        AskChat::Models models;
        Screens &screens;
        // Whether panels can be translucent; each new one is put on every desktop.
        WindowSystem &windows;
        // Brings up the settings on the General tab.
        std::function<void()> openSettings;
        // Puts each new panel on the desktop before it first shows, where Qt's own windows cannot
        // float (Wayland: through an overlay surface); none shows them as Qt windows.
        std::function<void(QWidget &panel)> present = {};
    };

    explicit AskWindow(Parts parts, QObject *parent = nullptr);
    ~AskWindow() override;

    void open(std::optional<QString> context) override;
    bool isAnswering() const override;
    void close();

    AskPanel *panel() const { return m_panel; }
    AskChat *chat() const { return m_chat; }

    // The height a panel reported, applied in a later step: only to that panel, and only when it
    // differs from its height by more than half a point.
    void applyHeight(AskPanel *from, qreal height);

private:
    Parts m_parts;
    QPointer<AskPanel> m_panel;
    QPointer<AskChat> m_chat;
};
