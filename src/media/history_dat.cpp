#include "media/history_dat.h"

#include "app/paths.h"
#include "app/ui.h"
#include "table/game_table.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

namespace zarn {

namespace {

// Reads a file line by line the way text mode does on the system the file comes from: every CR is
// dropped and a Ctrl-Z ends the file. Lines of any length arrive whole.
class TextLineReader {
public:
    explicit TextLineReader(std::FILE* file) : file_(file) {}

    // The next line without its line feed; newline tells whether one ended it. The view stays
    // valid until the next call. False at the end of the file.
    bool next(std::string_view& line, bool& newline) {
        for (;;) {
            const size_t from = pos_ + scanned_;
            if (from < buf_.size()) {
                const void* lf = std::memchr(buf_.data() + from, '\n', buf_.size() - from);
                if (lf) {
                    const size_t end = static_cast<const char*>(lf) - buf_.data();
                    line = std::string_view(buf_).substr(pos_, end - pos_);
                    newline = true;
                    pos_ = end + 1;
                    scanned_ = 0;
                    return true;
                }
                scanned_ = buf_.size() - pos_;
            }
            if (!fill()) {
                if (pos_ >= buf_.size())
                    return false;
                line = std::string_view(buf_).substr(pos_);
                newline = false;
                pos_ = buf_.size();
                scanned_ = 0;
                return true;
            }
        }
    }

    // The system's error number of a failed read, 0 when none.
    int error() const { return error_; }

private:
    bool fill() {
        if (ended_)
            return false;
        buf_.erase(0, pos_);
        pos_ = 0;
        char chunk[1 << 16];
        const size_t n = std::fread(chunk, 1, sizeof chunk, file_);
        if (n == 0) {
            if (std::ferror(file_))
                error_ = errno ? errno : EIO;
            ended_ = true;
            return false;
        }
        size_t usable = n;
        if (const void* eof = std::memchr(chunk, 26, n)) {
            usable = static_cast<const char*>(eof) - chunk;
            ended_ = true;
        }
        const size_t old = buf_.size();
        buf_.resize(old + usable);
        char* out = std::remove_copy(chunk, chunk + usable, buf_.data() + old, '\r');
        buf_.resize(out - buf_.data());
        return true;
    }

    std::FILE* file_;
    std::string buf_;
    size_t pos_ = 0;
    size_t scanned_ = 0; // bytes after pos_ already known to hold no line feed
    bool ended_ = false;
    int error_ = 0;
};

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

bool contains(std::string_view s, std::string_view part) {
    return s.find(part) != std::string_view::npos;
}

// The names of an "$info" line: the text after its first six characters split at commas, as
// strtok does it (no empty pieces, except that a comma just before the line feed leaves one).
std::vector<std::string> infoNames(std::string_view line, bool newline) {
    std::string rest = line.size() > 6 ? std::string(line.substr(6)) : std::string();
    if (newline && line.size() >= 6)
        rest += '\n';
    std::vector<std::string> names;
    size_t pos = 0;
    while (pos < rest.size()) {
        while (pos < rest.size() && rest[pos] == ',')
            ++pos;
        if (pos >= rest.size())
            break;
        size_t end = rest.find(',', pos);
        if (end == std::string::npos)
            end = rest.size();
        std::string piece = rest.substr(pos, end - pos);
        if (!piece.empty() && piece.back() == '\n')
            piece.pop_back();
        names.push_back(std::move(piece));
        pos = end;
    }
    return names;
}

// First row per ROM name, so each name costs one hash lookup instead of a search down the table.
// Events processed during the import may change the table (another import, a sort): every hit is
// checked against the table before it is used and the index is rebuilt when it went stale.
class RomRows {
public:
    RomRows(const GameTable& table, int romColumn) : table_(table), rom_(romColumn) { rebuild(); }

    // The row, or 0 when no row has that name.
    int find(const std::string& name) {
        if (name.empty())
            return 0;
        int row = lookup(name);
        if (row != 0 && !holds(row, name)) {
            rebuild();
            row = lookup(name);
        }
        return row;
    }

private:
    int lookup(const std::string& name) const {
        const auto it = rows_.find(name);
        return it == rows_.end() ? 0 : it->second;
    }
    bool holds(int row, const std::string& name) const {
        return row < table_.rowCount() && rom_ < table_.columnCount() &&
               table_.cell(rom_, row) == name;
    }
    void rebuild() {
        rows_.clear();
        if (rom_ >= table_.columnCount())
            return;
        rows_.reserve(static_cast<size_t>(table_.rowCount()));
        for (int r = 1; r < table_.rowCount(); ++r) {
            const std::string& rom = table_.cell(rom_, r);
            if (!rom.empty())
                rows_.emplace(rom, r); // keeps the first row of a name
        }
    }

    const GameTable& table_;
    int rom_;
    std::unordered_map<std::string, int> rows_;
};

} // namespace

std::string HistoryEntryHeader(std::string_view firstName) {
    std::string header = "\n\n*************************************\n\nhistory.dat info for rom [";
    header += firstName;
    header += "]:\n\n";
    return header;
}

void HistoryLineBreaks(std::string& text) {
    const size_t n = text.size();
    if (n < 3)
        return;
    // Every j from 1 to n - 2. Only the character before j changes, which later steps never read.
    size_t j = 1;
    while (j + 1 < n) {
        const void* lf = std::memchr(text.data() + j, '\n', n - 1 - j);
        if (!lf)
            break;
        j = static_cast<const char*>(lf) - text.data();
        if (text[j + 1] != '\n')
            text[j - 1] = ' ';
        ++j;
    }
}

bool ParseHistoryDat(GameTable& table, const std::string& path, Ui& ui) {
    const int romColumn = ColumnIndex("ROM");
    const int bioColumn = ColumnIndex("Bio");

    int openError = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(nullptr, &std::fclose);
    // A folder opens here but cannot be read; say so the way opening it elsewhere would.
    if (entryKind(path) == EntryKind::Folder) {
        openError = EISDIR;
    } else {
        file.reset(std::fopen(path.c_str(), "rb"));
        openError = file ? 0 : errno;
    }
    if (!file) {
        ui.showMessage(path + " " + systemErrorText(openError));
        return false;
    }
    if (romColumn < 0 || bioColumn < 0 || romColumn >= table.columnCount() ||
        bioColumn >= table.columnCount())
        return true;

    TextLineReader reader(file.get());
    RomRows rows(table, romColumn);

    unsigned entries = 0;
    long long shownEntries = -1;
    unsigned linesSincePump = 0;
    std::vector<std::string> names;
    std::string text;

    // The closing line of an entry's text is read again by the main loop.
    std::string again;
    bool againNewline = false;
    bool haveAgain = false;

    auto pump = [&] {
        ui.processEvents();
        linesSincePump = 0;
    };
    auto store = [&] {
        for (const std::string& name : names) {
            const int row = rows.find(name);
            if (row > 0 && bioColumn < table.columnCount())
                table.setCell(bioColumn, row, text);
        }
        names.clear();
        text.clear();
    };

    std::string_view line;
    bool newline = false;
    for (;;) {
        if (haveAgain) {
            line = again;
            newline = againNewline;
            haveAgain = false;
        } else if (!reader.next(line, newline)) {
            break;
        }

        // Progress: once per count that is a multiple of 50, and events now and then in between
        // so that a long stretch without entries keeps the window alive.
        if (entries % 50 == 0 && shownEntries != entries) {
            shownEntries = entries;
            ui.setStatus(0, "Entries in history.dat: " + std::to_string(entries));
            pump();
        } else if (++linesSincePump >= 4096) {
            pump();
        }

        if (startsWith(line, "$info")) {
            ++entries;
            names = infoNames(line, newline);
            // A new entry starts with no text, even when the last one never reached its "$end".
            text.clear();
        } else if (contains(line, "$bio")) {
            text = HistoryEntryHeader(names.empty() ? std::string_view() : names.front());
            bool closed = false;
            std::string_view textLine;
            bool textNewline = false;
            while (reader.next(textLine, textNewline)) {
                text.append(textLine);
                if (textNewline)
                    text += '\n';
                if (++linesSincePump >= 4096)
                    pump();
                if (startsWith(textLine, "$") || contains(textLine, "$end")) {
                    closed = true;
                    again.assign(textLine);
                    againNewline = textNewline;
                    haveAgain = true;
                    break;
                }
            }
            if (closed) {
                // The closing line and the line feed before it.
                const size_t cut = againNewline ? 6 : 5;
                text.resize(text.size() - std::min(cut, text.size()));
            } else if (!text.empty() && text.back() == '\n') {
                text.pop_back();
            }
            HistoryLineBreaks(text);
            // The file ended inside the entry: the entry ends there.
            if (!closed)
                store();
        } else if (contains(line, "$end")) {
            store();
        }
    }

    if (reader.error() != 0)
        ui.showMessage(path + " " + systemErrorText(reader.error()));
    return true;
}

} // namespace zarn
