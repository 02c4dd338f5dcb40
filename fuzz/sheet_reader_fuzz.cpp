// Feeds any bytes to the data sheet reader. Besides not crashing, reading
// what the writer wrote must give back the same table: writing a read file,
// reading that and writing again gives the same bytes.
#include "docs/sheet_format.h"
#include "sheet/sheet_globals.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fNum = 0;
    IsPassiveRadiatorList(bytes);
    ReadSheetBytes(bytes);
    DropHeaderRecord();
    const std::string first = SheetFileBytes();
    ReadSheetBytes(first);
    const std::string second = SheetFileBytes();
    if (first != second) std::abort();
    return 0;
}
