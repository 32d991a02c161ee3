// A model server's model list: refused with a RingleError, never a crash; what is read sorts into
// one consistent order.
#include "fuzzsupport.h"

#include "base/ringleerror.h"
#include "ai/chatwire.h"
#include "ai/localmodelclient.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList ids;
    try {
        ids = ChatWire::decodeModelList(fuzzBytes(data, size));
    } catch (const RingleError &) {
        return 0;
    }
    QStringList sorted = ids;
    LocalModelClient::sortLikeFileNames(sorted);
    FUZZ_CHECK(sorted.size() == ids.size());
    QStringList again = sorted;
    std::reverse(again.begin(), again.end());
    LocalModelClient::sortLikeFileNames(again);
    FUZZ_CHECK(again == sorted);
    return 0;
}
