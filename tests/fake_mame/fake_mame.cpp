// Answers like MAME 0.87 would, as far as zarn's tests need. What it prints is chosen by its
// arguments and by environment variables that a test sets:
//   FAKE_MAME_LOG      when set, each invocation appends its arguments (one line) to this file.
// Each road of the program adds its own answers here.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void logArguments(int argc, char** argv) {
    const char* log = std::getenv("FAKE_MAME_LOG");
    if (!log)
        return;
    if (std::FILE* f = std::fopen(log, "a")) {
        for (int i = 1; i < argc; ++i)
            std::fprintf(f, "%s%s", i > 1 ? " " : "", argv[i]);
        std::fprintf(f, "\n");
        std::fclose(f);
    }
}

} // namespace

int main(int argc, char** argv) {
    logArguments(argc, argv);
    return 0;
}
