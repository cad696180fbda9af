#pragma once

#include <set>
#include <string>
#include <string_view>

namespace zarn {

class GameTable;
class Ui;
struct AppContext;

// Every entry name of the ROM folder exactly as the listing gave it. std::less compares bytes,
// so membership is exact and case-sensitive. The command that fills it empties it at its end.
using RomNameSet = std::set<std::string, std::less<>>;

// The "roms" folder beside the MAME executable: the executable's folder part followed by "roms".
std::string RomFolderOf(std::string_view executable);

// The "RomSize" text of an archive of the given size: kilobytes of 1000 bytes, "%.2fKb".
std::string RomSizeText(long long bytes);

// Lists the folder into names: every entry, sub-folders and "." and ".." included. False with the
// system's text for the failure in *errorText when the folder cannot be listed.
bool ListRomFolder(const std::string& folder, RomNameSet& names, std::string* errorText);

// Gives every data row code 0 or 4 from the listing and the size text of each present archive,
// and lists the missing archives in the console between two rules.
void ApplyRomAvailability(GameTable& table, const std::string& folder, const RomNameSet& romFileNames, Ui& ui);

// The quick check: lists the ROM folder beside executable into romFileNames, gives every data row
// code 0 (its ROM name plus ".zip" is listed, size text written when it can be read) or 4 (not
// listed, named in the console), and saves the table. A folder that cannot be listed gives one
// message box and changes nothing. Returns whether the folder could be listed.
bool CheckRomAvailability(GameTable& table, const std::string& executable, RomNameSet& romFileNames,
                          const AppContext& ctx, Ui& ui);

} // namespace zarn
