#include "roms/rom_availability.h"

#include "app/paths.h"
#include "app/ui.h"
#include "table/game_table.h"
#include "table/table_file.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zarn {

namespace {
const std::string kRule(20, '-');

// Reads the sizes of archives in one folder. On POSIX the folder is opened once and each archive
// looked up relative to it, which spares resolving the whole path for every one of thousands.
class ArchiveSizes {
public:
    explicit ArchiveSizes(const std::string& folder) : folder_(folder) {
#ifndef _WIN32
        fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
#endif
    }
    ~ArchiveSizes() {
#ifndef _WIN32
        if (fd_ >= 0)
            ::close(fd_);
#endif
    }
    ArchiveSizes(const ArchiveSizes&) = delete;
    ArchiveSizes& operator=(const ArchiveSizes&) = delete;

    // The size of a regular file; nothing for a folder or a file that cannot be examined.
    std::optional<long long> of(const std::string& name) const {
#ifndef _WIN32
        if (fd_ >= 0) {
            struct stat st {};
            if (::fstatat(fd_, name.c_str(), &st, 0) != 0 || !S_ISREG(st.st_mode))
                return std::nullopt;
            return static_cast<long long>(st.st_size);
        }
#endif
        std::error_code ec;
        const auto bytes = std::filesystem::file_size(std::filesystem::path(folder_ + "/" + name), ec);
        if (ec)
            return std::nullopt;
        return static_cast<long long>(bytes);
    }

private:
    std::string folder_;
    int fd_ = -1;
};
} // namespace

std::string RomFolderOf(std::string_view executable) { return folderOf(executable) + "roms"; }

std::string RomSizeText(long long bytes) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2fKb", static_cast<double>(bytes) * 0.001);
    return text;
}

bool ListRomFolder(const std::string& folder, RomNameSet& names, std::string* errorText) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(fs::path(folder), ec);
    if (ec) {
        if (errorText)
            *errorText = ec.message();
        return false;
    }
    // The C listing returns the folder's own entries too; keep them, as nothing filters.
    names.insert(".");
    names.insert("..");
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        names.insert(it->path().filename().string());
    }
    if (ec) {
        // Reading stopped part-way: what was read stays in the set.
        if (errorText)
            *errorText = ec.message();
        return false;
    }
    return true;
}

void ApplyRomAvailability(GameTable& table, const std::string& folder, const RomNameSet& romFileNames, Ui& ui) {
    const int sizeColumn = ColumnIndex("RomSize");
    const int romColumn = ColumnIndex("ROM");
    const int statusColumn = ColumnIndex("Status");
    // Collected and handed over in one block: one console edit instead of thousands.
    std::vector<std::string> lines{kRule, "The following romfiles were not found:"};
    const ArchiveSizes sizes(folder);
    std::string archive;
    for (int row = 1; row < table.rowCount(); ++row) {
        archive = table.cell(romColumn, row);
        archive += ".zip";
        if (romFileNames.contains(archive)) {
            table.setCell(statusColumn, row, "0");
            table.setIcon(row, StatusGood);
            // A sub-folder or an archive that vanished since the listing keeps its old size text.
            if (const auto bytes = sizes.of(archive))
                table.setCell(sizeColumn, row, RomSizeText(*bytes));
        } else {
            table.setCell(statusColumn, row, "4");
            table.setIcon(row, StatusNotFound);
            lines.push_back(archive);
        }
    }
    lines.push_back("Some of theese games may still reside in other zips, you should run a full verify to get more info.");
    lines.push_back(kRule);
    ui.appendConsoleLines(lines);
}

bool CheckRomAvailability(GameTable& table, const std::string& executable, RomNameSet& romFileNames,
                          const AppContext& ctx, Ui& ui) {
    const std::string folder = RomFolderOf(executable);
    std::string error;
    if (!ListRomFolder(folder, romFileNames, &error)) {
        ui.showMessage(error);
        return false;
    }
    ApplyRomAvailability(table, folder, romFileNames, ui);
    SaveTableData(table, ctx, ui);
    return true;
}

} // namespace zarn
