#include "ui/appchooser.h"

#include "ui/editoricons.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int appIdRole = Qt::UserRole;
}

AppChooser::AppChooser(const QList<ApplicationInfo> &apps, Mode mode, AppIcons &appIcons, SymbolIcons &icons,
                       QWidget *parent)
    : QDialog(parent)
    , m_search(new QLineEdit)
    , m_list(new QListWidget)
{
    setObjectName(QStringLiteral("appChooser"));
    setWindowTitle(tr("Applications"));
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    m_search->setObjectName(QStringLiteral("appSearch"));
    m_search->setPlaceholderText(tr("Search"));
    m_search->setClearButtonEnabled(true);
    m_list->setObjectName(QStringLiteral("appList"));
    m_list->setSelectionMode(mode == Mode::several ? QAbstractItemView::ExtendedSelection
                                                   : QAbstractItemView::SingleSelection);
    m_list->setIconSize(QSize(24, 24));
    for (const ApplicationInfo &app : apps) {
        auto *item = new QListWidgetItem(EditorIcons::app(appIcons, icons, app.appId, *this), app.name);
        item->setData(appIdRole, app.appId);
        item->setToolTip(app.appId);
        m_list->addItem(item);
    }

    auto *buttons = new QDialogButtonBox;
    buttons->addButton(QDialogButtonBox::Cancel);
    m_choose = buttons->addButton(mode == Mode::several ? tr("Add") : tr("Choose"), QDialogButtonBox::AcceptRole);
    m_choose->setDefault(true);
    m_choose->setEnabled(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_choose, &QPushButton::clicked, this, &AppChooser::choose);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_choose->setEnabled(!m_list->selectedItems().isEmpty()); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &AppChooser::choose);
    connect(m_search, &QLineEdit::textChanged, this, &AppChooser::filter);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_search);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(420, 480);
}

void AppChooser::filter(const QString &text)
{
    const QString needle = text.trimmed();
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem *item = m_list->item(i);
        const bool matches = needle.isEmpty() || item->text().contains(needle, Qt::CaseInsensitive)
                             || item->data(appIdRole).toString().contains(needle, Qt::CaseInsensitive);
        item->setHidden(!matches);
        if (!matches)
            item->setSelected(false);
    }
}

void AppChooser::choose()
{
    QStringList ids;
    for (int i = 0; i < m_list->count(); ++i) {
        const QListWidgetItem *item = m_list->item(i);
        if (item->isSelected() && !item->isHidden())
            ids.append(item->data(appIdRole).toString());
    }
    if (ids.isEmpty())
        return;
    Q_EMIT chosen(ids);
    accept();
}
