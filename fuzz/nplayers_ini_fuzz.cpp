// The nplayers.ini import on arbitrary bytes: every row must get what a lookup of its own key
// gives.
#include "nplayers_ini_check.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zarn::fuzz::checkNPlayersIni({reinterpret_cast<const char*>(data), size});
    return 0;
}
