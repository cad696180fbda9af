#include "settings/path_settings.h"

#include "app/context.h"
#include "app/ui.h"
#include "settings/ini_file.h"

namespace zarn {

PathSettings LoadSettings(const AppContext& ctx) {
    const IniFile ini(ctx.settingsPath());
    PathSettings s;
    s.executable = ini.readString(kZarnSection, "EXECUTABLE");
    s.artwork = ini.readString(kZarnSection, "ARTWORK");
    s.cabinet = ini.readString(kZarnSection, "CABINET");
    s.flyers = ini.readString(kZarnSection, "FLYERS");
    s.snapshot = ini.readString(kZarnSection, "SNAPSHOT");
    s.history = ini.readString(kZarnSection, "HISTORY.DAT");
    s.autoExtract = ini.readBool(kZarnSection, "AUTOEXTRACT", false);
    s.png = ini.readBool(kZarnSection, "PNG", true);
    s.jpg = ini.readBool(kZarnSection, "JPG", true);
    s.tif = ini.readBool(kZarnSection, "TIF", false);
    s.gif = ini.readBool(kZarnSection, "GIF", false);
    s.bmp = ini.readBool(kZarnSection, "BMP", false);
    s.ico = ini.readBool(kZarnSection, "ICO", false);
    return s;
}

void SaveSettings(const PathSettings& s, const AppContext& ctx, Ui& ui) {
    IniFile ini(ctx.settingsPath());
    ini.write(kZarnSection, "EXECUTABLE", s.executable);
    ini.write(kZarnSection, "ARTWORK", s.artwork);
    ini.write(kZarnSection, "CABINET", s.cabinet);
    ini.write(kZarnSection, "FLYERS", s.flyers);
    ini.write(kZarnSection, "SNAPSHOT", s.snapshot);
    ini.write(kZarnSection, "HISTORY.DAT", s.history);
    ini.writeBool(kZarnSection, "AUTOEXTRACT", s.autoExtract);
    ini.writeBool(kZarnSection, "PNG", s.png);
    ini.writeBool(kZarnSection, "JPG", s.jpg);
    ini.writeBool(kZarnSection, "TIF", s.tif);
    ini.writeBool(kZarnSection, "GIF", s.gif);
    ini.writeBool(kZarnSection, "BMP", s.bmp);
    ini.writeBool(kZarnSection, "ICO", s.ico);
    ini.save();
    ui.setStatus(0, "Settings saved to " + ctx.programDir + "zarn.ini");
}

} // namespace zarn
