#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zarn {

class GameTable;
struct PathSettings;

// The picture folder of a tab: 0 Snapshot, 1 Artwork, 2 Cabinet, 3 Flyer; empty for any other.
std::string PictureFolder(const PathSettings& paths, int tab);

// The extensions to try, in the order they are tried, for the ticked boxes. The ".tif" box
// plays no part: pictures are only ever looked for as these five kinds.
std::vector<std::string_view> PictureExtensions(const PathSettings& paths);

// Whether a regular file exists at a path.
using FileTest = std::function<bool(const std::string& path)>;
bool isRegularFile(const std::string& path);

// The picture file of a table row in folder: the row's ROM name with the first ticked extension
// that exists, else the same for its "Clone Of" parent. Empty when nothing is found. The header
// row, rows past the end and empty names find nothing and test no file, so one lookup makes at
// most ten file tests.
std::string FindPicture(const GameTable& table, int row, const std::string& folder,
                        const PathSettings& types, const FileTest& exists = isRegularFile);

// The file-name part of a path, as the picture's label shows it.
std::string PictureCaption(std::string_view path);

} // namespace zarn
