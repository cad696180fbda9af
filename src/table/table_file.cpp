#include "table/table_file.h"

#include "app/context.h"
#include "app/error.h"
#include "app/paths.h"
#include "app/ui.h"

#include <charconv>
#include <chrono>
#include <sys/stat.h>

namespace zarn {

namespace {

constexpr char CR = 13;
constexpr char LF = 10;
constexpr char TAB = 9;
constexpr char BS = 8;
constexpr char CtrlZ = 26;

void appendNumber(std::string& out, long long value) {
    char buf[24];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, end);
}

// Splits the file's bytes into lines the way the data file is read: a line ends at CR, an LF right
// after it is skipped, other LF bytes belong to the text, Ctrl-Z ends the file.
class LineReader {
public:
    explicit LineReader(std::string_view data) : data_(data) {
        const size_t z = data_.find(CtrlZ);
        if (z != std::string_view::npos)
            data_ = data_.substr(0, z);
    }
    bool next(std::string_view& line) {
        if (pos_ >= data_.size())
            return false;
        const size_t cr = data_.find(CR, pos_);
        const size_t end = cr == std::string_view::npos ? data_.size() : cr;
        line = data_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (cr != std::string_view::npos && pos_ < data_.size() && data_[pos_] == LF)
            ++pos_;
        return true;
    }

private:
    std::string_view data_;
    size_t pos_ = 0;
};

// Calls the pump at most every 20 ms: the window stays live without a per-line cost.
class EventPump {
public:
    explicit EventPump(const std::function<void()>& pump) : pump_(pump) {}
    void tick() {
        if (!pump_ || (++count_ & 255) != 0)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - last_ >= std::chrono::milliseconds(20)) {
            pump_();
            last_ = now;
        }
    }

private:
    const std::function<void()>& pump_;
    unsigned count_ = 0;
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

} // namespace

std::string EncodeCellText(std::string_view text) {
    std::string out(text);
    if (text.find(CR) == std::string_view::npos)
        return out;
    for (char& c : out) {
        if (c == CR)
            c = TAB;
        else if (c == LF)
            c = BS;
    }
    return out;
}

std::string DecodeCellText(std::string_view text) {
    std::string out(text);
    if (text.find(BS) != std::string_view::npos) {
        for (char& c : out) {
            if (c == TAB)
                c = CR;
            else if (c == BS)
                c = LF;
        }
    }
    const size_t cr = out.find(CR);
    if (cr != std::string::npos)
        out.resize(cr);
    return out;
}

long long ParseTableInteger(std::string_view text) {
    long long value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || first == last)
        return 0;
    return value;
}

bool SerializeTableData(const GameTable& table, const std::function<bool(std::string_view)>& sink) {
    constexpr size_t kPiece = 1 << 20;
    const int columns = table.columnCount();
    const int rows = table.rowCount();
    std::string out;
    out.reserve(kPiece + 4096);
    auto flushIfFull = [&] {
        if (out.size() < kPiece)
            return true;
        const bool ok = sink(out);
        out.clear();
        return ok;
    };

    appendNumber(out, columns);
    out += ',';
    appendNumber(out, rows);
    out += "\r\n";
    for (int c = 0; c < columns; ++c) {
        out += "cw ";
        appendNumber(out, c);
        out += ',';
        appendNumber(out, table.columnWidth(c));
        out += "\r\n";
    }
    for (int r = 0; r < rows; ++r) {
        const TableRow& row = table.rows()[r];
        for (int c = 0; c < columns; ++c) {
            const std::string& text = row.cells[c];
            if (text.empty())
                continue;
            appendNumber(out, c);
            out += ',';
            appendNumber(out, r);
            out += ',';
            if (text.find(CR) == std::string::npos)
                out += text;
            else
                out += EncodeCellText(text);
            out += "\r\n";
        }
        if (!flushIfFull())
            return false;
    }
    return out.empty() || sink(out);
}

std::string SerializeTableData(const GameTable& table) {
    std::string all;
    SerializeTableData(table, [&](std::string_view piece) {
        all += piece;
        return true;
    });
    return all;
}

void WriteTableDataFile(const GameTable& table, const std::string& path) {
    const bool written = writeFileAtomically(
        path, [&](const PieceWriter& piece) { return SerializeTableData(table, piece); });
    if (!written)
        throw Error("Cannot Create " + path);
}

void LoadTableData(const std::string& path, GameTable& table,
                   const std::function<void()>& pumpEvents) {
    std::string data;
    if (!readWholeFile(path, data))
        throw Error("Cannot open file " + path);
    const std::string corrupt = "File contains no data or corrupt file " + path;

    LineReader lines(data);
    std::string_view line;
    long long columns = 0;
    long long rows = 0;
    if (lines.next(line) && !line.empty()) {
        const size_t comma = line.find(',');
        columns = ParseTableInteger(line.substr(0, comma));
        rows = comma == std::string_view::npos ? 0 : ParseTableInteger(line.substr(comma + 1));
    }
    // No MAME lists more than a small fraction of this; a larger declaration is damage, and
    // believing it would exhaust memory.
    if (columns != kColumnCount || rows <= 0 || rows > kMaxTableRows)
        throw Error(corrupt);

    table = GameTable();
    table.setRowCount(1);
    EventPump pump(pumpEvents);
    while (lines.next(line)) {
        if (line.starts_with("cw")) {
            const std::string_view rest = line.size() > 3 ? line.substr(3) : std::string_view();
            const size_t comma = rest.find(',');
            const long long column = ParseTableInteger(rest.substr(0, comma));
            const std::string_view width =
                comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1, 255);
            if (column >= 0 && column < columns)
                table.setColumnWidth(static_cast<int>(column), static_cast<int>(ParseTableInteger(width)));
            continue;
        }
        const size_t first = line.find(',');
        const size_t second = first == std::string_view::npos ? first : line.find(',', first + 1);
        if (second != std::string_view::npos) {
            const long long column = ParseTableInteger(line.substr(0, first));
            const long long row = ParseTableInteger(line.substr(first + 1, second - first - 1));
            if (column >= 0 && column < columns && row >= 0 && row < rows) {
                // Rows grow as cells arrive, so memory follows what the file really holds.
                if (row >= table.rowCount())
                    table.setRowCount(static_cast<int>(row) + 1);
                table.setCell(static_cast<int>(column), static_cast<int>(row),
                              DecodeCellText(line.substr(second + 1)));
            }
        }
        pump.tick();
    }
    table.setRowCount(static_cast<int>(rows));
}

bool isReadOnlyFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    // The permission bits, not access(): root may write anything, yet the user marked it read-only.
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

void SaveTableData(GameTable& table, const AppContext& ctx, Ui& ui) {
    const std::string path = ctx.tableDataPath();
    if (isReadOnlyFile(path)) {
        const std::string text = path + " not saved: read only";
        ui.setStatus(0, text);
        ui.appendConsoleLine(text);
        return;
    }
    table.SetBioInfoHidden(false);
    try {
        WriteTableDataFile(table, path);
    } catch (...) {
        table.SetBioInfoHidden(true);
        throw;
    }
    table.SetBioInfoHidden(true);
    const std::string text = "Data saved to " + path;
    ui.setStatus(0, text);
    ui.appendConsoleLine(text);
}

} // namespace zarn
