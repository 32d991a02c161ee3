#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// The parts the record sheets share: heading, caption and the Cancel and Save buttons.
namespace SheetLayout {
inline constexpr int width = 440;

QLabel *heading(const QString &text);
// Secondary, wrapped text under a control.
QLabel *caption(const QString &text);
// The symbol button, then the name field with its label.
QHBoxLayout *nameRow(QWidget *symbol, QWidget *name);
// Cancel (Escape) rejects the dialog; Save is the default button and is wired by the caller.
QDialogButtonBox *buttons(QDialog *dialog, QPushButton *&cancel, QPushButton *&save);
} // namespace SheetLayout
