#pragma once

#include <string>
#include <vector>

// The seam in front of the desktop's opener (the program the desktop uses for a file). Tests
// switch it to recording, so they see the path without anything being opened.
namespace FileOpener {

// Asks the desktop to open the file with its usual program and returns at once. False when the
// desktop refused (no program for it); the file is not looked at.
bool open(const std::string& path);

// Test support.
void setRecording(bool recording);
// Every path given to open() while recording, oldest first.
const std::vector<std::string>& openedPaths();
void reset();

} // namespace FileOpener
