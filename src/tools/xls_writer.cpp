#include "tools/xls_writer.h"

#include "app/error.h"
#include "tools/text_chars.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace zarn {

namespace {

constexpr size_t kMaxRows = 65536;
constexpr size_t kMaxColumns = 256;
constexpr size_t kMaxCellChars = 32767;
constexpr size_t kMaxRecordData = 8224;

void put16(std::string& out, uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void put32(std::string& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void record(std::string& out, uint16_t type, const std::string& data) {
    put16(out, type);
    put16(out, static_cast<uint32_t>(data.size()));
    out += data;
}

std::string data16(std::initializer_list<uint32_t> values) {
    std::string d;
    for (uint32_t v : values)
        put16(d, v);
    return d;
}

// A BIFF8 string body: flags byte then the characters, compressed (one byte each) when every
// unit fits in Latin-1.
bool fitsLatin1(const std::u16string& s) {
    return std::all_of(s.begin(), s.end(), [](char16_t c) { return c < 0x100; });
}
void putChars(std::string& out, const std::u16string& s, size_t from, size_t to, bool wide) {
    for (size_t i = from; i < to; ++i) {
        if (wide)
            put16(out, s[i]);
        else
            out.push_back(static_cast<char>(s[i]));
    }
}
// A string with an 8-bit length (font and sheet names).
std::string shortString(const std::u16string& s) {
    std::string d;
    const bool wide = !fitsLatin1(s);
    d.push_back(static_cast<char>(s.size()));
    d.push_back(wide ? 1 : 0);
    putChars(d, s, 0, s.size(), wide);
    return d;
}

std::u16string ascii16(std::string_view s) { return std::u16string(s.begin(), s.end()); }

// The shared string table, split into SST and CONTINUE records. A string's header never splits;
// when its characters split, the CONTINUE record starts with the flags byte again.
class SstWriter {
public:
    SstWriter(uint32_t total, uint32_t unique) {
        put32(current_, total);
        put32(current_, unique);
    }

    // streamStart: where the SST record will begin in the workbook stream.
    void add(const std::u16string& s) {
        const bool wide = !fitsLatin1(s);
        const size_t unit = wide ? 2 : 1;
        if (room() < 3 + unit)
            flush();
        if (count_ % bucketSize_ == 0)
            buckets_.push_back({records_.size(), current_.size()});
        ++count_;
        put16(current_, static_cast<uint32_t>(s.size()));
        current_.push_back(wide ? 1 : 0);
        size_t done = 0;
        while (true) {
            const size_t fit = std::min(s.size() - done, room() / unit);
            putChars(current_, s, done, done + fit, wide);
            done += fit;
            if (done == s.size())
                break;
            flush();
            current_.push_back(wide ? 1 : 0);
        }
    }

    void setBucketSize(uint32_t n) { bucketSize_ = n; }
    uint32_t bucketSize() const { return bucketSize_; }

    // Appends the records to out and returns the EXTSST data for their positions.
    std::string finish(std::string& out) {
        records_.push_back(std::move(current_));
        std::vector<size_t> starts;
        for (size_t i = 0; i < records_.size(); ++i) {
            starts.push_back(out.size());
            record(out, i == 0 ? 0x00FC : 0x003C, records_[i]);
        }
        std::string ext;
        put16(ext, bucketSize_);
        for (const auto& [index, offset] : buckets_) {
            put32(ext, static_cast<uint32_t>(starts[index] + 4 + offset));
            put16(ext, static_cast<uint32_t>(4 + offset));
            put16(ext, 0);
        }
        return ext;
    }

private:
    size_t room() const { return kMaxRecordData - current_.size(); }
    void flush() {
        records_.push_back(std::move(current_));
        current_.clear();
    }

    std::vector<std::string> records_;
    std::string current_;
    std::vector<std::pair<size_t, size_t>> buckets_; // record index, offset in its data
    uint32_t count_ = 0;
    uint32_t bucketSize_ = 8;
};

std::string fontRecord() {
    std::string d = data16({200, 0, 0x7FFF, 400, 0});
    d += std::string("\0\0\0\0", 4); // underline, family, character set, reserved
    d += shortString(ascii16("Arial"));
    return d;
}

std::string xfRecord(bool style) {
    std::string d = data16({0, 0, style ? 0xFFF5u : 0x0001u});
    d.push_back(0x20); // bottom aligned
    d.push_back(0);    // rotation
    d.push_back(0);    // indent
    d.push_back(style ? 0 : static_cast<char>(0xF8));
    put32(d, 0);
    put32(d, 0);
    put16(d, 0x20C0);
    return d;
}

} // namespace

std::string XlsWorkbook(const std::vector<std::vector<std::string>>& cells) {
    size_t columns = 0;
    for (const auto& row : cells)
        columns = std::max(columns, row.size());
    if (cells.size() > kMaxRows)
        throw Error("The table has " + std::to_string(cells.size()) +
                    " rows; an xls worksheet holds at most 65536");
    if (columns > kMaxColumns)
        throw Error("The table has too many columns for an xls worksheet");

    // Shared strings, each stored once.
    std::vector<std::u16string> strings;
    std::unordered_map<std::string_view, uint32_t> index;
    index.reserve(cells.size() * 4);
    struct Cell {
        uint16_t row, column;
        uint32_t sst;
    };
    std::vector<Cell> labels;
    for (size_t r = 0; r < cells.size(); ++r) {
        for (size_t c = 0; c < cells[r].size(); ++c) {
            const std::string& text = cells[r][c];
            if (text.empty())
                continue;
            auto [it, added] = index.try_emplace(std::string_view(text), static_cast<uint32_t>(strings.size()));
            if (added) {
                std::u16string s = ToUtf16(CellCharacters(text));
                if (s.size() > kMaxCellChars) {
                    s.resize(kMaxCellChars);
                    if (s.back() >= 0xD800 && s.back() <= 0xDBFF)
                        s.pop_back(); // never half a character
                }
                strings.push_back(std::move(s));
            }
            labels.push_back({static_cast<uint16_t>(r), static_cast<uint16_t>(c), it->second});
        }
    }

    std::string book;
    book.reserve(labels.size() * 14 + strings.size() * 24 + 4096);
    // Workbook globals.
    record(book, 0x0809, data16({0x0600, 0x0005, 0x0DBB, 0x07CC}) + std::string("\0\0\0\0\x06\x00\x00\x00", 8));
    record(book, 0x00E1, data16({0x04B0}));        // INTERFACEHDR
    record(book, 0x00C1, data16({0}));             // MMS
    record(book, 0x00E2, {});                      // INTERFACEEND
    {
        std::string access = shortString(ascii16("zarn"));
        access.insert(1, 1, '\0'); // 16-bit length
        access.resize(112, ' ');
        record(book, 0x005C, access);             // WRITEACCESS
    }
    record(book, 0x0042, data16({0x04B0}));        // CODEPAGE: UTF-16
    record(book, 0x0161, data16({0}));             // DSF
    record(book, 0x013D, data16({1}));             // TABID
    record(book, 0x009C, data16({0x000E}));        // FNGROUPCOUNT
    record(book, 0x0019, data16({0}));             // WINDOWPROTECT
    record(book, 0x0012, data16({0}));             // PROTECT
    record(book, 0x0013, data16({0}));             // PASSWORD
    record(book, 0x01AF, data16({0}));             // PROT4REV
    record(book, 0x01BC, data16({0}));             // PROT4REVPASS
    record(book, 0x0040, data16({0}));             // BACKUP
    record(book, 0x008D, data16({0}));             // HIDEOBJ
    record(book, 0x003D, data16({0x01E0, 0x005A, 0x3FCF, 0x2A4E, 0x0038, 0, 0, 1, 0x0258})); // WINDOW1
    record(book, 0x0022, data16({0}));             // DATEMODE: 1900
    record(book, 0x000E, data16({1}));             // PRECISION
    record(book, 0x01B7, data16({0}));             // REFRESHALL
    record(book, 0x00DA, data16({0}));             // BOOKBOOL
    // Font 4 does not exist in BIFF, so four fonts take indices 0, 1, 2, 3, and a fifth 5.
    for (int i = 0; i < 5; ++i)
        record(book, 0x0031, fontRecord());
    for (int i = 0; i < 15; ++i)
        record(book, 0x00E0, xfRecord(true));
    record(book, 0x00E0, xfRecord(false));         // XF 15: the cells' format
    record(book, 0x0293, data16({0x8000}) + std::string("\0\xFF", 2)); // STYLE "Normal"
    record(book, 0x0160, data16({0}));             // USESELFS
    const size_t boundSheetAt = book.size();
    record(book, 0x0085, std::string(6, '\0') + shortString(ascii16("Sheet1"))); // BOUNDSHEET
    record(book, 0x008C, data16({1, 1}));          // COUNTRY

    SstWriter sst(static_cast<uint32_t>(labels.size()), static_cast<uint32_t>(strings.size()));
    sst.setBucketSize(std::max<uint32_t>(8, static_cast<uint32_t>(strings.size() / 128 + 1)));
    for (const auto& s : strings)
        sst.add(s);
    const std::string extsst = sst.finish(book);
    record(book, 0x00FF, extsst);
    record(book, 0x000A, {});                      // EOF

    // The worksheet; its BOF position goes into BOUNDSHEET.
    const size_t sheetAt = book.size();
    for (int i = 0; i < 4; ++i)
        book[boundSheetAt + 4 + i] = static_cast<char>((sheetAt >> (8 * i)) & 0xFF);
    record(book, 0x0809, data16({0x0600, 0x0010, 0x0DBB, 0x07CC}) + std::string("\0\0\0\0\x06\x00\x00\x00", 8));
    record(book, 0x000D, data16({1}));             // CALCMODE
    record(book, 0x000C, data16({100}));           // CALCCOUNT
    record(book, 0x000F, data16({1}));             // REFMODE
    record(book, 0x0011, data16({0}));             // ITERATION
    record(book, 0x0010, std::string("\xFC\xA9\xF1\xD2\x4D\x62\x50\x3F", 8)); // DELTA 0.001
    record(book, 0x005F, data16({1}));             // SAVERECALC
    record(book, 0x002A, data16({0}));             // PRINTHEADERS
    record(book, 0x002B, data16({0}));             // PRINTGRIDLINES
    record(book, 0x0082, data16({1}));             // GRIDSET
    record(book, 0x0080, data16({0, 0, 0, 0}));    // GUTS
    record(book, 0x0225, data16({0, 0x00FF}));     // DEFAULTROWHEIGHT
    record(book, 0x0081, data16({0x04C1}));        // WSBOOL
    {
        std::string dim;
        put32(dim, 0);
        put32(dim, static_cast<uint32_t>(cells.size()));
        put16(dim, 0);
        put16(dim, static_cast<uint32_t>(columns));
        put16(dim, 0);
        record(book, 0x0200, dim);                 // DIMENSIONS
    }
    for (const Cell& cell : labels) {
        put16(book, 0x00FD);                       // LABELSST
        put16(book, 10);
        put16(book, cell.row);
        put16(book, cell.column);
        put16(book, 15);
        put32(book, cell.sst);
    }
    record(book, 0x023E, data16({0x06B6, 0, 0, 0x0040, 0, 0, 0, 0, 0})); // WINDOW2
    record(book, 0x000A, {});                      // EOF
    return CompoundFile(std::move(book));
}

std::string CompoundFile(std::string workbookStream) {
    constexpr uint32_t kSector = 512;
    constexpr uint32_t kFree = 0xFFFFFFFF, kEnd = 0xFFFFFFFE, kFatSect = 0xFFFFFFFD, kDifSect = 0xFFFFFFFC;
    std::string& stream = workbookStream;
    // Streams under 4096 bytes would belong in the mini stream; padding keeps one kind of storage.
    if (stream.size() < 4096)
        stream.resize(4096, '\0');
    const uint32_t streamSectors = static_cast<uint32_t>((stream.size() + kSector - 1) / kSector);
    stream.resize(static_cast<size_t>(streamSectors) * kSector, '\0');

    // Sectors: stream, one directory sector, FAT sectors, DIFAT sectors.
    uint32_t fatSectors = 1, difatSectors = 0;
    while (true) {
        const uint32_t total = streamSectors + 1 + fatSectors + difatSectors;
        const uint32_t neededFat = (total + 127) / 128;
        const uint32_t neededDifat = neededFat > 109 ? (neededFat - 109 + 126) / 127 : 0;
        if (neededFat == fatSectors && neededDifat == difatSectors)
            break;
        fatSectors = std::max(fatSectors, neededFat);
        difatSectors = std::max(difatSectors, neededDifat);
    }
    const uint32_t dirSector = streamSectors;
    const uint32_t firstFat = dirSector + 1;
    const uint32_t firstDifat = firstFat + fatSectors;

    std::string out;
    out.reserve(kSector + stream.size() + (1 + fatSectors + difatSectors) * kSector);
    // Header.
    out += std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    out += std::string(16, '\0');
    put16(out, 0x003E);
    put16(out, 0x0003);
    put16(out, 0xFFFE);
    put16(out, 9); // 512-byte sectors
    put16(out, 6); // 64-byte mini sectors
    out += std::string(6, '\0');
    put32(out, 0);          // directory sectors (version 3: 0)
    put32(out, fatSectors);
    put32(out, dirSector);
    put32(out, 0);          // transaction signature
    put32(out, 4096);       // mini stream cut-off
    put32(out, kEnd);       // mini FAT
    put32(out, 0);
    put32(out, difatSectors ? firstDifat : kEnd);
    put32(out, difatSectors);
    for (uint32_t i = 0; i < 109; ++i)
        put32(out, i < fatSectors ? firstFat + i : kFree);

    out += stream;

    // Directory: root, Workbook, two unused entries.
    auto entry = [&](std::u16string name, uint8_t type, uint32_t child, uint32_t start, uint32_t size) {
        std::string e;
        for (size_t i = 0; i < 32; ++i)
            put16(e, i < name.size() ? name[i] : 0);
        put16(e, name.empty() ? 0 : static_cast<uint32_t>((name.size() + 1) * 2));
        e.push_back(static_cast<char>(type));
        e.push_back(static_cast<char>(type == 0 ? 0 : 1)); // black
        put32(e, kFree);
        put32(e, kFree);
        put32(e, child);
        e += std::string(16 + 4 + 8 + 8, '\0');
        put32(e, start);
        put32(e, size);
        put32(e, 0);
        out += e;
    };
    entry(u"Root Entry", 5, 1, kEnd, 0);
    entry(u"Workbook", 2, kFree, 0, static_cast<uint32_t>(stream.size()));
    entry(u"", 0, kFree, 0, 0);
    entry(u"", 0, kFree, 0, 0);

    // FAT.
    std::vector<uint32_t> fat(static_cast<size_t>(fatSectors) * 128, kFree);
    for (uint32_t s = 0; s < streamSectors; ++s)
        fat[s] = s + 1 < streamSectors ? s + 1 : kEnd;
    fat[dirSector] = kEnd;
    for (uint32_t i = 0; i < fatSectors; ++i)
        fat[firstFat + i] = kFatSect;
    for (uint32_t i = 0; i < difatSectors; ++i)
        fat[firstDifat + i] = kDifSect;
    for (uint32_t v : fat)
        put32(out, v);

    // DIFAT sectors: FAT sector numbers past the 109 in the header, 127 per sector plus a link.
    for (uint32_t d = 0; d < difatSectors; ++d) {
        for (uint32_t i = 0; i < 127; ++i) {
            const uint32_t n = 109 + d * 127 + i;
            put32(out, n < fatSectors ? firstFat + n : kFree);
        }
        put32(out, d + 1 < difatSectors ? firstDifat + d + 1 : kEnd);
    }
    return out;
}

} // namespace zarn
