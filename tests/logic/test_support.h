#pragma once

#include "app/context.h"
#include "app/ui.h"
#include "table/game_table.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace zarn::test {

// A fresh folder per test, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as a text ending in '/'.
    std::string folder() const;
    // Writes bytes to a file in the folder (sub-folders made) and returns its path.
    std::string write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

private:
    std::filesystem::path path_;
};

// An AppContext whose program and temporary folders are sub-folders of dir.
AppContext contextIn(const TempDir& dir);

// A Ui that records everything and answers questions from a queue (Yes when it is empty).
class RecordingUi : public Ui {
public:
    std::vector<std::string> status[3];
    std::vector<std::string> console;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::vector<bool> answers; // consumed from the front
    std::vector<CursorKind> cursors;
    int eventPumps = 0;

    void setStatus(int panel, const std::string& text) override { status[panel].push_back(text); }
    void appendConsoleLine(const std::string& line) override { console.push_back(line); }
    void appendConsoleLines(const std::vector<std::string>& lines) override {
        console.insert(console.end(), lines.begin(), lines.end());
    }
    bool askYesNo(const std::string& text) override;
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void setCursor(CursorKind kind) override { cursors.push_back(kind); }
    void processEvents() override { ++eventPumps; }

    std::string lastStatus(int panel) const {
        return status[panel].empty() ? std::string() : status[panel].back();
    }
};

// A table of the header row and one row per ROM name, in order.
GameTable tableWithRoms(std::initializer_list<const char*> roms);

std::string fixturePath(const std::string& name);
std::string fakeMamePath();

} // namespace zarn::test
