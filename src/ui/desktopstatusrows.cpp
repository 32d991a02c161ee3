#include "ui/desktopstatusrows.h"

#include "ui/statuslabel.h"

#include <QFormLayout>

namespace {
QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}
} // namespace

QString DesktopStatusRows::sentence(const DesktopCapability &line)
{
    QString text = capitalised(line.how);
    if (!text.endsWith(u'.'))
        text += u'.';
    if (!line.todo.isEmpty())
        text += u' ' + line.todo;
    return text;
}

void DesktopStatusRows::show(const QList<DesktopCapability> &lines)
{
    for (const DesktopCapability &line : lines) {
        StatusLabel *label = m_rows.value(line.kind);
        if (!label) {
            label = new StatusLabel;
            m_form.addRow(DesktopCapability::title(line.kind), label);
            m_rows.insert(line.kind, label);
        }
        label->setText(sentence(line), line.works);
    }
}
