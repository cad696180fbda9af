#include "emulator/mame_options.h"

#include "app/context.h"
#include "settings/ini_file.h"

#include <algorithm>
#include <cstdlib>

namespace zarn {

namespace {

constexpr std::string_view S = kMameOptsSection;
constexpr const char* kDefaultSampleRate = "44100";

int readBar(const IniFile& ini, std::string_view key, int fallback, IntRange range) {
    return ClampToRange(ini.readInteger(S, key, fallback), range);
}

int readRadio(const IniFile& ini, std::string_view key, int fallback, int items) {
    return ClampRadioIndex(ini.readInteger(S, key, fallback), items);
}

} // namespace

int ClampToRange(long long value, IntRange range) {
    return static_cast<int>(std::clamp<long long>(value, range.low, range.high));
}

int ClampRadioIndex(long long value, int items) {
    return static_cast<int>(std::clamp<long long>(value, -1, items - 1));
}

MameOptions ClampOptions(MameOptions o) {
    o.brightness = ClampToRange(o.brightness, kBrightnessRange);
    o.gamma = ClampToRange(o.gamma, kGammaRange);
    o.volDb = ClampToRange(o.volDb, kVolumeRange);
    o.d3dScanlines = ClampToRange(o.d3dScanlines, kD3DScanRange);
    o.effects = ClampRadioIndex(o.effects, kEffectsItems);
    o.d3dFilter = ClampRadioIndex(o.d3dFilter, kD3DFilterItems);
    o.d3dEffect = ClampRadioIndex(o.d3dEffect, kD3DEffectItems);
    return o;
}

// Keys are read in the order they are written.
MameOptions ReadMameOptions(const IniFile& ini) {
    const MameOptions d;
    MameOptions o;
    o.useSettings = ini.readBool(S, "UseSettings", d.useSettings);
    o.snapshotDir = ini.readString(S, "snpath", d.snapshotDir);
    o.snapDirUse = ini.readBool(S, "SnapDirUse", d.snapDirUse);
    o.romPath = ini.readString(S, "RomPath", d.romPath);
    o.romPathUse = ini.readBool(S, "RomPathUse", d.romPathUse);
    o.frameSkip = ini.readString(S, "FrameSkip", d.frameSkip);
    o.frameSkipAuto = ini.readBool(S, "FrameSkipAuto", d.frameSkipAuto);
    o.scanLines = ini.readBool(S, "ScanLines", d.scanLines);
    o.hwStretch = ini.readBool(S, "HWStretch", d.hwStretch);
    o.switchRes = ini.readBool(S, "switchres", d.switchRes);
    o.switchBpp = ini.readBool(S, "switchbpp", d.switchBpp);
    o.window = ini.readBool(S, "window", d.window);
    o.artwork = ini.readBool(S, "artwork", d.artwork);
    o.bezels = ini.readBool(S, "bezels", d.bezels);
    o.overlays = ini.readBool(S, "overlays", d.overlays);
    o.backdrops = ini.readBool(S, "backdrops", d.backdrops);
    o.noRotate = ini.readBool(S, "norotate", d.noRotate);
    o.ror = ini.readBool(S, "ror", d.ror);
    o.rol = ini.readBool(S, "rol", d.rol);
    o.autoRor = ini.readBool(S, "autoror", d.autoRor);
    o.autoRol = ini.readBool(S, "autorol", d.autoRol);
    o.flipY = ini.readBool(S, "flipy", d.flipY);
    o.flipX = ini.readBool(S, "flipx", d.flipX);
    o.effects = readRadio(ini, "Effects", d.effects, kEffectsItems);
    o.brightness = readBar(ini, "Brightness", d.brightness, kBrightnessRange);
    o.gamma = readBar(ini, "Gamma", d.gamma, kGammaRange);
    o.volDb = readBar(ini, "VolDB", d.volDb, kVolumeRange);
    o.sampleRate = ini.readString(S, "SampleRate", d.sampleRate);
    o.mouse = ini.readBool(S, "Mouse", d.mouse);
    o.joystick = ini.readBool(S, "Joystick", d.joystick);
    o.steadyKey = ini.readBool(S, "Steadykey", d.steadyKey);
    o.lightgun = ini.readBool(S, "Lightgun", d.lightgun);
    o.ledEmul = ini.readBool(S, "LEDEmul", d.ledEmul);
    o.useController = ini.readBool(S, "UseController", d.useController);
    o.controllerName = ini.readString(S, "ControllerName", d.controllerName);
    o.cheats = ini.readBool(S, "Cheats", d.cheats);
    o.direct3d = ini.readBool(S, "Direct3D", d.direct3d);
    o.d3dTexManage = ini.readBool(S, "D3Dtexmanage", d.d3dTexManage);
    o.d3dScanlines = readBar(ini, "D3Dscanlines", d.d3dScanlines, kD3DScanRange);
    o.d3dFilter = readRadio(ini, "D3Dfilter", d.d3dFilter, kD3DFilterItems);
    o.d3dEffect = readRadio(ini, "D3Deffect", d.d3dEffect, kD3DEffectItems);
    o.skipGameInfo = ini.readBool(S, "SkipGameInfo", d.skipGameInfo);
    o.skipDisclaimer = ini.readBool(S, "SkipDisclaimer", d.skipDisclaimer);
    return o;
}

void WriteMameOptions(MameOptions& o, IniFile& ini) {
    if (o.sampleRate.empty())
        o.sampleRate = kDefaultSampleRate;
    ini.writeBool(S, "UseSettings", o.useSettings);
    ini.write(S, "snpath", o.snapshotDir);
    ini.writeBool(S, "SnapDirUse", o.snapDirUse);
    ini.write(S, "RomPath", o.romPath);
    ini.writeBool(S, "RomPathUse", o.romPathUse);
    ini.write(S, "FrameSkip", o.frameSkip);
    ini.writeBool(S, "FrameSkipAuto", o.frameSkipAuto);
    ini.writeBool(S, "ScanLines", o.scanLines);
    ini.writeBool(S, "HWStretch", o.hwStretch);
    ini.writeBool(S, "switchres", o.switchRes);
    ini.writeBool(S, "switchbpp", o.switchBpp);
    ini.writeBool(S, "window", o.window);
    ini.writeBool(S, "artwork", o.artwork);
    ini.writeBool(S, "bezels", o.bezels);
    ini.writeBool(S, "overlays", o.overlays);
    ini.writeBool(S, "backdrops", o.backdrops);
    ini.writeBool(S, "norotate", o.noRotate);
    ini.writeBool(S, "ror", o.ror);
    ini.writeBool(S, "rol", o.rol);
    ini.writeBool(S, "autoror", o.autoRor);
    ini.writeBool(S, "autorol", o.autoRol);
    ini.writeBool(S, "flipy", o.flipY);
    ini.writeBool(S, "flipx", o.flipX);
    ini.writeInteger(S, "Effects", o.effects);
    ini.writeInteger(S, "Brightness", o.brightness);
    ini.writeInteger(S, "Gamma", o.gamma);
    ini.writeInteger(S, "VolDB", o.volDb);
    ini.write(S, "SampleRate", o.sampleRate);
    ini.writeBool(S, "Mouse", o.mouse);
    ini.writeBool(S, "Joystick", o.joystick);
    ini.writeBool(S, "Steadykey", o.steadyKey);
    ini.writeBool(S, "Lightgun", o.lightgun);
    ini.writeBool(S, "LEDEmul", o.ledEmul);
    ini.writeBool(S, "UseController", o.useController);
    ini.write(S, "ControllerName", o.controllerName);
    ini.writeBool(S, "Cheats", o.cheats);
    ini.writeBool(S, "Direct3D", o.direct3d);
    ini.writeBool(S, "D3Dtexmanage", o.d3dTexManage);
    ini.writeInteger(S, "D3Dscanlines", o.d3dScanlines);
    ini.writeInteger(S, "D3Dfilter", o.d3dFilter);
    ini.writeInteger(S, "D3Deffect", o.d3dEffect);
    ini.writeBool(S, "SkipGameInfo", o.skipGameInfo);
    ini.writeBool(S, "SkipDisclaimer", o.skipDisclaimer);
}

MameOptions LoadMameOptions(const AppContext& ctx) { return ReadMameOptions(IniFile(ctx.settingsPath())); }

void SaveMameOptions(MameOptions& options, const AppContext& ctx) {
    IniFile ini(ctx.settingsPath());
    WriteMameOptions(options, ini);
    ini.save();
}

std::string TenthsText(int position, std::string_view decimalSeparator) {
    // position * 0.1 printed shortest: whole tenths need no floating point at all.
    const bool negative = position < 0;
    const long long magnitude = std::llabs(static_cast<long long>(position));
    std::string text = negative ? "-" : "";
    text += std::to_string(magnitude / 10);
    if (magnitude % 10 != 0) {
        text += decimalSeparator;
        text += std::to_string(magnitude % 10);
    }
    return text;
}

std::string VolumeText(int position) { return std::to_string(position - 32) + "dB"; }

std::string ScanlineText(int position) {
    return position >= 100 ? std::string("Disabled") : std::to_string(position) + "%";
}

} // namespace zarn
