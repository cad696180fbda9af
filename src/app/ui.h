#pragma once

#include <string>
#include <vector>

namespace zarn {

enum class CursorKind { Normal, Busy, AppStarting };

// The only way the logic reaches the user. The main window implements it; tests replace it.
// Texts are bytes as the program holds them (UTF-8 where they came from us).
class Ui {
public:
    virtual ~Ui() = default;

    // Status bar: panel 0 results and errors, 1 emulator state, 2 selected line.
    virtual void setStatus(int panel, const std::string& text) = 0;
    virtual void appendConsoleLine(const std::string& line) = 0;
    virtual void appendConsoleLines(const std::vector<std::string>& lines) = 0;
    // A Yes/No box; only No answers false (Esc counts as No).
    virtual bool askYesNo(const std::string& text) = 0;
    // A message box with the text; returns once the user closed it.
    virtual void showMessage(const std::string& text) = 0;
    virtual void setCursor(CursorKind kind) = 0;
    // Lets pending user-interface events run during a long operation.
    virtual void processEvents() = 0;
};

} // namespace zarn
