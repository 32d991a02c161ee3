#pragma once

#include <QString>
#include <optional>

class Workspace;

// Names and icons of installed applications by application id.
class AppLookup final {
public:
    explicit AppLookup(Workspace &workspace);

    // The display name, or the id itself when no installed application has it.
    QString name(const QString &appId) const;
    // The icon reference (a theme name or a file path), or none.
    std::optional<QString> iconName(const QString &appId) const;

private:
    Workspace &m_workspace;
};
