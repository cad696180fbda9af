#include "logic/test_support.h"

#include <fstream>
#include <random>
#include <sstream>

namespace zarn::test {

TempDir::TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("zarn_test_" + std::to_string(rd()) + "_" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    // Read-only files made by a test must not stop the clean-up.
    for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ec))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::folder() const { return path_.string() + "/"; }

std::string TempDir::write(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path p = path_ / name;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out << bytes;
    return p.string();
}

std::string TempDir::read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

AppContext contextIn(const TempDir& dir) {
    std::filesystem::create_directories(dir.path() / "program");
    std::filesystem::create_directories(dir.path() / "temp");
    AppContext ctx;
    ctx.programDir = dir.folder() + "program/";
    ctx.programName = "zarn";
    ctx.tempDir = dir.folder() + "temp/";
    return ctx;
}

bool RecordingUi::askYesNo(const std::string& text) {
    questions.push_back(text);
    if (answers.empty())
        return true;
    const bool yes = answers.front();
    answers.erase(answers.begin());
    return yes;
}

GameTable tableWithRoms(std::initializer_list<const char*> roms) {
    GameTable t;
    t.writeHeaders();
    t.setRowCount(static_cast<int>(roms.size()) + 1);
    int row = 1;
    for (const char* rom : roms)
        t.setCell(ColumnIndex("ROM"), row++, rom);
    return t;
}

std::string fixturePath(const std::string& name) { return std::string(ZARN_FIXTURES) + "/" + name; }
std::string fakeMamePath() { return ZARN_FAKE_MAME; }

} // namespace zarn::test
