#include "ui/recordlistpage.h"

#include "ui/editoricons.h"
#include "ui/keycombosheet.h"
#include "ui/promptsheet.h"
#include "ui/recordsheets.h"
#include "ui/sheetlayout.h"
#include "ui/wheelsettingsparts.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int symbolColumnWidth = 20;

QString resultText(CustomPrompt::ResultMode mode)
{
    return mode == CustomPrompt::ResultMode::show ? RecordListPage::tr("Show next to the cursor")
                                                  : RecordListPage::tr("Replace the text");
}
} // namespace

RecordListPage::RecordListPage(SymbolIcons &icons, const QString &kind, const QString &title, const QString &footer,
                               const QString &add)
    : m_icons(icons)
    , m_kind(kind)
    , m_grid(new QGridLayout)
    , m_empty(new QLabel)
    , m_add(new QPushButton(add))
{
    auto *heading = new QLabel(title);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    m_empty->setForegroundRole(QPalette::PlaceholderText);
    m_add->setObjectName(QStringLiteral("add") + kind);
    m_grid->setColumnMinimumWidth(0, symbolColumnWidth);
    m_grid->setColumnStretch(1, 1);
    auto *addRow = new QHBoxLayout;
    addRow->addWidget(m_add);
    addRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_empty);
    layout->addLayout(m_grid);
    layout->addLayout(addRow);
    layout->addWidget(SheetLayout::caption(footer));
    layout->addStretch();
}

RecordListPage *RecordListPage::keyCombos(const WheelSettingsParts &parts, SymbolIcons &icons)
{
    auto *page = new RecordListPage(icons, QStringLiteral("KeyCombo"), tr("Key Combos"),
                                    tr("Add them to a ring: pick a slot, then Key Combos → My Key Combos."),
                                    tr("Add Key Combo…"));
    page->setObjectName(QStringLiteral("keyCombosPage"));
    page->m_empty->setText(tr("No key combos yet"));
    const auto fill = [page, &parts, &icons] {
        QList<Record> records;
        for (const CustomKeyCombo &combo : parts.combos.combos()) {
            records.append(Record{combo.symbol, combo.combo.title, combo.combo.shortcutText(),
                                  [page, &parts, &icons, combo] {
                                      return RecordSheets::editKeyCombo(parts, icons, combo, page);
                                  },
                                  [&parts, id = combo.id] { parts.combos.remove(id); }});
        }
        page->showRecords(records);
    };
    connect(&parts.combos, &KeyComboStore::combosChanged, page, fill);
    connect(page->m_add, &QPushButton::clicked, page,
            [page, &parts, &icons] { page->m_sheet = RecordSheets::editKeyCombo(parts, icons, std::nullopt, page); });
    fill();
    return page;
}

RecordListPage *RecordListPage::prompts(const WheelSettingsParts &parts, SymbolIcons &icons)
{
    auto *page = new RecordListPage(icons, QStringLiteral("Prompt"), tr("Prompts"),
                                    tr("Your own instructions for the selected text. Add them to a ring: pick a slot, "
                                       "then Prompts."),
                                    tr("Add Prompt…"));
    page->setObjectName(QStringLiteral("promptsPage"));
    page->m_empty->setText(tr("No prompts yet"));
    const auto fill = [page, &parts, &icons] {
        QList<Record> records;
        for (const CustomPrompt &prompt : parts.prompts.prompts()) {
            records.append(Record{prompt.symbol, prompt.title(), resultText(prompt.result),
                                  [page, &parts, &icons, prompt] {
                                      return RecordSheets::editPrompt(parts, icons, prompt, page);
                                  },
                                  [&parts, id = prompt.id] { parts.prompts.remove(id); }});
        }
        page->showRecords(records);
    };
    connect(&parts.prompts, &PromptStore::promptsChanged, page, fill);
    connect(page->m_add, &QPushButton::clicked, page,
            [page, &parts, &icons] { page->m_sheet = RecordSheets::editPrompt(parts, icons, std::nullopt, page); });
    fill();
    return page;
}

void RecordListPage::showRecords(const QList<Record> &records)
{
    qDeleteAll(m_rowWidgets);
    m_rowWidgets.clear();
    m_rows.clear();
    for (qsizetype i = 0; i < records.size(); ++i) {
        const Record &record = records.at(i);
        const int line = int(i);
        auto *symbol = new QLabel;
        symbol->setPixmap(EditorIcons::symbol(m_icons, record.symbol, *this).pixmap(16, 16));
        symbol->setAlignment(Qt::AlignCenter);
        Row row{new QLabel(record.name), new QLabel(record.detail), new QToolButton, new QToolButton};
        row.detail->setForegroundRole(QPalette::PlaceholderText);
        row.edit->setObjectName(QStringLiteral("edit%1%2").arg(m_kind).arg(line + 1));
        row.edit->setIcon(EditorIcons::symbol(m_icons, QStringLiteral("pencil"), *this));
        row.edit->setToolTip(tr("Edit"));
        row.edit->setAutoRaise(true);
        row.remove->setObjectName(QStringLiteral("remove%1%2").arg(m_kind).arg(line + 1));
        row.remove->setIcon(EditorIcons::symbol(m_icons, QStringLiteral("minus.circle"), *this));
        row.remove->setToolTip(tr("Remove"));
        row.remove->setAutoRaise(true);
        connect(row.edit, &QToolButton::clicked, this, [this, edit = record.edit] { m_sheet = edit(); });
        // Queued: removing rebuilds these rows, the clicked button among them.
        connect(row.remove, &QToolButton::clicked, this, record.remove, Qt::QueuedConnection);
        const QList<QWidget *> cells{symbol, row.name, row.detail, row.edit, row.remove};
        for (qsizetype c = 0; c < cells.size(); ++c)
            m_grid->addWidget(cells.at(c), line, int(c));
        m_rowWidgets.append(cells);
        m_rows.append(row);
    }
    m_empty->setVisible(records.isEmpty());
}
