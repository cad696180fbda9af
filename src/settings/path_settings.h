#pragma once

#include <string>

namespace zarn {

class Ui;
struct AppContext;

// The live paths and picture types (the paths dialog's controls hold them while the program runs).
struct PathSettings {
    std::string executable; // EXECUTABLE: the MAME executable
    std::string artwork;    // ARTWORK
    std::string cabinet;    // CABINET
    std::string flyers;     // FLYERS
    std::string snapshot;   // SNAPSHOT
    std::string history;    // HISTORY.DAT
    bool autoExtract = false;
    bool png = true;
    bool jpg = true;
    bool tif = false;
    bool gif = false;
    bool bmp = false;
    bool ico = false;

    bool operator==(const PathSettings&) const = default;
};

inline constexpr const char* kZarnSection = "ZARN";

// Reads the ZARN section of the settings file; missing file, section or keys give the defaults.
PathSettings LoadSettings(const AppContext& ctx);

// Writes the 13 keys in their order and reports "Settings saved to " in status panel 0.
// Throws Error("Unable to write to " + path) when the file cannot be written.
void SaveSettings(const PathSettings& settings, const AppContext& ctx, Ui& ui);

} // namespace zarn
