#pragma once

// Faults any road can show instead of its normal behaviour, chosen by the test:
//   FAKE_MAME_FAULT        "crash": print the first half of the road's output, then abort;
//                          "hang": print the output, then keep running until the file named by
//                          FAKE_MAME_RELEASE exists or its folder is gone (at most 60 s);
//                          "garbage": print binary bytes and a very long line instead;
//                          "noeol": print the output with every CR and LF taken out.
//   FAKE_MAME_FAULT_ROAD   when set, only the road of this word (e.g. "-listxml") shows the fault.
//   FAKE_MAME_PID_FILE     when set, a faulty road writes its process id there first.
// A road that supports faults does, after making its normal output:
//     if (const std::string fault = fake::faultFor("-listxml"); !fault.empty())
//         return fake::showFault(fault, output, stdout);
#include <cstdio>
#include <string>

namespace fake {

// The fault for the road of this word, or empty for normal behaviour.
std::string faultFor(const char* roadWord);

// Writes output to `to` as the fault has it and returns the exit code (a crash does not return).
int showFault(const std::string& fault, const std::string& output, std::FILE* to);

} // namespace fake
