#pragma once

#include <QString>

#include <string_view>

// A cell's bytes as the grid shows them: UTF-8, or Latin-1 when they are not valid UTF-8.
QString cellToDisplay(std::string_view bytes);
