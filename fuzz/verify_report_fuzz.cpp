// The verification report parser on arbitrary bytes, against a plain model of its rules.
#include "verify_report_check.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zarn::fuzz::checkVerifyReport({reinterpret_cast<const char*>(data), size});
    return 0;
}
