#include "emulator/option_args.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace zarn;

namespace {

MameOptions withSettings() {
    MameOptions o;
    o.useSettings = true;
    return o;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

} // namespace

TEST(BuildOptionArgs, MissingKeyValuesGiveTheWorkedExample) {
    const std::string expected = std::string(" -noscanlines ") + " -hwstretch " + " -switchres " + " -switchbpp " +
                                 " -nowindow " + " -full_screen_brightness " + "1" + " " + " -gamma " + "1" + " " +
                                 " -use_bezels " + " -use_overlays " + " -use_backdrops " + " -nonorotate " +
                                 " -noror " + " -norol " + " -noautoror " + " -noautorol " + " -noflipy " +
                                 " -noflipx " + " -nomouse " + " -nojoystick " + " -nolightgun " + " -nosteadykey " +
                                 " -nokeyboard_leds " + " -samplerate " + "44100" + " " + " -volume " + "0" + " " +
                                 " -cheat ";
    EXPECT_EQ(BuildOptionArgs(withSettings()), expected);
}

TEST(BuildOptionArgs, MasterSwitchOffGivesNothingWhateverElseIsSet) {
    MameOptions o;
    o.useSettings = false;
    o.snapDirUse = o.romPathUse = o.direct3d = o.useController = o.skipGameInfo = true;
    o.controllerName = "hotrod";
    o.effects = 3;
    EXPECT_EQ(BuildOptionArgs(o), "");
}

struct EdgeCase {
    const char* name;
    std::function<void(MameOptions&)> change;
    std::vector<std::string> present;
    std::vector<std::string> absent;
};

TEST(BuildOptionArgs, EdgeCases) {
    const std::vector<EdgeCase> cases = {
        {"artwork off", [](MameOptions& o) { o.artwork = false; },
         {" -gamma 1  -noartwork  -nonorotate "},
         {"bezels", "overlays", "backdrops"}},
        {"artwork on, its parts off",
         [](MameOptions& o) { o.bezels = o.overlays = o.backdrops = false; },
         {" -nouse_bezels  -nouse_overlays  -nouse_backdrops "},
         {"-noartwork"}},
        {"effects 0 and d3dfilter 0",
         [](MameOptions& o) {
             o.effects = 0;
             o.direct3d = true;
             o.d3dFilter = 0;
         },
         {" -d3dfilter 0 "},
         {"-effect "}},
        {"no effect selected, no filter selected",
         [](MameOptions& o) {
             o.effects = -1;
             o.direct3d = true;
             o.d3dFilter = -1;
             o.d3dEffect = -1;
         },
         {" -direct3d  -d3dtexmanage  -d3dscan 100 "},
         {"-effect ", "-d3dfilter", "-d3deffect"}},
        {"direct3d off hides every d3d argument",
         [](MameOptions& o) {
             o.direct3d = false;
             o.d3dTexManage = true;
             o.d3dFilter = 2;
             o.d3dEffect = 5;
             o.d3dScanlines = 50;
         },
         {},
         {"-direct3d", "-d3dtexmanage", "-d3dscan", "-d3dfilter", "-d3deffect", "d3d"}},
        {"direct3d on, everything",
         [](MameOptions& o) {
             o.direct3d = true;
             o.d3dTexManage = false;
             o.d3dScanlines = 0;
             o.d3dFilter = 4;
             o.d3dEffect = 1;
         },
         {" -cheat  -direct3d  -nod3dtexmanage  -d3dscan 0  -d3dfilter 4  -d3deffect sharp "},
         {}},
        {"controller name of one character",
         [](MameOptions& o) {
             o.useController = true;
             o.controllerName = "h";
         },
         {" -nolightgun  -nosteadykey "},
         {"-ctrlr"}},
        {"controller hotrod joins the next argument with one blank",
         [](MameOptions& o) {
             o.useController = true;
             o.controllerName = "hotrod";
         },
         {" -nolightgun  -ctrlr hotrod -nosteadykey "},
         {}},
        {"controller name kept when not wanted",
         [](MameOptions& o) { o.controllerName = "hotrod"; },
         {},
         {"-ctrlr", "hotrod"}},
        {"brightness 15 and volume 0",
         [](MameOptions& o) {
             o.brightness = 15;
             o.volDb = 0;
         },
         {" -full_screen_brightness 1.5 ", " -volume -32 "},
         {}},
        {"gamma 2 and brightness 1",
         [](MameOptions& o) {
             o.gamma = 20;
             o.brightness = 1;
         },
         {" -full_screen_brightness 0.1  -gamma 2  -use_bezels "},
         {}},
        {"snapshot c:\\ and a rom path, taken as they stand",
         [](MameOptions& o) {
             o.snapDirUse = o.romPathUse = true;
             o.romPath = "/my roms";
         },
         {" -snapshot_directory c:\\  -rompath /my roms  -noscanlines "},
         {}},
        {"paths not used",
         [](MameOptions& o) {
             o.snapDirUse = false;
             o.romPath = "/roms";
         },
         {},
         {"-snapshot_directory", "-rompath", "c:\\"}},
        {"every switch on",
         [](MameOptions& o) {
             o.scanLines = o.window = o.noRotate = o.ror = o.rol = o.autoRor = o.autoRol = o.flipY = o.flipX = true;
             o.hwStretch = o.switchRes = o.switchBpp = false;
             o.mouse = o.joystick = o.lightgun = o.steadyKey = o.ledEmul = true;
             o.cheats = false;
             o.skipGameInfo = o.skipDisclaimer = true;
             o.sampleRate = "48000";
         },
         {" -scanlines  -nohwstretch  -noswitchres  -noswitchbpp  -window ",
          " -norotate  -ror  -rol  -autoror  -autorol  -flipy  -flipx  -mouse  -joystick  -lightgun  -steadykey "
          " -keyboard_leds  -samplerate 48000  -volume 0  -nocheat  -skip_gameinfo  -skip_disclaimer "},
         {}},
    };
    for (const EdgeCase& c : cases) {
        MameOptions o = withSettings();
        c.change(o);
        const std::string args = BuildOptionArgs(o);
        for (const std::string& part : c.present)
            EXPECT_TRUE(contains(args, part)) << c.name << ": missing [" << part << "] in [" << args << "]";
        for (const std::string& part : c.absent)
            EXPECT_FALSE(contains(args, part)) << c.name << ": unexpected [" << part << "] in [" << args << "]";
    }
}

TEST(BuildOptionArgs, EveryEffectFragment) {
    const std::vector<std::string> effects = {
        "", " -effect scan25 ", " -effect scan50 ", " -effect scan75 ",
        " -effect rgb3 ", " -effect rgb4 ", " -effect rgb6 ", " -effect rgb16 ",
    };
    for (int i = 0; i < static_cast<int>(effects.size()); ++i) {
        MameOptions o = withSettings();
        o.effects = i;
        // The effect sits between the flip and the mouse arguments.
        EXPECT_TRUE(contains(BuildOptionArgs(o), " -noflipx " + effects[i] + " -nomouse ")) << i;
    }

    const std::vector<std::string> d3d = {
        "",
        " -d3deffect sharp ",
        " -d3deffect scan25 ",
        " -d3deffect scan50 ",
        " -d3deffect scan75 ",
        " -d3deffect scan75v ",
        " -d3deffect rgbmicro ",
        " -d3deffect  rgbtiny ",
        " -d3deffect  rgb3 ",
        " -d3deffect  rgb4 ",
        " -d3deffect  rgb4v ",
        " -d3deffect  rgb6 ",
        " -d3deffect  rgb16 ",
        " -d3deffect  rgbminmask ",
        " -d3deffect  dotmedmask ",
        " -d3deffect  rgbmedmask ",
        " -d3deffect  dotmedbright ",
        " -d3deffect  rgbmaxbright ",
        " -d3deffect  apperturegrille ",
        " -d3deffect  auto ",
    };
    for (int i = 0; i < static_cast<int>(d3d.size()); ++i) {
        MameOptions o = withSettings();
        o.direct3d = true;
        const std::string args = BuildOptionArgs(o);
        o.d3dEffect = i;
        // The effect is the last fragment.
        EXPECT_EQ(BuildOptionArgs(o), args + d3d[i]) << i;
    }
}
