#include "app/paths.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <unistd.h>
#include <sys/stat.h>

namespace zarn {

bool isPathSeparator(char c) {
#ifdef _WIN32
    return c == '/' || c == '\\' || c == ':';
#else
    return c == '/';
#endif
}

std::string folderOf(std::string_view path) {
    for (size_t i = path.size(); i > 0; --i) {
        if (isPathSeparator(path[i - 1]))
            return std::string(path.substr(0, i));
    }
    return {};
}

std::string replaceExtension(std::string_view path, std::string_view ext) {
    const size_t nameStart = folderOf(path).size();
    const size_t dot = path.rfind('.');
    std::string result(path);
    if (dot != std::string_view::npos && dot >= nameStart)
        result.resize(dot);
    result += ext;
    return result;
}

std::string withTrailingSeparator(std::string_view folder) {
    std::string result(folder);
    if (!result.empty() && !isPathSeparator(result.back()))
        result += '/';
    return result;
}

std::string systemErrorText(int errorNumber) { return std::strerror(errorNumber); }

EntryKind entryKind(const std::string& path, int* errorNumber) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errorNumber)
            *errorNumber = errno;
        return EntryKind::Missing;
    }
    return S_ISDIR(st.st_mode) ? EntryKind::Folder : EntryKind::File;
}

bool readWholeFile(const std::string& path, std::string& data) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0)
        return false;
    in.seekg(0);
    data.resize(static_cast<size_t>(size));
    in.read(data.data(), size);
    data.resize(static_cast<size_t>(in.gcount()));
    return !in.bad();
}

bool writeFileAtomically(const std::string& path, std::string_view data) {
    return writeFileAtomically(path, [&](const PieceWriter& piece) { return piece(data); });
}

bool writeFileAtomically(const std::string& path, const std::function<bool(const PieceWriter&)>& write) {
    const std::string temp = path + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f)
        return false;
    bool ok = write([f](std::string_view piece) {
        return std::fwrite(piece.data(), 1, piece.size(), f) == piece.size();
    });
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

} // namespace zarn
