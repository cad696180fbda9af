#include "history_dat_check.h"

#include "check.h"
#include "media/history_dat.h"
#include "table/game_table.h"

#include <set>
#include <string>
#include <vector>

namespace zarn::fuzz {

namespace {

const std::string kOld = "old text";

// The text as the import sees it: CR dropped, nothing after a Ctrl-Z.
std::string asRead(std::string_view data) {
    data = data.substr(0, data.find('\x1a'));
    std::string text;
    for (char c : data)
        if (c != '\r')
            text += c;
    return text;
}

// Some names of the "$info" lines, so that entries meet rows.
std::vector<std::string> infoNames(const std::string& text) {
    std::vector<std::string> names;
    size_t pos = 0;
    while (names.size() < 8 && (pos = text.find("$info=", pos)) != std::string::npos) {
        pos += 6;
        const size_t end = text.find_first_of(",\n", pos);
        std::string name = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        if (!name.empty() && name.size() < 64)
            names.push_back(std::move(name));
    }
    return names;
}

} // namespace

void checkHistoryDat(std::string_view data) {
    const std::string path = scratchPath("history.dat");
    writeFile(path, data);
    const std::string text = asRead(data);

    std::vector<std::string> names = {"abc", "abcd", "x", "abc", "", "never_in_the_file"};
    for (std::string& name : infoNames(text))
        names.push_back(std::move(name));
    GameTable table;
    table.clearGameRows();
    const int romColumn = ColumnIndex("ROM");
    const int bioColumn = ColumnIndex("Bio");
    std::set<std::string> seen;
    std::vector<bool> firstOfName;
    for (const std::string& name : names) {
        const int row = table.appendRow();
        table.setCell(romColumn, row, name);
        table.setCell(bioColumn, row, kOld);
        firstOfName.push_back(!name.empty() && seen.insert(name).second);
    }

    RecordingUi ui;
    const bool read = ParseHistoryDat(table, path, ui);
    ZARN_CHECK(read, "a readable file");
    ZARN_CHECK(ui.messages.empty(), ui.messages.empty() ? "" : ui.messages.front());

    const std::string prefix = " \n" + std::string(37, '*') + " \nhistory.dat info for rom [";
    for (int row = 1; row < table.rowCount(); ++row) {
        const std::string& rom = table.cell(romColumn, row);
        const std::string& bio = table.cell(bioColumn, row);
        ZARN_CHECK(rom == names[row - 1], "a ROM name changed");
        // Only the first row of a name that the file holds can change.
        if (!firstOfName[row - 1] || text.find(rom) == std::string::npos) {
            ZARN_CHECK(bio == kOld, "row " + std::to_string(row) + " changed");
            continue;
        }
        if (bio == kOld || bio.empty())
            continue;
        // An entry's text starts with its header and holds nothing that is not in the file.
        ZARN_CHECK(bio.starts_with(prefix), "row " + std::to_string(row) + " holds no entry");
        ZARN_CHECK(bio.size() <= prefix.size() + 2 * text.size() + 8, std::to_string(bio.size()));
    }

    // Reading the same file again changes nothing more.
    const std::vector<TableRow> once = table.rows();
    RecordingUi again;
    ParseHistoryDat(table, path, again);
    std::remove(path.c_str());
    for (int row = 0; row < table.rowCount(); ++row)
        ZARN_CHECK(table.rows()[row].cells == once[row].cells, "a second import changed row " + std::to_string(row));
}

} // namespace zarn::fuzz
