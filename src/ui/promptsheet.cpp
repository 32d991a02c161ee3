#include "ui/promptsheet.h"

#include "ui/sheetlayout.h"
#include "ui/symbolbutton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int instructionHeight = 110;
}

PromptSheet::PromptSheet(const std::optional<CustomPrompt> &original, SymbolIcons &icons, QWidget *parent)
    : QDialog(parent)
    , m_original(original.value_or(CustomPrompt{}))
    , m_heading(SheetLayout::heading(original ? tr("Edit Prompt") : tr("New Prompt")))
    , m_symbol(new SymbolButton(icons, m_original.symbol))
    , m_name(new QLineEdit(m_original.name))
    , m_instruction(new QPlainTextEdit(m_original.instruction))
    , m_replace(new QRadioButton(tr("Replace the text")))
    , m_show(new QRadioButton(tr("Show next to the cursor")))
    , m_keepLanguage(new QCheckBox(tr("Keep the language of the text")))
{
    setObjectName(QStringLiteral("promptSheet"));
    setWindowTitle(m_heading->text());
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    m_name->setObjectName(QStringLiteral("promptName"));
    m_name->setPlaceholderText(tr("Shown in the wheel, e.g. Make Formal"));
    m_instruction->setObjectName(QStringLiteral("promptInstruction"));
    m_instruction->setPlaceholderText(tr("e.g. Make it more formal, then shorten it to at most three sentences."));
    m_instruction->setMinimumHeight(instructionHeight);
    m_instruction->setFrameShape(QFrame::StyledPanel);
    m_instruction->setTabChangesFocus(true);
    m_replace->setObjectName(QStringLiteral("resultReplace"));
    m_show->setObjectName(QStringLiteral("resultShow"));
    auto *results = new QButtonGroup(this);
    results->addButton(m_replace);
    results->addButton(m_show);
    (m_original.result == CustomPrompt::ResultMode::show ? m_show : m_replace)->setChecked(true);
    m_keepLanguage->setObjectName(QStringLiteral("keepLanguage"));
    m_keepLanguage->setChecked(m_original.keepLanguage);

    auto *resultBox = new QVBoxLayout;
    resultBox->addWidget(m_replace);
    resultBox->addWidget(m_show);
    auto *form = new QFormLayout;
    form->addRow(tr("Instruction"), m_instruction);
    form->addRow(tr("Result"), resultBox);
    auto *buttons = SheetLayout::buttons(this, m_cancel, m_save);
    connect(m_save, &QPushButton::clicked, this, &PromptSheet::save);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addLayout(SheetLayout::nameRow(m_symbol, m_name));
    layout->addLayout(form);
    layout->addWidget(m_keepLanguage);
    layout->addWidget(SheetLayout::caption(tr("Turn this off for prompts that should answer in another language, "
                                              "like \"translate to German\".")));
    layout->addWidget(buttons);
    setFixedWidth(SheetLayout::width);

    const auto check = [this] { m_save->setEnabled(!m_instruction->toPlainText().trimmed().isEmpty()); };
    connect(m_instruction, &QPlainTextEdit::textChanged, this, check);
    check();
    m_name->setFocus(Qt::OtherFocusReason);
}

CustomPrompt PromptSheet::draft() const
{
    CustomPrompt prompt = m_original;
    prompt.name = m_name->text();
    prompt.symbol = m_symbol->symbol();
    prompt.instruction = m_instruction->toPlainText();
    prompt.result = m_show->isChecked() ? CustomPrompt::ResultMode::show : CustomPrompt::ResultMode::replace;
    prompt.keepLanguage = m_keepLanguage->isChecked();
    return prompt;
}

void PromptSheet::save()
{
    const CustomPrompt prompt = draft();
    if (prompt.instruction.trimmed().isEmpty())
        return;
    Q_EMIT saved(prompt);
    accept();
}
