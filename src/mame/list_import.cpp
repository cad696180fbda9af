#include "mame/list_import.h"

#include <cerrno>
#include <charconv>
#include <cstring>

namespace zarn {

namespace {

constexpr char LF = 10;
constexpr char CR = 13;
constexpr char CtrlZ = 26;
constexpr size_t kReadBlock = 1 << 20;

// The characters from start up to, not including, the next stop (or the end of the line).
std::string_view textUpTo(std::string_view line, size_t start, char stop) {
    if (start >= line.size())
        return {};
    const std::string_view rest = line.substr(start);
    return rest.substr(0, rest.find(stop));
}

// The text up to stop that begins skip characters after the first occurrence of key, or nothing
// when the line does not contain key.
bool attribute(std::string_view line, std::string_view key, size_t skip, char stop, std::string& out) {
    const size_t at = line.find(key);
    if (at == std::string_view::npos)
        return false;
    out.assign(textUpTo(line, at + skip, stop));
    return true;
}

// Reads a number the way strtof does (leading blanks, an optional sign), independent of the
// locale, since Qt sets the user's locale and a decimal comma must not change the result.
float readFloat(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' ||
                               text[i] == '\v' || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    float value = 0;
    const char* first = text.data() + i;
    const auto [ptr, ec] = std::from_chars(first, text.data() + text.size(), value);
    if (ec != std::errc())
        return 0;
    return negative ? -value : value;
}

} // namespace

void ReplaceAll(std::string& buffer, std::string_view search, std::string_view replacement) {
    if (search.empty())
        return;
    size_t at = buffer.find(search);
    if (at == std::string::npos)
        return;
    std::string out;
    out.reserve(buffer.size());
    size_t from = 0;
    while (at != std::string::npos) {
        out.append(buffer, from, at - from);
        out.append(replacement);
        from = at + search.size();
        at = buffer.find(search, from);
    }
    out.append(buffer, from, std::string::npos);
    buffer.swap(out);
}

void GameRecord::clear() {
    for (std::string* field : {&name, &cloneOf, &romOf, &description, &year, &manufacturer, &cpu,
                               &screenType, &resolution, &category, &info})
        field->clear();
    clock = 0;
}

std::string ClockText(float hertz) {
    const float mhz = hertz * 0.000001f;
    // to_chars rounds the exact value like printf does, but never uses a locale's decimal comma.
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, mhz, std::chars_format::fixed, 2);
    std::string number = ec == std::errc() ? std::string(buf, end) : std::string("inf");
    if (number.size() < 2)
        number.insert(0, 2 - number.size(), ' ');
    return " " + number + " Mhz";
}

// ---- CaptureReader

CaptureReader::~CaptureReader() { close(); }

bool CaptureReader::open(const std::string& path, int* errorNumber) {
    close();
    errno = 0;
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) {
        if (errorNumber)
            *errorNumber = errno;
        return false;
    }
    buffer_.resize(kReadBlock + kCapturePieceLimit + 2);
    begin_ = end_ = 0;
    eof_ = false;
    return true;
}

void CaptureReader::close() {
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
}

bool CaptureReader::fill() {
    if (eof_ || !file_)
        return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    const size_t room = buffer_.size() - end_;
    const size_t got = std::fread(buffer_.data() + end_, 1, room, file_);
    if (got == 0) {
        eof_ = true;
        return false;
    }
    // A text-mode read ends at Ctrl-Z; what follows is not part of the text.
    if (const void* z = std::memchr(buffer_.data() + end_, CtrlZ, got)) {
        end_ = static_cast<size_t>(static_cast<const char*>(z) - buffer_.data());
        eof_ = true;
        return true;
    }
    end_ += got;
    return true;
}

bool CaptureReader::next(std::string_view& piece) {
    // A piece holds at most kCapturePieceLimit characters counted after CR LF became LF, its LF
    // included, so the LF can be at most kCapturePieceLimit bytes (a CR before it) into the data.
    const size_t window = kCapturePieceLimit + 1;
    for (;;) {
        const char* base = buffer_.data();
        const size_t avail = end_ - begin_;
        const size_t span = avail < window ? avail : window;
        if (const void* lf = std::memchr(base + begin_, LF, span)) {
            const size_t at = static_cast<size_t>(static_cast<const char*>(lf) - base);
            size_t length = at - begin_;
            if (length > 0 && base[at - 1] == CR)
                --length;
            if (length < kCapturePieceLimit) {
                piece = std::string_view(base + begin_, length);
                begin_ = at + 1;
                return true;
            }
            piece = std::string_view(base + begin_, kCapturePieceLimit);
            begin_ += kCapturePieceLimit;
            return true;
        }
        if (avail >= window) {
            piece = std::string_view(base + begin_, kCapturePieceLimit);
            begin_ += kCapturePieceLimit;
            return true;
        }
        if (!fill()) {
            if (avail == 0)
                return false;
            piece = std::string_view(buffer_.data() + begin_, avail);
            begin_ = end_;
            return true;
        }
    }
}

// ---- GameListParser

GameListParser::GameListParser(GameTable& table, std::function<void(int)> onGameSeen)
    : table_(table), onGameSeen_(std::move(onGameSeen)), colRom_(ColumnIndex("ROM")),
      colDescription_(ColumnIndex("Description")), colYear_(ColumnIndex("Year")),
      colManufacturer_(ColumnIndex("Manufacturer")), colCloneOf_(ColumnIndex("Clone Of")),
      colCategory_(ColumnIndex("Category")), colResolution_(ColumnIndex("Resolution")),
      colType_(ColumnIndex("Type")), colCpu_(ColumnIndex("CPU")), colRomOf_(ColumnIndex("Rom Of")),
      colInfo_(ColumnIndex("Info")), colPlayed_(ColumnIndex("Played")) {}

void GameListParser::parseLine(std::string_view line) {
    // Only lines that start with a tab can match; most lines of a list are rom and dipvalue lines,
    // so decide on the second and third characters before comparing whole prefixes.
    if (line.size() < 6 || line[0] != '\t')
        return;
    if (line[1] == '<') {
        if (line.starts_with("\t<game"))
            startGame(line);
        else if (line.starts_with("\t</game>"))
            endGame();
        return;
    }
    if (line[1] != '\t' || line[2] != '<')
        return;
    switch (line[3]) {
    case 'd':
        if (inGame_ && line.starts_with("\t\t<description>"))
            record_.description.assign(textUpTo(line, 15, '<'));
        break;
    case 'y':
        if (inGame_ && line.starts_with("\t\t<year>"))
            record_.year.assign(textUpTo(line, 8, '<'));
        break;
    case 'm':
        if (line.starts_with("\t\t<manufacturer>"))
            record_.manufacturer.assign(textUpTo(line, 16, '<'));
        break;
    case 'c':
        if (line.starts_with("\t\t<chip type=\"cpu"))
            chip(line);
        break;
    case 'h':
        if (line.starts_with("\t\t<history"))
            history(line);
        break;
    case 'v':
        if (line.starts_with("\t\t<video"))
            video(line);
        break;
    default:
        break;
    }
}

void GameListParser::startGame(std::string_view line) {
    ++games_;
    inGame_ = true;
    attribute(line, "name=", 6, '"', record_.name);
    attribute(line, "cloneof", 9, '"', record_.cloneOf);
    attribute(line, "romof", 7, '"', record_.romOf);
    if (onGameSeen_)
        onGameSeen_(games_);
}

void GameListParser::chip(std::string_view line) {
    const size_t name = line.find("name=\"");
    if (name == std::string_view::npos)
        return;
    record_.cpu.assign(textUpTo(line, name + 6, '"'));
    const size_t clock = line.find("clock=");
    if (clock == std::string_view::npos)
        return;
    record_.clock = readFloat(clock + 7 < line.size() ? line.substr(clock + 7) : std::string_view());
    record_.cpu += ClockText(record_.clock);
}

void GameListParser::history(std::string_view line) {
    const size_t end = line.find("</history>");
    if (end != std::string_view::npos)
        line = line.substr(0, end);
    const size_t category = line.find("Category: ");
    if (category != std::string_view::npos)
        record_.category.assign(textUpTo(line, category + 10, '&'));
    const size_t recommended = line.find("Recommended Games");
    if (recommended != std::string_view::npos) {
        const size_t gap = line.find("&#10;&#10;", recommended);
        if (gap != std::string_view::npos)
            line = line.substr(0, gap);
        record_.info.assign(line.substr(recommended));
        ReplaceAll(record_.info, "&#10;", "\n");
        ReplaceAll(record_.info, "&amp;", "&");
    }
}

void GameListParser::video(std::string_view line) {
    attribute(line, "screen=", 8, '"', record_.screenType);
    const size_t width = line.find("width=");
    if (width == std::string_view::npos)
        return;
    record_.resolution.assign(textUpTo(line, width + 7, '"'));
    record_.resolution += 'x';
    const size_t height = line.find("height=");
    if (height != std::string_view::npos)
        record_.resolution += textUpTo(line, height + 8, '"');
}

void GameListParser::endGame() {
    inGame_ = false;
    const int row = table_.appendRow();
    ++rows_;
    TableRow& target = table_.rows()[row];
    auto put = [&](int column, std::string& value) {
        if (column >= 0 && column < static_cast<int>(target.cells.size()))
            target.cells[column] = std::move(value);
    };
    put(colRom_, record_.name);
    put(colDescription_, record_.description);
    put(colYear_, record_.year);
    put(colManufacturer_, record_.manufacturer);
    put(colCloneOf_, record_.cloneOf);
    put(colCategory_, record_.category);
    put(colResolution_, record_.resolution);
    put(colType_, record_.screenType);
    put(colCpu_, record_.cpu);
    put(colRomOf_, record_.romOf);
    put(colInfo_, record_.info);
    std::string played = "0";
    put(colPlayed_, played);
    record_.clear();
}

} // namespace zarn
