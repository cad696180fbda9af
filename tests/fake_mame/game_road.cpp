// A game start: MAME is given "<game> -v <options>".
//   FAKE_MAME_GAME_ARGS     when set, the arguments are written to this file, one per line, so a
//                           test sees how the command line was split.
//   FAKE_MAME_GAME_STDOUT   text printed to standard output (as it stands, newlines included).
//   FAKE_MAME_GAME_STDERR   text printed to standard error, after the standard output.
//   FAKE_MAME_GAME_DELAY_MS milliseconds to wait before exiting (default 0: exit at once).
//   FAKE_MAME_GAME_HANG     seconds to keep running, as a game does until it is killed; a cap so
//                           that a test that forgets to kill it leaves nothing behind for long.
//   FAKE_MAME_GAME_EXIT     exit code (default 0).
//   FAKE_MAME_FAULT         see faults.h; applies to the standard output text.
#include "fake_mame.h"
#include "faults.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

int number(const char* name, int fallback) {
    const std::string value = fake::env(name);
    return value.empty() ? fallback : std::atoi(value.c_str());
}

const fake::Road game("-v", [](const fake::Args& args) {
    const std::string argsFile = fake::env("FAKE_MAME_GAME_ARGS");
    if (!argsFile.empty()) {
        if (std::FILE* f = std::fopen(argsFile.c_str(), "w")) {
            for (const std::string& arg : args)
                std::fprintf(f, "%s\n", arg.c_str());
            std::fclose(f);
        }
    }
    const std::string out = fake::env("FAKE_MAME_GAME_STDOUT");
    if (const std::string fault = fake::faultFor("-v"); !fault.empty())
        return fake::showFault(fault, out, stdout);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    const std::string err = fake::env("FAKE_MAME_GAME_STDERR");
    std::fwrite(err.data(), 1, err.size(), stderr);
    std::fflush(stderr);

    const int hangSeconds = number("FAKE_MAME_GAME_HANG", 0);
    if (hangSeconds > 0)
        std::this_thread::sleep_for(std::chrono::seconds(hangSeconds));
    const int delay = number("FAKE_MAME_GAME_DELAY_MS", 0);
    if (delay > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
    return number("FAKE_MAME_GAME_EXIT", 0);
});

} // namespace
