// The faults of faults.h.
#include "faults.h"

#include "fake_mame.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>
#include <unistd.h>
#include <sys/resource.h>

namespace fake {

namespace {

bool exists(const std::string& path) { return !path.empty() && ::access(path.c_str(), F_OK) == 0; }

// Until the test says so, or has cleaned up its folder, or a minute has passed.
void waitForRelease() {
    const std::string release = env("FAKE_MAME_RELEASE");
    const size_t slash = release.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : release.substr(0, slash + 1);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        if (!release.empty() && (exists(release) || !exists(folder)))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

std::string garbage() {
    std::string out;
    unsigned seed = 4242;
    for (int i = 0; i < 100000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const char c = static_cast<char>((seed >> 16) & 0xff);
        // No Ctrl-Z: a text-mode reader would stop there and never see the long line.
        out += c == 26 ? char(27) : c;
    }
    out += '\n';
    out.append(100000, 'g');
    out += '\n';
    return out;
}

void write(const std::string& bytes, std::FILE* to) {
    std::fwrite(bytes.data(), 1, bytes.size(), to);
    std::fflush(to);
}

} // namespace

std::string faultFor(const char* roadWord) {
    const std::string road = env("FAKE_MAME_FAULT_ROAD");
    if (!road.empty() && road != roadWord)
        return {};
    return env("FAKE_MAME_FAULT");
}

int showFault(const std::string& fault, const std::string& output, std::FILE* to) {
    const std::string pidFile = env("FAKE_MAME_PID_FILE");
    if (!pidFile.empty()) {
        if (std::FILE* f = std::fopen(pidFile.c_str(), "w")) {
            std::fprintf(f, "%d\n", static_cast<int>(getpid()));
            std::fclose(f);
        }
    }
    if (fault == "crash") {
        write(output.substr(0, output.size() / 2), to);
        // No core file in the test's folders.
        rlimit none{0, 0};
        ::setrlimit(RLIMIT_CORE, &none);
        std::signal(SIGABRT, SIG_DFL);
        std::abort();
    }
    if (fault == "hang") {
        write(output, to);
        waitForRelease();
        return 0;
    }
    if (fault == "garbage") {
        write(garbage(), to);
        return 0;
    }
    if (fault == "noeol") {
        std::string flat;
        flat.reserve(output.size());
        for (const char c : output) {
            if (c != '\r' && c != '\n')
                flat += c;
        }
        write(flat, to);
        return 0;
    }
    write(output, to);
    return 0;
}

} // namespace fake
