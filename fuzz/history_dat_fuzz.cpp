// The history.dat import on arbitrary bytes.
#include "history_dat_check.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zarn::fuzz::checkHistoryDat({reinterpret_cast<const char*>(data), size});
    return 0;
}
