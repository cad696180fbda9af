#pragma once

#include <string_view>

namespace zarn::fuzz {

// The nplayers.ini import on arbitrary bytes.
void checkNPlayersIni(std::string_view data);

} // namespace zarn::fuzz
