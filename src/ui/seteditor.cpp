#include "ui/seteditor.h"

#include "actions/appchoices.h"
#include "base/websiteaddress.h"
#include "ui/appchooser.h"
#include "ui/editoricons.h"
#include "wheel/wheelstore.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QLabel *note(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    label->setFont(small);
    return label;
}

// Rows go later: a row's own remove button is what asks for the new rows.
void clearLayout(QLayout *layout)
{
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (QWidget *widget = item->widget()) {
            widget->hide();
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete item;
    }
}
} // namespace

SetEditor::SetEditor(const WheelSettingsParts &parts, SymbolIcons &icons, QWidget *parent)
    : QWidget(parent)
    , m_parts(parts)
    , m_icons(icons)
    , m_nameLabel(new QLabel)
    , m_nameField(new QLineEdit)
    , m_ringCount(new QLabel)
    , m_defaultNote(note(tr("Used when no other set belongs to the app or website in front.")))
    , m_bindings(new QWidget)
    , m_appRows(new QVBoxLayout)
    , m_siteRows(new QVBoxLayout)
    , m_addApp(new QToolButton)
    , m_addAppMenu(new QMenu(m_addApp))
    , m_websiteField(new QLineEdit)
{
    setObjectName(QStringLiteral("setEditor"));
    m_nameField->setObjectName(QStringLiteral("setName"));
    m_nameField->setPlaceholderText(tr("e.g. CAD, Mail, Code"));
    m_ringCount->setObjectName(QStringLiteral("ringCount"));
    m_addApp->setObjectName(QStringLiteral("addApp"));
    m_addApp->setText(tr("Add App"));
    m_addApp->setPopupMode(QToolButton::InstantPopup);
    m_addApp->setMenu(m_addAppMenu);
    m_websiteField->setObjectName(QStringLiteral("setWebsite"));
    m_websiteField->setPlaceholderText(tr("e.g. %1").arg(QStringLiteral("github.com")));

    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(m_nameLabel);
    nameRow->addWidget(m_nameField);
    auto *general = new QFormLayout;
    general->addRow(tr("Name"), nameRow);
    general->addRow(tr("Rings"), m_ringCount);
    general->addRow(m_defaultNote);

    auto *appsBox = new QGroupBox(tr("Apps"));
    auto *appsLayout = new QVBoxLayout(appsBox);
    appsLayout->addWidget(note(tr("The wheel shows this set's rings when one of these apps is in front. "
                                  "An app can only belong to one set.")));
    appsLayout->addLayout(m_appRows);
    appsLayout->addWidget(m_addApp, 0, Qt::AlignLeft);

    auto *sitesBox = new QGroupBox(tr("Websites"));
    auto *sitesLayout = new QVBoxLayout(sitesBox);
    sitesLayout->addWidget(note(tr("The wheel shows this set's rings when Safari, Chrome or another browser in front "
                                   "shows one of these websites, including subdomains. Websites come before apps. "
                                   "A website can only belong to one set.")));
    sitesLayout->addLayout(m_siteRows);
    auto *websiteRow = new QFormLayout;
    websiteRow->addRow(tr("Website"), m_websiteField);
    sitesLayout->addLayout(websiteRow);

    auto *bindings = new QVBoxLayout(m_bindings);
    bindings->setContentsMargins(0, 0, 0, 0);
    bindings->addWidget(appsBox);
    bindings->addWidget(sitesBox);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(general);
    layout->addWidget(m_bindings);
    layout->addStretch();

    connect(m_nameField, &QLineEdit::textEdited, this,
            [this](const QString &text) { edit([&](WheelSet &set) { set.title = text; }); });
    connect(m_websiteField, &QLineEdit::returnPressed, this, &SetEditor::submitWebsite);
    connect(m_addAppMenu, &QMenu::aboutToShow, this, &SetEditor::addAppMenu);
}

bool SetEditor::showSet(const QUuid &setID)
{
    if (setID != m_setID)
        m_websiteField->clear();
    m_setID = setID;
    return refresh();
}

bool SetEditor::refresh()
{
    const std::optional<WheelSet> set = m_parts.store.set(m_setID);
    if (!set)
        return false;
    showValues(*set, m_parts.store.isDefault(m_setID));
    return true;
}

void SetEditor::showValues(const WheelSet &set, bool isDefault)
{
    m_nameLabel->setText(set.displayTitle());
    m_nameLabel->setVisible(isDefault);
    m_nameField->setVisible(!isDefault);
    if (m_nameField->text() != set.title)
        m_nameField->setText(set.title);
    m_ringCount->setText(tr("%1 of %2").arg(set.rings.size()).arg(WheelStore::maximumRings));
    m_defaultNote->setVisible(isDefault);
    m_bindings->setVisible(!isDefault);
    if (set.apps != m_shownApps || m_appRows->count() != set.apps.size()) {
        m_shownApps = set.apps;
        fillRows(m_appRows, set.apps, true);
    }
    if (set.sites != m_shownSites || m_siteRows->count() != set.sites.size()) {
        m_shownSites = set.sites;
        fillRows(m_siteRows, set.sites, false);
    }
}

void SetEditor::fillRows(QVBoxLayout *rows, const QStringList &entries, bool apps)
{
    clearLayout(rows);
    for (const QString &entry : entries) {
        auto *row = new QWidget;
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *icon = new QLabel;
        const QIcon image = apps ? EditorIcons::app(m_parts.appIcons, m_icons, entry, *this)
                                 : EditorIcons::symbol(m_icons, QStringLiteral("globe"), *this);
        icon->setPixmap(image.pixmap(16, 16));
        layout->addWidget(icon);
        layout->addWidget(new QLabel(apps ? m_parts.apps.info(entry).name : entry), 1);
        auto *remove = new QToolButton;
        remove->setIcon(EditorIcons::symbol(m_icons, QStringLiteral("minus"), *this));
        remove->setToolTip(apps ? tr("Remove app") : tr("Remove website"));
        remove->setObjectName(apps ? QStringLiteral("removeApp") : QStringLiteral("removeWebsite"));
        connect(remove, &QToolButton::clicked, this, [this, entry, apps] {
            edit([&](WheelSet &set) { (apps ? set.apps : set.sites).removeAll(entry); });
        });
        layout->addWidget(remove);
        rows->addWidget(row);
    }
}

QList<QToolButton *> SetEditor::appRemoveButtons() const
{
    return m_bindings->findChildren<QToolButton *>(QStringLiteral("removeApp"));
}

QMenu *SetEditor::addAppMenu()
{
    m_addAppMenu->clear();
    const std::optional<WheelSet> set = m_parts.store.set(m_setID);
    const QList<ApplicationInfo> running = m_parts.apps.running(set ? set->apps : QStringList());
    for (const ApplicationInfo &app : running) {
        QAction *action = m_addAppMenu->addAction(EditorIcons::app(m_parts.appIcons, m_icons, app.appId, *this), app.name);
        connect(action, &QAction::triggered, this, [this, id = app.appId] { addApps({id}); });
    }
    if (!running.isEmpty())
        m_addAppMenu->addSeparator();
    connect(m_addAppMenu->addAction(tr("Choose…")), &QAction::triggered, this, &SetEditor::chooseApps);
    return m_addAppMenu;
}

void SetEditor::chooseApps()
{
    auto *chooser = new AppChooser(m_parts.apps.installed(), AppChooser::Mode::several, m_parts.appIcons, m_icons, this);
    connect(chooser, &AppChooser::chosen, this, &SetEditor::addApps);
    chooser->open();
}

void SetEditor::addApps(const QStringList &appIds)
{
    edit([&](WheelSet &set) {
        for (const QString &id : appIds) {
            if (!id.isEmpty() && !set.apps.contains(id))
                set.apps.append(id);
        }
    });
}

void SetEditor::submitWebsite()
{
    const std::optional<QString> site = WebsiteAddress::site(m_websiteField->text());
    if (!site)
        return;
    edit([&](WheelSet &set) {
        if (!set.sites.contains(*site))
            set.sites.append(*site);
    });
    m_websiteField->clear();
}

void SetEditor::edit(const std::function<void(WheelSet &)> &change)
{
    WheelStore &store = m_parts.store;
    store.reloadIfChangedElsewhere();
    std::optional<WheelSet> set = store.set(m_setID);
    if (!set)
        return;
    change(*set);
    store.updateInfo(*set);
    refresh();
}
