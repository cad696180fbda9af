#pragma once

#include <string_view>

namespace zarn::fuzz {

// The capture reader and the line patterns over a whole -listxml text.
void checkListImport(std::string_view data);

} // namespace zarn::fuzz
