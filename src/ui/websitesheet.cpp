#include "ui/websitesheet.h"

#include "base/websiteaddress.h"
#include "wheel/wheeltab.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

WebsiteSheet::WebsiteSheet(const QString &address, const QString &name, QWidget *parent)
    : QDialog(parent)
    , m_address(new QLineEdit(address))
    , m_name(new QLineEdit(name))
{
    setObjectName(QStringLiteral("websiteSheet"));
    setWindowTitle(tr("Website"));
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    m_address->setObjectName(QStringLiteral("websiteAddress"));
    m_address->setPlaceholderText(tr("e.g. %1").arg(QStringLiteral("example.com")));
    m_name->setObjectName(QStringLiteral("websiteName"));
    m_name->setPlaceholderText(tr("Optional"));

    auto *form = new QFormLayout;
    form->addRow(tr("Address"), m_address);
    form->addRow(tr("Name"), m_name);
    auto *note = new QLabel(tr("Opens in your default browser. Addresses like notion:// open in their app. "
                               "Ringle fetches the site's icon once, when you save."));
    note->setWordWrap(true);
    note->setForegroundRole(QPalette::PlaceholderText);

    auto *buttons = new QDialogButtonBox;
    buttons->addButton(QDialogButtonBox::Cancel);
    m_save = buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole);
    m_save->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_save, &QPushButton::clicked, this, &WebsiteSheet::save);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    setMinimumWidth(380);

    const auto check = [this] { m_save->setEnabled(WebsiteAddress::url(m_address->text()).has_value()); };
    connect(m_address, &QLineEdit::textChanged, this, check);
    check();
}

void WebsiteSheet::save()
{
    const std::optional<QUrl> url = WebsiteAddress::url(m_address->text());
    if (!url)
        return;
    Q_EMIT saved(url->toString(), WheelText::trimmedSpacesAndTabs(m_name->text()));
    accept();
}
