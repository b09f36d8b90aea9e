#include "FileFuzzTargets.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzTableImport({reinterpret_cast<const char*>(data), size});
    return 0;
}
