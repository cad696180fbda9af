#pragma once

#include <string>
#include <string_view>

namespace zarn {

class GameTable;
class Ui;

// Imports a history.dat file: for every entry ("$info=" names, "$bio", text lines, "$end"), the
// entry's text goes into the "Bio" cell of the first row whose "ROM" equals one of its names. Other
// Bio cells keep their text. The file is read as text (CR dropped, Ctrl-Z ends it). Progress goes to
// status panel 0. A file that cannot be read is reported in a message box (path, a blank, the
// system's error text) and false returned; nothing changes then.
bool ParseHistoryDat(GameTable& table, const std::string& path, Ui& ui);

// The text an entry starts with, before its own lines.
std::string HistoryEntryHeader(std::string_view firstName);

// Joins the lines of an entry the way the information box shows them: a line feed followed by
// something other than a line feed turns the character before it into a blank (so an empty line
// between paragraphs disappears).
void HistoryLineBreaks(std::string& text);

} // namespace zarn
