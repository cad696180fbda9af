#include "media/picture_lookup.h"

#include "app/paths.h"
#include "settings/path_settings.h"
#include "table/game_table.h"

namespace zarn {

std::string PictureFolder(const PathSettings& paths, int tab) {
    switch (tab) {
    case 0: return paths.snapshot;
    case 1: return paths.artwork;
    case 2: return paths.cabinet;
    case 3: return paths.flyers;
    default: return {};
    }
}

std::vector<std::string_view> PictureExtensions(const PathSettings& paths) {
    // Fixed order, whatever order the boxes have in the dialog.
    std::vector<std::string_view> exts;
    if (paths.jpg)
        exts.push_back(".jpg");
    if (paths.png)
        exts.push_back(".png");
    if (paths.gif)
        exts.push_back(".gif");
    if (paths.bmp)
        exts.push_back(".bmp");
    if (paths.ico)
        exts.push_back(".ico");
    return exts;
}

bool isRegularFile(const std::string& path) { return entryKind(path) == EntryKind::File; }

namespace {

std::string cellOf(const GameTable& table, std::string_view header, int row) {
    const int column = ColumnIndex(header);
    if (column < 0 || column >= table.columnCount() || row < 1 || row >= table.rowCount())
        return {};
    return table.cell(column, row);
}

std::string findWithName(const std::string& folder, const std::string& name,
                         const std::vector<std::string_view>& exts, const FileTest& exists) {
    // An empty name would only test bare extensions (".jpg") where nothing belongs.
    if (name.empty())
        return {};
    std::string base = folder;
    if (base.empty() || !isPathSeparator(base.back()))
        base += '/';
    base += name;
    for (std::string_view ext : exts) {
        std::string path = base + std::string(ext);
        if (exists(path))
            return path;
    }
    return {};
}

} // namespace

std::string FindPicture(const GameTable& table, int row, const std::string& folder,
                        const PathSettings& types, const FileTest& exists) {
    const std::vector<std::string_view> exts = PictureExtensions(types);
    std::string found = findWithName(folder, cellOf(table, "ROM", row), exts, exists);
    if (found.empty())
        found = findWithName(folder, cellOf(table, "Clone Of", row), exts, exists);
    return found;
}

std::string PictureCaption(std::string_view path) {
    return std::string(path.substr(folderOf(path).size()));
}

} // namespace zarn
