// The list import over a whole -listxml text: the capture reader against a plain model of its
// pieces, and the rows the line patterns write.
#include "list_import_check.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zarn::fuzz::checkListImport({reinterpret_cast<const char*>(data), size});
    return 0;
}
