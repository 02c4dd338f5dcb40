// libFuzzer entry: any bytes through ClipboardReaderHolds (fuzz_checks.h).
#include "fuzz_checks.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!ClipboardReaderHolds(std::string_view(reinterpret_cast<const char*>(data), size))) std::abort();
    return 0;
}
