#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

// What Ringle's KWin script and GNOME Shell extension report: the window in front, the windows there
// are and the pointer, read from their JSON with every field checked.
struct WindowReport {
    struct Window {
        QString desktopFile;   // the desktop-file name, without ".desktop"; may be empty
        QString resourceClass; // may be empty
        qint64 pid = 0;
        QRect area;            // the client area on the desktop

        // The id a set's application rule matches: the desktop-file name, else the class.
        QString appId() const { return desktopFile.isEmpty() ? resourceClass : desktopFile; }
    };

    std::optional<Window> active;
    QList<Window> windows;
    std::optional<QPoint> cursor;

    // The app id of the window in front; empty when none is.
    QString frontAppId() const { return active ? active->appId() : QString(); }

    // Longer reports are refused; a desktop has far fewer windows than this allows.
    static constexpr qsizetype maxSize = 256 * 1024;

    // None when the text is not a report.
    static std::optional<WindowReport> parse(const QByteArray &json);
};

// Whoever keeps the latest report for Ringle.
class WindowReports {
public:
    virtual ~WindowReports() = default;
    // Empty until the first report.
    virtual const WindowReport &latest() const = 0;
};
