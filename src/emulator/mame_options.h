#pragma once

#include <string>
#include <string_view>

namespace zarn {

class IniFile;
struct AppContext;

inline constexpr const char* kMameOptsSection = "MAMEOPTS";

// The MAME options that go with every game start, as the options dialog holds them. Track-bar
// values are bar positions (volume 32 is 0 dB, brightness 10 is 1.0); radio-group values are item
// indices, -1 for no selection. The defaults are the values taken for missing keys.
struct MameOptions {
    bool useSettings = false; // the master switch: off passes no option at all

    // Path and Directories
    std::string romPath;
    bool romPathUse = false;
    std::string snapshotDir = "c:\\";
    bool snapDirUse = false;

    // Video Options
    std::string frameSkip;
    bool frameSkipAuto = true;
    bool scanLines = false;
    bool hwStretch = true;
    bool switchRes = true;
    bool switchBpp = true;
    bool window = false;
    int effects = 0;
    bool artwork = true;
    bool bezels = true;
    bool overlays = true;
    bool backdrops = true;
    bool noRotate = false;
    bool autoRor = false;
    bool autoRol = false;
    bool ror = false;
    bool rol = false;
    bool flipY = false;
    bool flipX = false;
    int brightness = 10;
    int gamma = 10;

    // D3D Video Options
    bool direct3d = false;
    bool d3dTexManage = true;
    int d3dFilter = 0;
    int d3dScanlines = 100;
    int d3dEffect = 0;

    // Audio / Input
    bool mouse = false;
    bool joystick = false;
    bool lightgun = false;
    bool steadyKey = false;
    bool ledEmul = false;
    bool useController = false;
    std::string controllerName;
    int volDb = 32;
    std::string sampleRate = "44100";

    // Other
    bool cheats = true;
    bool skipGameInfo = false;
    bool skipDisclaimer = false;

    bool operator==(const MameOptions&) const = default;
};

// Ranges of the track bars and item counts of the radio groups.
struct IntRange {
    int low;
    int high;
};
inline constexpr IntRange kBrightnessRange{1, 20};
inline constexpr IntRange kGammaRange{1, 20};
inline constexpr IntRange kVolumeRange{0, 32};
inline constexpr IntRange kD3DScanRange{0, 100};
inline constexpr int kEffectsItems = 8;
inline constexpr int kD3DFilterItems = 5;
inline constexpr int kD3DEffectItems = 20;

// A bar position limited to its range; a radio index limited to -1 .. items - 1.
int ClampToRange(long long value, IntRange range);
int ClampRadioIndex(long long value, int items);
// Limits every bar and radio value of the set, as the controls do when they are given one.
MameOptions ClampOptions(MameOptions options);

// Reads the MAMEOPTS section: missing keys and values that are no integers give the defaults,
// out-of-range numbers are limited.
MameOptions ReadMameOptions(const IniFile& ini);
// Writes the 43 keys in their fixed order. An empty sample rate is written as "44100" (and
// options->sampleRate becomes it), so the caller's controls can follow.
void WriteMameOptions(MameOptions& options, IniFile& ini);

// The same over the program's settings file. SaveMameOptions throws Error("Unable to write to "
// + path) when the file cannot be written; the file then stays as it was.
MameOptions LoadMameOptions(const AppContext& ctx);
void SaveMameOptions(MameOptions& options, const AppContext& ctx);

// Texts of the value labels beside the bars.
// A bar position times 0.1: "0.1" .. "0.9", "1", "1.1" .. "2", with the given decimal separator.
std::string TenthsText(int position, std::string_view decimalSeparator = ".");
// "-32dB" .. "0dB".
std::string VolumeText(int position);
// "0%" .. "99%", and "Disabled" at 100 (no scanline effect).
std::string ScanlineText(int position);

} // namespace zarn
