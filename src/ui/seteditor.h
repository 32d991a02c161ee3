#pragma once

#include "ui/wheelsettingsparts.h"
#include "wheel/wheelset.h"

#include <QUuid>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class QVBoxLayout;
class SymbolIcons;

// The pane for one set: its name, its ring count and, except for the default set, the apps and
// websites it belongs to. Every change is written to the store at once, onto the set as it is
// stored then; the store takes an app or site away from any other set that had it.
class SetEditor final : public QWidget {
    Q_OBJECT
public:
    SetEditor(const WheelSettingsParts &parts, SymbolIcons &icons, QWidget *parent = nullptr);

    bool showSet(const QUuid &setID);
    bool refresh();

    QUuid setID() const { return m_setID; }
    QLabel *nameLabel() const { return m_nameLabel; }
    QLineEdit *nameField() const { return m_nameField; }
    QLabel *ringCount() const { return m_ringCount; }
    QLabel *defaultNote() const { return m_defaultNote; }
    QWidget *bindings() const { return m_bindings; }
    QLineEdit *websiteField() const { return m_websiteField; }
    // The "Add App" menu, filled as it is when it opens.
    QMenu *addAppMenu();
    // The listed apps' remove buttons, in list order.
    QList<QToolButton *> appRemoveButtons() const;

    void addApps(const QStringList &appIds);
    // Submits the website field.
    void submitWebsite();
    void chooseApps();

private:
    void edit(const std::function<void(WheelSet &)> &change);
    void showValues(const WheelSet &set, bool isDefault);
    void fillRows(QVBoxLayout *rows, const QStringList &entries, bool apps);

    const WheelSettingsParts &m_parts;
    SymbolIcons &m_icons;
    QUuid m_setID;
    QStringList m_shownApps;
    QStringList m_shownSites;
    QLabel *m_nameLabel;
    QLineEdit *m_nameField;
    QLabel *m_ringCount;
    QLabel *m_defaultNote;
    QWidget *m_bindings;
    QVBoxLayout *m_appRows;
    QVBoxLayout *m_siteRows;
    QToolButton *m_addApp;
    QMenu *m_addAppMenu;
    QLineEdit *m_websiteField;
};
