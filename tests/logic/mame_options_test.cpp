#include "emulator/mame_options.h"

#include "app/error.h"
#include "logic/test_support.h"
#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zarn;
using zarn::test::TempDir;

TEST(MameOptions, NoSectionGivesTheMissingKeyValues) {
    TempDir dir;
    const MameOptions o = ReadMameOptions(IniFile(dir.write("zarn.ini", "[ZARN]\nEXECUTABLE=/x\n")));
    EXPECT_EQ(o, MameOptions());
    EXPECT_EQ(o.snapshotDir, "c:\\");
    EXPECT_EQ(o.frameSkip, "");
    EXPECT_TRUE(o.bezels && o.overlays && o.backdrops);
    EXPECT_EQ(o.d3dFilter, 0);
    EXPECT_EQ(o.sampleRate, "44100");
    EXPECT_FALSE(o.useSettings);
    // No file at all reads the same.
    EXPECT_EQ(ReadMameOptions(IniFile(dir.folder() + "none.ini")), MameOptions());
}

TEST(MameOptions, OutOfRangeAndBadValuesAreLimitedAndSavedBackLimited) {
    TempDir dir;
    const std::string path = dir.write("zarn.ini",
                                       "[mameopts]\n"
                                       "Brightness=25\n"
                                       "Gamma=0\n"
                                       "VolDB=-7\n"
                                       "D3Dscanlines=100000000000\n"
                                       "Effects=9\n"
                                       "D3Dfilter=-5\n"
                                       "D3Deffect=0x13\n"
                                       "SampleRate=48000\n"
                                       "snpath=\n"
                                       "UseSettings=\n"
                                       "Cheats=abc\n"
                                       "HWStretch=0\n"
                                       "FrameSkipAuto=0\n"
                                       "Mouse=2\n"
                                       "ControllerName= hot rod \n");
    MameOptions o = ReadMameOptions(IniFile(path));
    EXPECT_EQ(o.brightness, 20);
    EXPECT_EQ(o.gamma, 1);
    EXPECT_EQ(o.volDb, 0);
    EXPECT_EQ(o.d3dScanlines, 100);
    EXPECT_EQ(o.effects, 7);
    EXPECT_EQ(o.d3dFilter, -1);
    EXPECT_EQ(o.d3dEffect, 19);
    EXPECT_EQ(o.sampleRate, "48000");
    EXPECT_EQ(o.snapshotDir, "");   // an empty text is a text
    EXPECT_FALSE(o.useSettings);    // an empty boolean is missing
    EXPECT_TRUE(o.cheats);          // no integer: missing
    EXPECT_FALSE(o.hwStretch);
    EXPECT_FALSE(o.frameSkipAuto);
    EXPECT_TRUE(o.mouse);
    EXPECT_EQ(o.controllerName, "hot rod");
    EXPECT_EQ(o.gamma, ReadMameOptions(IniFile(path)).gamma);

    IniFile ini(path);
    WriteMameOptions(o, ini);
    ini.save();
    const IniFile back(path);
    EXPECT_EQ(back.readString(kMameOptsSection, "Brightness"), "20");
    EXPECT_EQ(back.readString(kMameOptsSection, "Effects"), "7");
    EXPECT_EQ(back.readString(kMameOptsSection, "D3Dfilter"), "-1");
    EXPECT_EQ(back.readString(kMameOptsSection, "D3Deffect"), "19");
    EXPECT_EQ(back.readString(kMameOptsSection, "Mouse"), "1");
    EXPECT_EQ(back.readString(kMameOptsSection, "Cheats"), "1");
    EXPECT_EQ(ReadMameOptions(back), o);
}

TEST(MameOptions, AFreshSectionListsTheKeysInWriteOrder) {
    TempDir dir;
    AppContext ctx = zarn::test::contextIn(dir);
    MameOptions o;
    o.sampleRate = ""; // becomes 44100 on saving
    o.useSettings = true;
    SaveMameOptions(o, ctx);
    EXPECT_EQ(o.sampleRate, "44100");
    EXPECT_EQ(dir.read("program/zarn.ini"),
              "[MAMEOPTS]\nUseSettings=1\nsnpath=c:\\\nSnapDirUse=0\nRomPath=\nRomPathUse=0\nFrameSkip=\n"
              "FrameSkipAuto=1\nScanLines=0\nHWStretch=1\nswitchres=1\nswitchbpp=1\nwindow=0\nartwork=1\n"
              "bezels=1\noverlays=1\nbackdrops=1\nnorotate=0\nror=0\nrol=0\nautoror=0\nautorol=0\nflipy=0\n"
              "flipx=0\nEffects=0\nBrightness=10\nGamma=10\nVolDB=32\nSampleRate=44100\nMouse=0\nJoystick=0\n"
              "Steadykey=0\nLightgun=0\nLEDEmul=0\nUseController=0\nControllerName=\nCheats=1\nDirect3D=0\n"
              "D3Dtexmanage=1\nD3Dscanlines=100\nD3Dfilter=0\nD3Deffect=0\nSkipGameInfo=0\nSkipDisclaimer=0\n");
    EXPECT_EQ(LoadMameOptions(ctx), o);
}

TEST(MameOptions, SavingKeepsOtherSectionsAndReportsAFailedWrite) {
    TempDir dir;
    AppContext ctx = zarn::test::contextIn(dir);
    dir.write("program/zarn.ini", "[ZARN]\nEXECUTABLE=/usr/games/mame\n");
    MameOptions o;
    SaveMameOptions(o, ctx);
    EXPECT_EQ(IniFile(ctx.settingsPath()).readString("ZARN", "EXECUTABLE"), "/usr/games/mame");

    // A folder in the way of the temporary file makes the write fail, whatever the user's rights.
    std::filesystem::create_directory(ctx.settingsPath() + ".tmp");
    const std::string before = dir.read("program/zarn.ini");
    o.useSettings = true;
    try {
        SaveMameOptions(o, ctx);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + ctx.settingsPath());
    }
    EXPECT_EQ(dir.read("program/zarn.ini"), before);
}

TEST(MameOptions, ValueLabels) {
    const struct {
        int position;
        const char* text;
    } tenths[] = {{1, "0.1"}, {9, "0.9"}, {10, "1"}, {11, "1.1"}, {15, "1.5"}, {19, "1.9"}, {20, "2"}};
    for (const auto& t : tenths)
        EXPECT_EQ(TenthsText(t.position), t.text) << t.position;
    EXPECT_EQ(TenthsText(15, ","), "1,5");
    EXPECT_EQ(TenthsText(20, ","), "2");

    EXPECT_EQ(VolumeText(0), "-32dB");
    EXPECT_EQ(VolumeText(31), "-1dB");
    EXPECT_EQ(VolumeText(32), "0dB");
    EXPECT_EQ(ScanlineText(0), "0%");
    EXPECT_EQ(ScanlineText(99), "99%");
    EXPECT_EQ(ScanlineText(100), "Disabled");
}
