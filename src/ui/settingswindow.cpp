#include "ui/settingswindow.h"

#include "platform/userdefaults.h"
#include "ui/settingslogging.h"
#include "ui/symbolicons.h"

#include <QEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// Until the tabs have content of their own, an empty tab keeps the window a usable size.
constexpr QSize emptyTabSize(560, 420);

int tabIndex(SettingsTab tab)
{
    return tab == SettingsTab::general ? 0 : 1;
}
} // namespace

SettingsWindow::SettingsWindow(UserDefaults &defaults, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_defaults(defaults)
    , m_tabs(new QTabWidget(this))
{
    setWindowTitle(QStringLiteral("Ringle"));
    setObjectName(QStringLiteral("settings"));
    SymbolIcons symbols;
    const QColor symbolColor = palette().color(QPalette::WindowText);
    const std::pair<QString, QString> tabs[] = {{tr("General"), QStringLiteral("gearshape")},
                                                {tr("Action Wheel"), QStringLiteral("circle.dashed")}};
    for (const auto &[title, symbol] : tabs) {
        auto *page = new QWidget;
        auto *layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        page->setMinimumSize(emptyTabSize);
        m_tabs->addTab(page, QIcon(symbols.pixmap(symbol, 16, symbolColor, devicePixelRatioF())), title);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    selectStoredTab();
    connect(m_tabs, &QTabWidget::currentChanged, this,
            [this](int) { SettingsTabs::store(m_defaults, currentTab()); });
    connect(&m_defaults, &UserDefaults::valueChanged, this, [this](const QString &key) {
        if (key == SettingsTabs::settingKey.name)
            selectStoredTab();
    });
}

SettingsTab SettingsWindow::currentTab() const
{
    return m_tabs->currentIndex() == tabIndex(SettingsTab::general) ? SettingsTab::general : SettingsTab::wheel;
}

QWidget *SettingsWindow::page(SettingsTab tab) const
{
    return m_tabs->widget(tabIndex(tab));
}

void SettingsWindow::setTabContent(SettingsTab tab, QWidget *content)
{
    QWidget *target = page(tab);
    QLayout *layout = target->layout();
    while (QLayoutItem *item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    target->setMinimumSize(0, 0);
    layout->addWidget(content);
}

void SettingsWindow::selectStoredTab()
{
    m_tabs->setCurrentIndex(tabIndex(SettingsTabs::stored(m_defaults)));
}

bool SettingsWindow::event(QEvent *event)
{
    // Read by the opening benchmark: from "Settings…" to the first frame the user sees.
    if (event->type() == QEvent::Paint && m_paintPending) {
        m_paintPending = false;
        qCDebug(lcSettings) << "painted";
    }
    return QWidget::event(event);
}

void SettingsWindow::present()
{
    m_paintPending = !isVisible();
    selectStoredTab();
    show();
    raise();
    activateWindow();
}
