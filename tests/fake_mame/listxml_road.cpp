// The "-listxml" road: prints a game list in the shape of MAME 0.87's " -sortname -listxml".
//   FAKE_MAME_LISTXML_FILE   print this file's bytes as the list
//   FAKE_MAME_LISTXML_GAMES  otherwise print a list of this many generated games (default 3)
//   FAKE_MAME_LISTXML_MODE   "nothing": print nothing; "garbage": binary bytes and a very long
//                            line; "halfway": print the first half of the list and exit 1;
//                            "killed": print the first half and die of SIGKILL
//   FAKE_MAME_HANG_SECONDS   after printing, stay alive this many seconds
//   FAKE_MAME_PID_FILE       write this process's id to the file before printing
//   FAKE_MAME_FAULT          see faults.h
#include "fake_mame.h"
#include "faults.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

std::string generatedList(int games) {
    std::string out = "<?xml version=\"1.0\"?>\n<mame build=\"0.87 (fake)\">\n";
    char buf[2048];
    for (int i = 1; i <= games; ++i) {
        const bool clone = i % 3 == 0;
        std::snprintf(buf, sizeof buf, "\t<game name=\"g%05d\" sourcefile=\"fake.c\"", i);
        out += buf;
        if (clone) {
            std::snprintf(buf, sizeof buf, " cloneof=\"g%05d\" romof=\"g%05d\"", i - 1, i - 1);
            out += buf;
        }
        out += ">\n";
        std::snprintf(buf, sizeof buf,
                      "\t\t<description>Game %d</description>\n\t\t<year>19%02d</year>\n"
                      "\t\t<manufacturer>Maker %d</manufacturer>\n"
                      "\t\t<rom name=\"g%05d.1\" size=\"4096\" crc=\"0123abcd\" region=\"cpu1\" offset=\"0\"/>\n"
                      "\t\t<chip type=\"cpu\" name=\"Z80\" clock=\"%d\"/>\n"
                      "\t\t<chip type=\"audio\" name=\"AY8910\" clock=\"1500000\"/>\n"
                      "\t\t<video screen=\"raster\" orientation=\"vertical\" width=\"224\" height=\"256\" "
                      "aspectx=\"3\" aspecty=\"4\" refresh=\"60.000000\"/>\n"
                      "\t\t<input players=\"2\" control=\"joy8way\" buttons=\"2\" coins=\"2\"/>\n"
                      "\t\t<driver status=\"good\" emulation=\"good\" color=\"good\" sound=\"good\" "
                      "graphic=\"good\" savestate=\"supported\"/>\n\t</game>\n",
                      i, 80 + i % 20, i % 7, i, 3000000 + i);
        out += buf;
    }
    out += "</mame>\n";
    return out;
}

std::string garbage() {
    std::string out;
    unsigned seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const char c = static_cast<char>((seed >> 16) & 0xff);
        // No Ctrl-Z: it would end a text-mode read before the long line below.
        out += c == 26 ? char(27) : c;
    }
    // A line far longer than a capture piece, starting like a game line.
    out += "\n\t<game name=\"";
    out.append(70000, 'x');
    out += "\">\n";
    return out;
}

void print(const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

int listxml(const fake::Args&) {
    const std::string pidFile = fake::env("FAKE_MAME_PID_FILE");
    if (!pidFile.empty())
        std::ofstream(pidFile) << getpid() << "\n";

    std::string list;
    const std::string file = fake::env("FAKE_MAME_LISTXML_FILE");
    if (!file.empty()) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        list = s.str();
    } else {
        list = generatedList(std::atoi(fake::env("FAKE_MAME_LISTXML_GAMES", "3").c_str()));
    }

    if (const std::string fault = fake::faultFor("-listxml"); !fault.empty())
        return fake::showFault(fault, list, stdout);

    const std::string mode = fake::env("FAKE_MAME_LISTXML_MODE");
    if (mode == "garbage")
        print(garbage());
    else if (mode == "halfway" || mode == "killed")
        print(list.substr(0, list.size() / 2));
    else if (mode != "nothing")
        print(list);

    const int hang = std::atoi(fake::env("FAKE_MAME_HANG_SECONDS", "0").c_str());
    if (hang > 0)
        std::this_thread::sleep_for(std::chrono::seconds(hang));
    if (mode == "killed")
        std::raise(SIGKILL);
    return mode == "halfway" ? 1 : 0;
}

const fake::Road road("-listxml", listxml);

} // namespace
