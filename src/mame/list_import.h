#pragma once

#include "table/game_table.h"

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zarn {

inline constexpr const char* kGameListCapture = "zarn_gamelist.txt";
inline constexpr const char* kListArguments = " -sortname -listxml";
inline constexpr int kListLimitSeconds = 55;
// A capture line longer than this arrives as several pieces, each handled as a line.
inline constexpr size_t kCapturePieceLimit = 29999;

// Replaces every occurrence of search, left to right, continuing after each replacement so that
// replaced text is never searched again.
void ReplaceAll(std::string& buffer, std::string_view search, std::string_view replacement);

// The fields collected for the game element being read. Values are kept whole, however long.
struct GameRecord {
    std::string name;
    std::string cloneOf;
    std::string romOf;
    std::string description;
    std::string year;
    std::string manufacturer;
    std::string cpu;
    std::string screenType;
    std::string resolution;
    std::string category;
    std::string info;
    float clock = 0;

    void clear();
};

// Reads a capture file the way the list import reads text: pieces of at most kCapturePieceLimit
// characters ending at a line feed (the line feed itself not included), CR LF read as LF, and a
// Ctrl-Z byte ending the text as it does for a text-mode read.
class CaptureReader {
public:
    CaptureReader() = default;
    ~CaptureReader();
    CaptureReader(const CaptureReader&) = delete;
    CaptureReader& operator=(const CaptureReader&) = delete;

    // False when the file cannot be opened; *errorNumber then holds the reason.
    bool open(const std::string& path, int* errorNumber = nullptr);
    // The next piece; the view is valid until the next call. False at the end of the text.
    bool next(std::string_view& piece);
    void close();

private:
    bool fill();

    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    size_t begin_ = 0;
    size_t end_ = 0;
    bool eof_ = false;
};

// Turns the lines of MAME's "-listxml" output into table rows with fixed line patterns (no XML
// parser): one row is appended at the end of the table for every game element's end line.
class GameListParser {
public:
    // onGameSeen, when given, receives the number of game elements seen each time it grows.
    explicit GameListParser(GameTable& table, std::function<void(int)> onGameSeen = {});

    void parseLine(std::string_view line);

    int gamesSeen() const { return games_; }
    int rowsWritten() const { return rows_; }
    bool inGame() const { return inGame_; }
    const GameRecord& record() const { return record_; }

private:
    void startGame(std::string_view line);
    void chip(std::string_view line);
    void history(std::string_view line);
    void video(std::string_view line);
    void endGame();

    GameTable& table_;
    std::function<void(int)> onGameSeen_;
    GameRecord record_;
    bool inGame_ = false;
    int games_ = 0;
    int rows_ = 0;
    // Column numbers looked up once for the whole list.
    int colRom_, colDescription_, colYear_, colManufacturer_, colCloneOf_, colCategory_,
        colResolution_, colType_, colCpu_, colRomOf_, colInfo_, colPlayed_;
};

// The CPU text suffix for a clock in Hz: the value in MHz (single precision) as " %2.2f Mhz".
std::string ClockText(float hertz);

} // namespace zarn
