#include "platform/linux/atspiref.h"

#include <glib-object.h>

namespace AtspiRefDetail {
void ref(void *object)
{
    g_object_ref(object);
}

void unref(void *object)
{
    g_object_unref(object);
}
} // namespace AtspiRefDetail

AtspiError::~AtspiError()
{
    if (m_error)
        g_error_free(m_error);
}

QString atspiTakeString(char *text, bool *present)
{
    if (present)
        *present = text != nullptr;
    if (!text)
        return {};
    QString result = QString::fromUtf8(text);
    g_free(text);
    return result;
}
