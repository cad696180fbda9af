#include "check.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace zarn::fuzz {

void fail(const char* file, int line, const std::string& what) {
    throw CheckFailed(std::string(file) + ":" + std::to_string(line) + ": " + what);
}

std::string scratchPath(std::string_view name) {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error)
        folder = "/tmp";
    return (folder / ("zarn_fuzz_" + std::to_string(::getpid()) + "_" + std::string(name))).string();
}

void writeFile(const std::string& path, std::string_view bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        throw std::runtime_error("cannot write " + path);
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0 || !ok)
        throw std::runtime_error("cannot write " + path);
}

} // namespace zarn::fuzz
