// Any bytes from the network, decoded and applied to a test: must neither
// crash nor read out of bounds, and the result must be consistent.
#include "model/Protocol.h"
#include "receiver/SheetDecoder.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TDecodedSheet sheet = DecodeSheet(bytes);
    if (sheet.EndMarkerOk && (!sheet.IdentifierOk || sheet.Truncated))
        std::abort();
    if (sheet.Records.size() > sheet.RecordCount)
        std::abort();
    TProtocol protocol;
    ApplySheet(protocol, sheet);
    if (protocol.Measures.Count() != sheet.ReadingCount())
        std::abort();
    return 0;
}
