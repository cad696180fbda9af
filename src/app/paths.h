#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zarn {

// True for the characters that end the folder part of a path on this platform.
bool isPathSeparator(char c);

// Everything up to and including the last separator; empty when there is none.
std::string folderOf(std::string_view path);

// The path with its extension (from the last '.' after the last separator) replaced by ext;
// a path without an extension gets ext appended.
std::string replaceExtension(std::string_view path, std::string_view ext);

// The text with a '/' added unless it already ends with a separator (empty stays empty).
std::string withTrailingSeparator(std::string_view folder);

// The system's wording for an errno value, e.g. "No such file or directory".
std::string systemErrorText(int errorNumber);

enum class EntryKind { Missing, File, Folder };
// What a path names. When it cannot be examined, Missing and *errorNumber is set.
EntryKind entryKind(const std::string& path, int* errorNumber = nullptr);

// Reads a whole file as bytes; false when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::string& data);

// Writes data to a temporary file beside path and renames it over path, so the old file stays
// whole whatever happens mid-write. False (and no temporary left) on any failure.
bool writeFileAtomically(const std::string& path, std::string_view data);
// The same with the content produced in pieces: write is called with a function that appends one
// piece and returns false once writing failed.
using PieceWriter = std::function<bool(std::string_view)>;
bool writeFileAtomically(const std::string& path, const std::function<bool(const PieceWriter&)>& write);

} // namespace zarn
