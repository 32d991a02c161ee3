#include "ui/statuslabel.h"

#include "ui/symbolicons.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {
constexpr int markSize = 16;
const QColor goodColor(0x2e, 0xa0, 0x43);
} // namespace

StatusLabel::StatusLabel(QWidget *parent)
    : QWidget(parent)
    , m_mark(new QLabel(this))
    , m_text(new QLabel(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_mark->setVisible(false);
    layout->addWidget(m_mark);
    layout->addWidget(m_text, 1);
}

void StatusLabel::setText(const QString &text, bool good)
{
    m_text->setText(text);
    if (good && m_mark->pixmap().isNull()) {
        SymbolIcons icons;
        m_mark->setPixmap(icons.pixmap(QStringLiteral("checkmark.circle.fill"), markSize, goodColor, devicePixelRatioF()));
    }
    m_mark->setVisible(good);
}

QString StatusLabel::text() const
{
    return m_text->text();
}

bool StatusLabel::isGood() const
{
    return !m_mark->isHidden();
}
