#pragma once

namespace zarn {

class GameTable;
class Ui;
struct AppContext;

// Fills the "Players" column from the "NPlayers" section of nplayers.ini in the program's folder
// (never the working directory). Every row with a ROM name gets the value of its key, matched
// without regard to letter case, or empty text when the file has none; rows without a ROM name
// are left alone. A missing file is reported in a message box and false returned.
bool ParseNPlayersIni(GameTable& table, const AppContext& ctx, Ui& ui);

} // namespace zarn
