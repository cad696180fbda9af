#include "settings/auto_fill.h"

#include "app/paths.h"

#include <cstdlib>
#include <initializer_list>

namespace zarn {

namespace {

bool isFile(const std::string& path) { return entryKind(path) == EntryKind::File; }
bool isFolder(const std::string& path) { return entryKind(path) == EntryKind::Folder; }

// Puts the first candidate that exists as a folder into the box, unless the box already names one.
void fillFolder(std::string& box, std::initializer_list<std::string> candidates) {
    if (!box.empty() && isFolder(box))
        return;
    for (const std::string& candidate : candidates) {
        if (isFolder(candidate)) {
            box = candidate;
            return;
        }
    }
}

std::string guessExecutable(const AutoFillPlaces& places) {
    // The Windows names first, then the Linux one beside the program, then the search path.
    for (const char* name : {"mamepp.exe", "mameppro.exe", "mame.exe", "mame"}) {
        const std::string candidate = places.programDir + name;
        if (isFile(candidate))
            return candidate;
    }
    for (const std::string& folder : places.searchPath) {
        if (folder.empty())
            continue;
        const std::string candidate = withTrailingSeparator(folder) + "mame";
        if (isFile(candidate))
            return candidate;
    }
    return {};
}

} // namespace

std::vector<std::string> systemSearchPath() {
    std::vector<std::string> folders;
    if (const char* path = std::getenv("PATH")) {
        std::string_view rest(path);
        while (true) {
            const size_t colon = rest.find(':');
            folders.emplace_back(rest.substr(0, colon));
            if (colon == std::string_view::npos)
                break;
            rest.remove_prefix(colon + 1);
        }
    }
    folders.emplace_back("/usr/games");
    return folders;
}

bool AutoFillPaths(PathSettings& settings, const AutoFillPlaces& places, std::string* error) {
    if (settings.executable.empty() || !isFile(settings.executable)) {
        const std::string found = guessExecutable(places);
        if (found.empty()) {
            if (error)
                *error = "Unable to guess a mame executable inside " + places.programDir;
            return false;
        }
        settings.executable = found;
    }
    const std::string mameDir = folderOf(settings.executable);
    const std::string& prog = places.programDir;
    fillFolder(settings.snapshot, {mameDir + "snap", prog + "snap", prog + "snapshots"});
    fillFolder(settings.artwork, {mameDir + "artwork", prog + "artwork"});
    fillFolder(settings.cabinet, {mameDir + "cab", prog + "cab"});
    fillFolder(settings.flyers, {mameDir + "flyers", prog + "flyers"});
    if (settings.history.empty() || !isFile(settings.history)) {
        for (const std::string& candidate : {mameDir + "history.dat", prog + "history.dat"}) {
            if (isFile(candidate)) {
                settings.history = candidate;
                break;
            }
        }
    }
    return true;
}

std::string ProposedHistoryPath(const PathSettings& settings) {
    if (!settings.history.empty() || settings.executable.empty())
        return {};
    return folderOf(settings.executable) + "history.dat";
}

} // namespace zarn
