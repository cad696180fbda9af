// Entry of the stand-in MAME: logs its arguments, then lets the matching road answer.
//   FAKE_MAME_LOG   when set, each invocation appends its arguments (one line) and its working
//                   folder (a second line, "cwd <folder>") to this file.
#include "fake_mame.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <utility>

namespace fake {

namespace {
std::vector<std::pair<std::string, Answer>>& roads() {
    static std::vector<std::pair<std::string, Answer>> r;
    return r;
}

void logInvocation(const Args& args) {
    const std::string log = env("FAKE_MAME_LOG");
    if (log.empty())
        return;
    if (std::FILE* f = std::fopen(log.c_str(), "a")) {
        for (size_t i = 0; i < args.size(); ++i)
            std::fprintf(f, "%s%s", i ? " " : "", args[i].c_str());
        char cwd[4096] = {};
        std::fprintf(f, "\ncwd %s\n", getcwd(cwd, sizeof cwd) ? cwd : "?");
        std::fclose(f);
    }
}
} // namespace

Road::Road(const char* word, Answer answer) { roads().emplace_back(word, std::move(answer)); }

std::string env(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : fallback;
}

} // namespace fake

int main(int argc, char** argv) {
    const fake::Args args(argv + 1, argv + argc);
    fake::logInvocation(args);
    for (const auto& [word, answer] : fake::roads()) {
        for (const std::string& arg : args) {
            if (!word.empty() && arg == word)
                return answer(args);
        }
    }
    for (const auto& [word, answer] : fake::roads()) {
        if (word.empty())
            return answer(args);
    }
    return 0;
}
