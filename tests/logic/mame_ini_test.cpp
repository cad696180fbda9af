#include "emulator/mame_ini.h"

#include "logic/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zarn;
using zarn::test::RecordingUi;
using zarn::test::TempDir;

namespace {

// The mame.ini commands move the current directory; every test gets the old one back.
class MameIniTest : public ::testing::Test {
protected:
    MameIniTest() : saved(std::filesystem::current_path()) {}
    ~MameIniTest() override { std::filesystem::current_path(saved); }

    std::filesystem::path saved;
    TempDir dir;
};

} // namespace

TEST(MameIniPathTest, ReplacesOnlyTheExtensionOfTheFileName) {
    const struct {
        const char* executable;
        const char* ini;
    } cases[] = {
        {"/opt/mame/mame", "/opt/mame/mame.ini"},
        {"/opt/mame/mame.bin", "/opt/mame/mame.ini"},
        {"/opt/my.mame/mame", "/opt/my.mame/mame.ini"},
        {"/opt/my.mame/mame64.exe", "/opt/my.mame/mame64.ini"},
        {"/opt/mame/mame.tar.gz", "/opt/mame/mame.tar.ini"},
        {"mame", "mame.ini"},
        {"", ".ini"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MameIniPath(c.executable), c.ini) << c.executable;
}

TEST_F(MameIniTest, EditOpensTheIniBesideMameAndEntersItsFolder) {
    std::filesystem::create_directories(dir.path() / "my.mame");
    const std::string executable = dir.folder() + "my.mame/mame";
    RecordingUi ui;
    std::vector<std::string> opened;
    EditMameIni(executable, ui, [&](const std::string& path) { opened.push_back(path); });

    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], dir.folder() + "my.mame/mame.ini");
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), dir.path() / "my.mame"));
    EXPECT_EQ(ui.cursors, (std::vector<CursorKind>{CursorKind::Busy, CursorKind::Normal}));
    // Nothing is said about the file, which does not even exist.
    EXPECT_TRUE(ui.console.empty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.status[0].empty());
}

TEST_F(MameIniTest, EditWithARelativePathOpensTheFileItNamedBeforeTheFolderChange) {
    std::filesystem::create_directories(dir.path() / "emu");
    std::filesystem::current_path(dir.path());
    RecordingUi ui;
    std::string opened;
    EditMameIni("emu/mame.bin", ui, [&](const std::string& path) { opened = path; });
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), dir.path() / "emu"));
    EXPECT_EQ(std::filesystem::path(opened), std::filesystem::current_path() / "mame.ini");
}

TEST_F(MameIniTest, EditWithoutAPathStaysWhereItIsAndOpensDotIni) {
    std::filesystem::current_path(dir.path());
    RecordingUi ui;
    std::string opened;
    EditMameIni("", ui, [&](const std::string& path) { opened = path; });
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), dir.path()));
    EXPECT_EQ(std::filesystem::path(opened), std::filesystem::current_path() / ".ini");
}

TEST_F(MameIniTest, AMissingMameFolderLeavesTheCurrentDirectoryAlone) {
    std::filesystem::current_path(dir.path());
    EnterMameFolder(dir.folder() + "gone/mame");
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), dir.path()));
}
