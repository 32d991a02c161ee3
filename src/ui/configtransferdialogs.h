#pragma once

#include "wheel/configcontents.h"
#include "wheel/configimport.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QString>

// The Action Wheel tab's "Export…" and "Import…": a file dialog; for an import, the summary with
// Merge, Replace and Cancel before anything changes, then where the backup went; a refusal in a
// message box, in the words the command line uses. Every dialog is opened, never run, so nothing
// waits in a nested event loop and tests can answer them through the accessors.
class ConfigTransferDialogs final : public QObject {
    Q_OBJECT
public:
    // `settingsFile` is the file backups are kept next to.
    ConfigTransferDialogs(ConfigStores stores, QString settingsFile, QWidget *parent);

    void chooseExportFile();
    void chooseImportFile();
    // What the file dialogs lead to once a file is chosen.
    void exportTo(const QString &path);
    void importFrom(const QString &path);

    // While open: the file dialog, the import's summary, the message after an export or import.
    QFileDialog *fileDialog() const { return m_fileDialog; }
    QMessageBox *summary() const { return m_summary; }
    QPushButton *mergeButton() const { return m_merge; }
    QPushButton *replaceButton() const { return m_replace; }
    QMessageBox *message() const { return m_message; }

Q_SIGNALS:
    // The stores now hold the imported configuration.
    void imported();

private:
    void openFileDialog(bool forExport);
    void confirm(const ConfigImport::Prepared &prepared);
    void run(const ConfigImport::Prepared &prepared, ConfigImport::Mode mode);
    void tell(QMessageBox::Icon icon, const QString &title, const QString &text);

    ConfigStores m_stores;
    QString m_settingsFile;
    QWidget *m_parent;
    QPointer<QFileDialog> m_fileDialog;
    QPointer<QMessageBox> m_summary;
    QPointer<QPushButton> m_merge;
    QPointer<QPushButton> m_replace;
    QPointer<QMessageBox> m_message;
};
