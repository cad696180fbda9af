#include "emulator/option_args.h"

#include <array>

namespace zarn {

namespace {

const char* onOff(bool on, const char* yes, const char* no) { return on ? yes : no; }

// Indices 1..7 of the "Effects" group; 0 ("none") gives nothing.
constexpr std::array<const char*, kEffectsItems> kEffectArgs = {
    nullptr,
    " -effect scan25 ",
    " -effect scan50 ",
    " -effect scan75 ",
    " -effect rgb3 ",
    " -effect rgb4 ",
    " -effect rgb6 ",
    " -effect rgb16 ",
};

// Indices 1..19 of the "d3deffect" group; 0 ("none") gives nothing. MAME 0.87 takes the two
// blanks from rgbtiny on and spells the grille effect with a double p.
constexpr std::array<const char*, kD3DEffectItems> kD3DEffectArgs = {
    nullptr,
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

template <size_t N>
const char* byIndex(const std::array<const char*, N>& table, int index) {
    return index >= 0 && static_cast<size_t>(index) < N ? table[static_cast<size_t>(index)] : nullptr;
}

} // namespace

std::string BuildOptionArgs(const MameOptions& o) {
    std::string a;
    if (!o.useSettings)
        return a;
    auto add = [&a](const char* text) {
        if (text)
            a += text;
    };
    auto addValue = [&a](const char* name, const std::string& value) {
        a += name;
        a += value;
        a += ' ';
    };

    if (o.snapDirUse)
        addValue(" -snapshot_directory ", o.snapshotDir);
    if (o.romPathUse)
        addValue(" -rompath ", o.romPath);
    add(onOff(o.scanLines, " -scanlines ", " -noscanlines "));
    add(onOff(o.hwStretch, " -hwstretch ", " -nohwstretch "));
    add(onOff(o.switchRes, " -switchres ", " -noswitchres "));
    add(onOff(o.switchBpp, " -switchbpp ", " -noswitchbpp "));
    add(onOff(o.window, " -window ", " -nowindow "));
    addValue(" -full_screen_brightness ", TenthsText(o.brightness));
    addValue(" -gamma ", TenthsText(o.gamma));
    if (o.artwork) {
        add(onOff(o.bezels, " -use_bezels ", " -nouse_bezels "));
        add(onOff(o.overlays, " -use_overlays ", " -nouse_overlays "));
        add(onOff(o.backdrops, " -use_backdrops ", " -nouse_backdrops "));
    } else {
        add(" -noartwork ");
    }
    add(onOff(o.noRotate, " -norotate ", " -nonorotate "));
    add(onOff(o.ror, " -ror ", " -noror "));
    add(onOff(o.rol, " -rol ", " -norol "));
    add(onOff(o.autoRor, " -autoror ", " -noautoror "));
    add(onOff(o.autoRol, " -autorol ", " -noautorol "));
    add(onOff(o.flipY, " -flipy ", " -noflipy "));
    add(onOff(o.flipX, " -flipx ", " -noflipx "));
    add(byIndex(kEffectArgs, o.effects));
    add(onOff(o.mouse, " -mouse ", " -nomouse "));
    add(onOff(o.joystick, " -joystick ", " -nojoystick "));
    add(onOff(o.lightgun, " -lightgun ", " -nolightgun "));
    // No trailing blank: the next fragment's leading blank separates the name.
    if (o.useController && o.controllerName.size() >= 2)
        a += " -ctrlr " + o.controllerName;
    add(onOff(o.steadyKey, " -steadykey ", " -nosteadykey "));
    add(onOff(o.ledEmul, " -keyboard_leds ", " -nokeyboard_leds "));
    addValue(" -samplerate ", o.sampleRate);
    addValue(" -volume ", std::to_string(o.volDb - 32));
    add(onOff(o.cheats, " -cheat ", " -nocheat "));
    if (o.skipGameInfo)
        add(" -skip_gameinfo ");
    if (o.skipDisclaimer)
        add(" -skip_disclaimer ");
    if (!o.direct3d)
        return a;
    add(" -direct3d ");
    add(onOff(o.d3dTexManage, " -d3dtexmanage ", " -nod3dtexmanage "));
    addValue(" -d3dscan ", std::to_string(o.d3dScanlines));
    if (o.d3dFilter >= 0 && o.d3dFilter < kD3DFilterItems)
        addValue(" -d3dfilter ", std::to_string(o.d3dFilter));
    add(byIndex(kD3DEffectArgs, o.d3dEffect));
    return a;
}

} // namespace zarn
