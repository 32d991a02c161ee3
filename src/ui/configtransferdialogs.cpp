#include "ui/configtransferdialogs.h"

#include "wheel/configdocument.h"
#include "wheel/configfile.h"
#include "wheel/configtransfererror.h"
#include "wheel/configtransfertexts.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

ConfigTransferDialogs::ConfigTransferDialogs(ConfigStores stores, QString settingsFile, QWidget *parent)
    : QObject(parent)
    , m_stores(stores)
    , m_settingsFile(std::move(settingsFile))
    , m_parent(parent)
{
}

void ConfigTransferDialogs::chooseExportFile()
{
    openFileDialog(true);
}

void ConfigTransferDialogs::chooseImportFile()
{
    openFileDialog(false);
}

void ConfigTransferDialogs::openFileDialog(bool forExport)
{
    if (m_fileDialog)
        return;
    auto *dialog = new QFileDialog(m_parent, forExport ? tr("Export the Wheel Configuration")
                                                       : tr("Import a Wheel Configuration"),
                                   QDir::homePath(), tr("Ringle configurations (*.json);;All files (*)"));
    dialog->setObjectName(forExport ? QStringLiteral("exportFile") : QStringLiteral("importFile"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    if (forExport) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setDefaultSuffix(QStringLiteral("json"));
        dialog->selectFile(QStringLiteral("ringle-configuration.json"));
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    connect(dialog, &QFileDialog::fileSelected, this, [this, forExport](const QString &path) {
        if (forExport)
            exportTo(path);
        else
            importFrom(path);
    });
    m_fileDialog = dialog;
    dialog->open();
}

void ConfigTransferDialogs::exportTo(const QString &path)
{
    const ConfigContents contents = m_stores.current();
    if (const std::optional<QString> failure = ConfigFile::write(path, ConfigDocument::encode(contents)))
        tell(QMessageBox::Warning, tr("Not Exported"), ConfigTransferTexts::exportFailed(path, *failure));
    else
        tell(QMessageBox::Information, tr("Exported"), ConfigTransferTexts::exported(contents, path));
}

void ConfigTransferDialogs::importFrom(const QString &path)
{
    try {
        const ConfigContents file = ConfigDocument::decode(ConfigFile::read(path));
        const ConfigImport::Prepared prepared = ConfigImport::prepare(file, m_stores.current());
        if (const std::optional<QString> refusal = prepared.refusal(std::nullopt))
            throw ConfigTransferError(*refusal);
        confirm(prepared);
    } catch (const ConfigTransferError &refusal) {
        tell(QMessageBox::Warning, tr("Not Imported"), refusal.message());
    }
}

void ConfigTransferDialogs::confirm(const ConfigImport::Prepared &prepared)
{
    delete m_summary;
    const QString merge = tr("Merge");
    const QString replace = tr("Replace");
    auto *box = new QMessageBox(QMessageBox::Question, tr("Import"), ConfigTransferTexts::question(prepared.file),
                                QMessageBox::Cancel, m_parent);
    box->setObjectName(QStringLiteral("importSummary"));
    box->setInformativeText((ConfigTransferTexts::names(prepared.file)
                             + ConfigTransferTexts::effects(prepared, merge, replace))
                                .join(QLatin1Char('\n')));
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    m_merge = box->addButton(merge, QMessageBox::AcceptRole);
    m_replace = box->addButton(replace, QMessageBox::DestructiveRole);
    m_merge->setEnabled(prepared.merge.plan.has_value());
    m_replace->setEnabled(prepared.replace.plan.has_value());
    if (prepared.merge.plan)
        box->setDefaultButton(m_merge);
    else
        box->setDefaultButton(QMessageBox::Cancel);
    connect(m_merge, &QPushButton::clicked, this, [this, prepared] { run(prepared, ConfigImport::Mode::merge); });
    connect(m_replace, &QPushButton::clicked, this, [this, prepared] { run(prepared, ConfigImport::Mode::replace); });
    m_summary = box;
    box->open();
}

void ConfigTransferDialogs::run(const ConfigImport::Prepared &prepared, ConfigImport::Mode mode)
{
    try {
        const QString backup = ConfigImport::apply(prepared, mode, m_stores, m_settingsFile);
        Q_EMIT imported();
        tell(QMessageBox::Information, tr("Imported"), ConfigTransferTexts::done(prepared, mode, backup));
    } catch (const ConfigTransferError &refusal) {
        tell(QMessageBox::Warning, tr("Not Imported"), refusal.message());
    }
}

void ConfigTransferDialogs::tell(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    delete m_message;
    auto *box = new QMessageBox(icon, title, text, QMessageBox::Ok, m_parent);
    box->setObjectName(QStringLiteral("transferMessage"));
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    m_message = box;
    box->open();
}
