#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

// Typed key-value settings of one application domain. A value keeps the type it was written with;
// reading it as another type answers "absent", so callers fall back to their defaults.
class UserDefaults : public QObject {
    Q_OBJECT
public:
    using Value = std::variant<bool, qint64, double, QString, QByteArray>;

    using QObject::QObject;

    virtual std::optional<Value> value(const QString &key) const = 0;
    virtual void setValue(const QString &key, const Value &value) = 0;
    virtual void remove(const QString &key) = 0;
    virtual QStringList keys() const = 0;

    std::optional<bool> boolValue(const QString &key) const { return typed<bool>(key); }
    std::optional<qint64> intValue(const QString &key) const { return typed<qint64>(key); }
    std::optional<double> doubleValue(const QString &key) const { return typed<double>(key); }
    std::optional<QString> stringValue(const QString &key) const { return typed<QString>(key); }
    std::optional<QByteArray> dataValue(const QString &key) const { return typed<QByteArray>(key); }

    void setBool(const QString &key, bool v) { setValue(key, Value(v)); }
    void setInt(const QString &key, qint64 v) { setValue(key, Value(v)); }
    void setDouble(const QString &key, double v) { setValue(key, Value(v)); }
    void setString(const QString &key, const QString &v) { setValue(key, Value(v)); }
    void setData(const QString &key, const QByteArray &v) { setValue(key, Value(v)); }

Q_SIGNALS:
    // Emitted after a key's value was set or removed, by this process or by another writer of the domain.
    void valueChanged(const QString &key);

private:
    template <typename T> std::optional<T> typed(const QString &key) const
    {
        const std::optional<Value> v = value(key);
        if (v && std::holds_alternative<T>(*v))
            return std::get<T>(*v);
        return std::nullopt;
    }
};
