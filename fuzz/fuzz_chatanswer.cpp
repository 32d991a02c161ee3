// A model server's whole answer, successful or failing: what cannot be read becomes a RingleError,
// never a crash; thinking sections never reach the user.
#include "fuzzsupport.h"

#include "base/ringleerror.h"
#include "ai/chatwire.h"
#include "ai/localmodelclient.h"

namespace {
void checkNoThinking(const QString &answer)
{
    FUZZ_CHECK(!LocalModelClient::withoutThinking(answer).contains(QLatin1String("<think>")));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray body = fuzzBytes(data, size);
    try {
        checkNoThinking(ChatWire::decodeResponse(body));
    } catch (const RingleError &) {
    }
    if (const std::optional<QString> said = ChatWire::errorMessage(body))
        checkNoThinking(*said);
    for (const int status : {400, 413, 500}) {
        try {
            LocalModelClient::check(status, body);
            FUZZ_CHECK(false);
        } catch (const RingleError &) {
        }
    }
    return 0;
}
