#pragma once

#include <string_view>

namespace zarn::fuzz {

// The history.dat import on arbitrary bytes.
void checkHistoryDat(std::string_view data);

} // namespace zarn::fuzz
