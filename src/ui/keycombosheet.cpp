#include "ui/keycombosheet.h"

#include "ui/keycomborecordbox.h"
#include "ui/sheetlayout.h"
#include "ui/symbolbutton.h"
#include "wheel/wheeltab.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

KeyComboSheet::KeyComboSheet(const std::optional<CustomKeyCombo> &original, const KeyboardLayout &layout,
                             GlobalShortcuts::Registry *hotKeys, SymbolIcons &icons, QWidget *parent)
    : QDialog(parent)
    , m_original(original)
    , m_heading(SheetLayout::heading(original ? tr("Edit Key Combo") : tr("New Key Combo")))
    , m_box(new KeyComboRecordBox(layout, hotKeys, original ? std::optional<KeyCombo>(original->combo) : std::nullopt))
    , m_symbol(new SymbolButton(icons, original ? original->symbol : QStringLiteral("keyboard")))
    , m_name(new QLineEdit(original ? original->combo.title : QString()))
{
    setObjectName(QStringLiteral("keyComboSheet"));
    setWindowTitle(m_heading->text());
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    m_name->setObjectName(QStringLiteral("keyComboName"));
    m_name->setPlaceholderText(tr("Shown in the wheel, e.g. Match Style"));
    m_name->installEventFilter(this);

    auto *caption = SheetLayout::caption(
        tr("Click the box to record a new combo. Single keys like S work too. Your desktop catches some of its own "
           "shortcuts, such as screenshots or switching windows, before Ringle sees them. Pick those from Key Combos "
           "→ Default Key Combos in a slot instead."));
    auto *buttons = SheetLayout::buttons(this, m_cancel, m_save);
    connect(m_save, &QPushButton::clicked, this, &KeyComboSheet::save);

    auto *layoutBox = new QVBoxLayout(this);
    layoutBox->addWidget(m_heading);
    layoutBox->addWidget(m_box);
    layoutBox->addWidget(caption);
    layoutBox->addLayout(SheetLayout::nameRow(m_symbol, m_name));
    layoutBox->addWidget(buttons);
    setFixedWidth(SheetLayout::width);

    const auto check = [this] { m_save->setEnabled(m_box->captured().has_value()); };
    connect(m_box, &KeyComboRecordBox::changed, this, check);
    check();
    if (!original)
        m_box->startRecording();
    m_box->setFocus(Qt::OtherFocusReason);
}

void KeyComboSheet::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_box->setFocus(Qt::OtherFocusReason);
}

bool KeyComboSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_name && event->type() == QEvent::FocusIn)
        m_box->stopRecording();
    return QDialog::eventFilter(watched, event);
}

std::optional<CustomKeyCombo> KeyComboSheet::record() const
{
    const std::optional<KeyCombo> captured = m_box->captured();
    if (!captured)
        return std::nullopt;
    CustomKeyCombo record = m_original.value_or(CustomKeyCombo{});
    record.combo = KeyCombo{WheelText::trimmedSpacesAndTabs(m_name->text()), captured->key, captured->modifiers,
                            captured->keyLabel};
    record.symbol = m_symbol->symbol();
    return record;
}

void KeyComboSheet::save()
{
    const std::optional<CustomKeyCombo> finished = record();
    if (!finished)
        return;
    Q_EMIT saved(*finished);
    accept();
}
