#include "ui/symbolpicker.h"

#include "ui/symbolcatalog.h"
#include "ui/symbolgrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

SymbolPicker::SymbolPicker(SymbolIcons &icons, const QString &selection, QWidget *parent)
    : QFrame(parent, Qt::Popup)
    , m_search(new QLineEdit)
    , m_scroll(new QScrollArea)
    , m_grid(new SymbolGrid(icons, selection))
    , m_none(new QLabel(tr("No symbols found")))
{
    setObjectName(QStringLiteral("symbolPicker"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::StyledPanel);
    setFixedWidth(pickerWidth);
    m_search->setObjectName(QStringLiteral("symbolSearch"));
    m_search->setPlaceholderText(tr("Search symbols, e.g. arrow, doc, star"));
    m_search->setClearButtonEnabled(true);
    auto *separator = new QFrame;
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    m_scroll->setWidget(m_grid);
    m_scroll->setWidgetResizable(false);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFixedHeight(listHeight);
    m_none->setObjectName(QStringLiteral("noSymbols"));
    m_none->setAlignment(Qt::AlignCenter);
    m_none->setForegroundRole(QPalette::PlaceholderText);
    m_none->setFixedHeight(listHeight);
    m_none->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_search);
    layout->addWidget(separator);
    layout->addWidget(m_scroll);
    layout->addWidget(m_none);

    connect(m_search, &QLineEdit::textChanged, this, &SymbolPicker::search);
    connect(m_grid, &SymbolGrid::picked, this, [this](const QString &symbol) {
        Q_EMIT picked(symbol);
        close();
    });
    m_grid->setGroups(SymbolCatalog::groups());
    m_grid->resize(m_grid->sizeHint());
    m_search->setFocus();
}

void SymbolPicker::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    // The current symbol is in view when the picker opens.
    const QRect current = m_grid->cellRect(m_grid->selection());
    if (!current.isEmpty())
        m_scroll->ensureVisible(current.center().x(), current.center().y(), 0, listHeight / 3);
}

void SymbolPicker::search(const QString &query)
{
    const QList<SymbolGroup> found = SymbolCatalog::search(query);
    m_grid->setGroups(found);
    m_grid->resize(m_grid->sizeHint());
    m_scroll->verticalScrollBar()->setValue(0);
    m_scroll->setVisible(!found.isEmpty());
    m_none->setVisible(found.isEmpty());
    Q_EMIT searched();
}
