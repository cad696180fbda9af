#include "app/error.h"
#include "logic/test_support.h"
#include "settings/ini_file.h"
#include "settings/path_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zarn;
using zarn::test::TempDir;

TEST(IniFile, ReadsNamesWithoutRegardToCaseAndTrimsBlanks) {
    TempDir dir;
    const std::string path = dir.write("a.ini", "; comment\r\n[Other]\r\nkey=other\r\n[zarn]\r\n"
                                                "  Executable =  /usr/games/mame  \r\n"
                                                "empty=\r\nurl=a=b\r\n");
    const IniFile ini(path);
    EXPECT_EQ(ini.readString("ZARN", "EXECUTABLE"), "/usr/games/mame");
    EXPECT_EQ(ini.readString("zArN", "executable"), "/usr/games/mame");
    EXPECT_EQ(ini.readString("ZARN", "url"), "a=b");       // the value is after the first '='
    EXPECT_EQ(ini.read("ZARN", "empty"), std::string());    // present but empty
    EXPECT_EQ(ini.read("ZARN", "key"), std::nullopt);       // belongs to another section
    EXPECT_EQ(ini.readString("NOPE", "key", "fallback"), "fallback");
    EXPECT_EQ(IniFile(dir.folder() + "missing.ini").readString("ZARN", "EXECUTABLE", "d"), "d");
}

TEST(IniFile, IntegersAndBooleans) {
    struct Case {
        const char* value;
        long long expected; // fallback is 42
    };
    const Case cases[] = {
        {"0", 0},     {"17", 17},   {"-5", -5},     {"0x1", 1}, {"0X1f", 31}, {"yes", 42},
        {"", 42},     {"12abc", 42}, {"0x", 42},    {" 7 ", 7}, {"+3", 3},    {"0xffffffff", -1},
        {"99999999999999999999", 42},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const IniFile ini(dir.write("i.ini", std::string("[S]\nk=") + c.value + "\n"));
        EXPECT_EQ(ini.readInteger("S", "k", 42), c.expected) << "value '" << c.value << "'";
    }
}

TEST(IniFile, HandWrittenZarnSectionReadsAsTheUserMeantIt) {
    TempDir dir;
    const AppContext ctx = test::contextIn(dir);
    dir.write("program/zarn.ini", "[ZARN]\nPNG=0\nGIF=yes\nBMP=0x1\nexecutable=/opt/mame/mame\n");
    const PathSettings s = LoadSettings(ctx);
    EXPECT_FALSE(s.png);
    EXPECT_FALSE(s.gif); // not a number: the default
    EXPECT_TRUE(s.bmp);
    EXPECT_TRUE(s.jpg); // missing: the default
    EXPECT_EQ(s.executable, "/opt/mame/mame");
}

TEST(IniFile, WritingReplacesAppendsAndKeepsUnknownLines) {
    TempDir dir;
    const std::string path = dir.write("w.ini", "[A]\nx=1\n; keep me\nUnknown=stays\n\n[B]\ny=2\n");
    IniFile ini(path);
    ini.write("a", "X", "10");     // replaced in place, the file's spelling kept
    ini.write("A", "z", "new");    // appended at the end of its section
    ini.write("C", "w", "fresh");  // a new section at the end
    ini.save();
    EXPECT_EQ(dir.read("w.ini"), "[A]\nx=10\n; keep me\nUnknown=stays\nz=new\n\n[B]\ny=2\n[C]\nw=fresh\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(Settings, SaveWritesTheKeysInOrderAndReports) {
    TempDir dir;
    AppContext ctx = test::contextIn(dir);
    ctx.programName = "frontend"; // the message still names zarn.ini
    dir.write("program/frontend.ini", "[ZARN]\nMYKEY=mine\n");
    PathSettings s;
    s.executable = "/usr/games/mame";
    s.autoExtract = true;
    test::RecordingUi ui;
    SaveSettings(s, ctx, ui);
    EXPECT_EQ(ui.lastStatus(0), "Settings saved to " + ctx.programDir + "zarn.ini");
    EXPECT_EQ(dir.read("program/frontend.ini"),
              "[ZARN]\nMYKEY=mine\nEXECUTABLE=/usr/games/mame\nARTWORK=\nCABINET=\nFLYERS=\n"
              "SNAPSHOT=\nHISTORY.DAT=\nAUTOEXTRACT=1\nPNG=1\nJPG=1\nTIF=0\nGIF=0\nBMP=0\nICO=0\n");
    EXPECT_EQ(LoadSettings(ctx), s);
}

TEST(Settings, RefusedWriteLeavesFileAndStatusAlone) {
    TempDir dir;
    AppContext ctx = test::contextIn(dir);
    ctx.programDir = dir.folder() + "no/such/folder/";
    test::RecordingUi ui;
    try {
        SaveSettings(PathSettings(), ctx, ui);
        FAIL() << "the save should have failed";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + ctx.settingsPath());
    }
    EXPECT_TRUE(ui.status[0].empty());
}
