// The settings file reader and writer on arbitrary bytes.
#include "settings/ini_file.h"

#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/zarn_fuzz_ini_" + std::to_string(getpid()) + ".ini";
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    zarn::IniFile ini(path);
    for (const char* key : {"EXECUTABLE", "PNG", "s_total"}) {
        (void)ini.readString("ZARN", key);
        (void)ini.readInteger("STATS", key, 0);
        (void)ini.readBool("ZARN", key, true);
    }
    ini.write("ZARN", "EXECUTABLE", "/usr/games/mame");
    ini.write("NEW", "key", "value");
    // A written value reads back as written.
    const std::string text = ini.text();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    zarn::IniFile again(path);
    if (again.readString("NEW", "key") != "value" && again.read("NEW", "key"))
        __builtin_trap();
    return 0;
}
