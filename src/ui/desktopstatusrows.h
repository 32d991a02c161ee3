#pragma once

#include "platform/desktopcapability.h"

#include <QHash>
#include <QList>

class QFormLayout;
class StatusLabel;

// The desktop's missing pieces in the General tab's Status section, one row each with what to do,
// placed where the form had its rows when this was made.
class DesktopStatusRows final {
public:
    explicit DesktopStatusRows(QFormLayout &form);

    // Adds rows for what went missing, updates the others and removes those that work now.
    void show(const QList<DesktopCapability> &lines);
    StatusLabel *row(DesktopCapability::Kind kind) const { return m_rows.value(kind); }

    // One sentence for a capability: what works, or what is missing and what to do.
    static QString sentence(const DesktopCapability &line);
    static bool needsRow(const DesktopCapability &line);

private:
    int rowAfterLastShown() const;

    QFormLayout &m_form;
    int m_firstRow;
    QHash<DesktopCapability::Kind, StatusLabel *> m_rows;
};
