#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <vector>

// The user's scripts: every executable file directly in the scripts folder (in no folder) or in
// one of its sub-folders. Hidden files and backups ("name~") are not scripts.
struct Script {
    QString name;   // shown on the wheel: the file name without a short extension
    QString id;     // a name-based UUID of the path inside the scripts folder, upper-case
    QString folder; // empty when the script is in no folder
    std::filesystem::path path;
};

class ScriptCatalogue final {
public:
    // $XDG_CONFIG_HOME/Ringle/Shortcuts, with ~/.config when the variable is unset or relative.
    static std::filesystem::path defaultRoot();

    // A missing or unreadable folder is an empty catalogue.
    explicit ScriptCatalogue(const std::filesystem::path &root);

    // Sorted by name, case aside; ties by identifier so the order never depends on the disk.
    const std::vector<Script> &scripts() const { return m_scripts; }
    // Folder names, sorted the same way; folders without scripts included.
    QStringList folders() const { return m_folders; }
    bool hasFolder(const QString &name) const { return m_folders.contains(name); }
    // By identifier (any case), else by name; null when neither matches.
    const Script *find(const QString &idOrName) const;

    // The identifier of the script at `relativePath` (bytes as on disk, "folder/file" or "file").
    static QString identifierFor(const std::string &relativePath);
    // What a file name shows as: without an extension of up to five letters or digits, control
    // characters as spaces (a listing is one script per line).
    static QString displayName(const std::string &fileName);

private:
    void addScripts(const std::filesystem::path &dir, const QString &folder, const std::string &prefix);

    std::vector<Script> m_scripts;
    QStringList m_folders;
};
