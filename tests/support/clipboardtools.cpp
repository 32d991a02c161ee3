#include "clipboardtools.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>

namespace TestSupport {
ClipboardItem itemOf(const Formats &formats)
{
    ClipboardItem item;
    for (const auto &[type, data] : formats)
        item.append({type, data});
    return item;
}

QByteArray nulFirstBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator gen(seed);
    QByteArray bytes = randomBytes(gen, size);
    bytes[0] = '\0';
    return bytes;
}

std::unique_ptr<LineProcess> startClipboardTool(const QString &program)
{
    auto tool = std::make_unique<LineProcess>();
    return tool->start(programPath(program)) ? std::move(tool) : nullptr;
}

std::unique_ptr<LineProcess> clipboardOwnerOf(const QString &program, const Formats &formats)
{
    auto tool = startClipboardTool(program);
    if (tool && tool->request("own " + encodeFormats(formats)) != "ok")
        return nullptr;
    return tool;
}

Formats dump(LineProcess &tool)
{
    const QByteArray reply = tool.request("dump");
    return reply.startsWith("dump ") ? decodeFormats(reply.mid(5)) : Formats{{u"no answer"_qs, reply}};
}

QStringList typesOf(LineProcess &tool)
{
    QStringList types;
    for (const QJsonValue &v : QJsonDocument::fromJson(tool.request("types").mid(6)).array())
        types.append(v.toString());
    return types;
}
} // namespace TestSupport
