#include "ui/sheetlayout.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace SheetLayout {
QLabel *heading(const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(QStringLiteral("sheetHeading"));
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    label->setFont(bold);
    return label;
}

QLabel *caption(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QHBoxLayout *nameRow(QWidget *symbol, QWidget *name)
{
    auto *row = new QHBoxLayout;
    row->addWidget(symbol);
    row->addWidget(new QLabel(QCoreApplication::translate("SheetLayout", "Name")));
    row->addWidget(name, 1);
    return row;
}

QDialogButtonBox *buttons(QDialog *dialog, QPushButton *&cancel, QPushButton *&save)
{
    auto *box = new QDialogButtonBox;
    cancel = box->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    save = box->addButton(QCoreApplication::translate("SheetLayout", "Save"), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("save"));
    save->setDefault(true);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}
} // namespace SheetLayout
