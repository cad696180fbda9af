// "-createconfig": writes a mame.ini into the current folder, as MAME 0.87 does.
//   FAKE_MAME_CREATECONFIG  "hang": write nothing and keep running until the file named by
//                           FAKE_MAME_RELEASE exists or its folder is gone (at most 60 s, so no
//                           test leaves it behind for long); anything else or unset: write
//                           mame.ini and end with 0.
//   FAKE_MAME_FAULT         see faults.h; applies to the mame.ini it writes.
#include "fake_mame.h"
#include "faults.h"

#include <chrono>
#include <cstdio>
#include <thread>
#include <unistd.h>

namespace {

bool exists(const std::string& path) { return !path.empty() && ::access(path.c_str(), F_OK) == 0; }

// The test that made the release file's folder has cleaned up: nobody is waiting for us.
bool released(const std::string& release) {
    if (release.empty())
        return false;
    const size_t slash = release.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : release.substr(0, slash + 1);
    return exists(release) || !exists(folder);
}

int hang() {
    const std::string release = fake::env("FAKE_MAME_RELEASE");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!released(release) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return 0;
}

const char* const kIni = "#\n# CORE CONFIGURATION OPTIONS\n#\nreadconfig           1\n"
                        "\n#\n# CORE SEARCH PATH OPTIONS\n#\nrompath              roms\n"
                        "samplepath           samples\n";

int writeConfig() {
    std::FILE* f = std::fopen("mame.ini", "w");
    if (!f)
        return 1;
    if (const std::string fault = fake::faultFor("-createconfig"); !fault.empty())
        return fake::showFault(fault, kIni, f);
    std::fputs(kIni, f);
    return std::fclose(f) == 0 ? 0 : 1;
}

const fake::Road createconfig("-createconfig", [](const fake::Args&) {
    return fake::env("FAKE_MAME_CREATECONFIG") == "hang" ? hang() : writeConfig();
});

} // namespace
