#pragma once

// Ownership helpers for libatspi objects that keep GLib out of the headers.
#include <QString>
#include <utility>

struct _GError;

namespace AtspiRefDetail {
void ref(void *object);
void unref(void *object);
} // namespace AtspiRefDetail

// One reference to a GObject; T is a libatspi type such as _AtspiAccessible.
template <typename T> class AtspiRef final {
public:
    AtspiRef() = default;
    // Takes over a reference the caller owns (what libatspi's getters return).
    static AtspiRef adopt(T *object)
    {
        AtspiRef r;
        r.m_object = object;
        return r;
    }
    // Adds a reference of its own.
    static AtspiRef share(T *object)
    {
        if (object)
            AtspiRefDetail::ref(object);
        return adopt(object);
    }
    AtspiRef(const AtspiRef &other) : m_object(other.m_object)
    {
        if (m_object)
            AtspiRefDetail::ref(m_object);
    }
    AtspiRef(AtspiRef &&other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    AtspiRef &operator=(AtspiRef other) noexcept
    {
        std::swap(m_object, other.m_object);
        return *this;
    }
    ~AtspiRef()
    {
        if (m_object)
            AtspiRefDetail::unref(m_object);
    }

    T *get() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    T *m_object = nullptr;
};

// Collects the error of one libatspi call and frees it.
class AtspiError final {
public:
    AtspiError() = default;
    AtspiError(const AtspiError &) = delete;
    AtspiError &operator=(const AtspiError &) = delete;
    ~AtspiError();

    _GError **out() { return &m_error; }
    bool isSet() const { return m_error != nullptr; }

private:
    _GError *m_error = nullptr;
};

// A string libatspi returns, freed here; none for a null pointer.
QString atspiTakeString(char *text, bool *present = nullptr);
