#pragma once

#include <string_view>

namespace zarn::fuzz {

// The verification report parser against a plain model of its rules.
void checkVerifyReport(std::string_view data);

} // namespace zarn::fuzz
