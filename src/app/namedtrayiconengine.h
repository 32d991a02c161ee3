#pragma once

#include <QIcon>
#include <QIconEngine>

// A drawn icon that also carries the name of an installed theme icon. StatusNotifierItem trays get
// the name and show the symbolic theme icon in their panel's own colours; XEmbed trays, which only
// take pixels, get the drawn images.
class NamedTrayIconEngine final : public QIconEngine {
public:
    NamedTrayIconEngine(QIcon drawn, QString name);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString iconName() override { return m_name; }
    QString key() const override { return QStringLiteral("NamedTrayIconEngine"); }
    QIconEngine *clone() const override { return new NamedTrayIconEngine(m_drawn, m_name); }

    // The drawn icon, named after `themeName` when the icon theme holds that name.
    static QIcon icon(const QIcon &drawn, const QString &themeName);

private:
    QIcon m_drawn;
    QString m_name;
};
