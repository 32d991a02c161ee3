#pragma once

#include "platform/desktopcapability.h"

#include <QHash>
#include <QList>

class QFormLayout;
class StatusLabel;

// The desktop's lines in the General tab's Status section, one row each (the same lines as
// `ringle doctor`): what works, and what to do about what does not.
class DesktopStatusRows final {
public:
    explicit DesktopStatusRows(QFormLayout &form)
        : m_form(form)
    {
    }

    // Adds rows for kinds not shown yet and updates the others.
    void show(const QList<DesktopCapability> &lines);
    StatusLabel *row(DesktopCapability::Kind kind) const { return m_rows.value(kind); }

    // One sentence for a capability: what works, or what is missing and what to do.
    static QString sentence(const DesktopCapability &line);

private:
    QFormLayout &m_form;
    QHash<DesktopCapability::Kind, StatusLabel *> m_rows;
};
