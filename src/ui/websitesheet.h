#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The sheet "Website" that gives a slot an address and an optional name. Window-modal; Save is
// enabled only while the address makes a usable URL.
class WebsiteSheet final : public QDialog {
    Q_OBJECT
public:
    WebsiteSheet(const QString &address, const QString &name, QWidget *parent);

    QLineEdit *addressField() const { return m_address; }
    QLineEdit *nameField() const { return m_name; }
    QPushButton *saveButton() const { return m_save; }

Q_SIGNALS:
    // The URL's full text and the name trimmed of spaces and tabs.
    void saved(const QString &address, const QString &name);

private:
    void save();

    QLineEdit *m_address;
    QLineEdit *m_name;
    QPushButton *m_save;
};
