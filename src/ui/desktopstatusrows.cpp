#include "ui/desktopstatusrows.h"

#include "ui/statuslabel.h"

#include <QFormLayout>
#include <QSet>

#include <algorithm>

namespace {
QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}
} // namespace

DesktopStatusRows::DesktopStatusRows(QFormLayout &form)
    : m_form(form)
    , m_firstRow(form.rowCount())
{
}

QString DesktopStatusRows::sentence(const DesktopCapability &line)
{
    QString text = capitalised(line.how);
    if (!text.endsWith(u'.'))
        text += u'.';
    if (!line.todo.isEmpty())
        text += u' ' + line.todo;
    return text;
}

bool DesktopStatusRows::needsRow(const DesktopCapability &line)
{
    // Accessibility and the model have rows of their own, the shortcut and the mouse trigger their
    // sentences in the Action Wheel section; what works needs no row, so the window keeps fitting
    // small screens (`ringle doctor` lists everything).
    using Kind = DesktopCapability::Kind;
    return !line.works && line.kind != Kind::accessibility && line.kind != Kind::modelServer
        && line.kind != Kind::shortcut && line.kind != Kind::mouseTrigger;
}

void DesktopStatusRows::show(const QList<DesktopCapability> &lines)
{
    QSet<DesktopCapability::Kind> missing;
    for (const DesktopCapability &line : lines) {
        if (!needsRow(line))
            continue;
        missing.insert(line.kind);
        StatusLabel *label = m_rows.value(line.kind);
        if (!label) {
            label = new StatusLabel;
            m_form.insertRow(rowAfterLastShown(), DesktopCapability::title(line.kind), label);
            m_rows.insert(line.kind, label);
        }
        label->setText(sentence(line), false);
    }
    for (auto it = m_rows.begin(); it != m_rows.end();) {
        if (missing.contains(it.key())) {
            ++it;
            continue;
        }
        m_form.removeRow(it.value());
        it = m_rows.erase(it);
    }
}

int DesktopStatusRows::rowAfterLastShown() const
{
    int row = m_firstRow;
    for (StatusLabel *label : m_rows) {
        int at = -1;
        QFormLayout::ItemRole role;
        m_form.getWidgetPosition(label, &at, &role);
        row = std::max(row, at + 1);
    }
    return row;
}
