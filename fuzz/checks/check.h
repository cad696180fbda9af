#pragma once

// What a fuzz target checks on one input, kept apart from the libFuzzer entry point so that the
// normal test suite runs the same checks over the seed corpus and the kept regression inputs.

#include "app/ui.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zarn::fuzz {

// A broken property. In a fuzz target it escapes and aborts the run, which libFuzzer reports
// as a crash; a test catches it and fails with the text.
struct CheckFailed : std::logic_error {
    using std::logic_error::logic_error;
};

[[noreturn]] void fail(const char* file, int line, const std::string& what);

// A file name of its own for this process, in the temporary folder, for readers that take a path.
std::string scratchPath(std::string_view name);
// Writes the bytes to path, replacing what was there.
void writeFile(const std::string& path, std::string_view bytes);

// Keeps what a reader tells the user, so a check can look at it.
class RecordingUi : public Ui {
public:
    std::vector<std::string> console;
    std::vector<std::string> messages;
    std::string status0;

    void setStatus(int panel, const std::string& text) override {
        if (panel == 0)
            status0 = text;
    }
    void appendConsoleLine(const std::string& line) override { console.push_back(line); }
    void appendConsoleLines(const std::vector<std::string>& lines) override {
        console.insert(console.end(), lines.begin(), lines.end());
    }
    bool askYesNo(const std::string&) override { return true; }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void setCursor(CursorKind) override {}
    void processEvents() override {}
};

} // namespace zarn::fuzz

#define ZARN_CHECK(condition, what)                                                               \
    do {                                                                                          \
        if (!(condition))                                                                         \
            ::zarn::fuzz::fail(__FILE__, __LINE__, std::string(#condition ": ") + (what));        \
    } while (false)
