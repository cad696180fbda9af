#pragma once

// A stand-in for MAME 0.87 in tests. Each road of the program adds a file here that registers what
// the fake answers when its argument appears on the command line:
//
//     static const fake::Road listxml("-listxml", [](const fake::Args& args) { ...; return 0; });
//
// The first road whose word is among the arguments answers; with none, a game start is assumed
// (the road registered as "" answers). What a road prints is chosen by environment variables the
// test sets (FAKE_MAME_* , documented in each road's file).
#include <functional>
#include <string>
#include <vector>

namespace fake {

using Args = std::vector<std::string>; // argv[1..]
using Answer = std::function<int(const Args&)>;

struct Road {
    Road(const char* word, Answer answer);
};

// The value of an environment variable, or fallback when it is not set.
std::string env(const char* name, const std::string& fallback = {});

} // namespace fake
