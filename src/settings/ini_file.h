#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zarn {

// A Windows-style profile file: "[section]" lines and "key=value" lines. Section and key names are
// compared without regard to case, blanks around key and value are dropped on reading, and lines
// the program does not know (other sections, keys, comments) are kept as they are.
// The file is read when the object is made and written back by save().
class IniFile {
public:
    static constexpr size_t kMaxValueLength = 2047;

    explicit IniFile(std::string path);

    const std::string& path() const { return path_; }

    // Value of the first matching key in the first matching section, cut to 2047 characters.
    std::optional<std::string> read(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback = {}) const;
    // Every key of the first matching section with its value, in file order, by read()'s rules
    // (a key given twice appears twice; read() would give the first).
    std::vector<std::pair<std::string, std::string>> readSection(std::string_view section) const;
    // The integer rule: decimal (optional sign), or hexadecimal after "0x"/"0X"; an empty or
    // non-numeric value gives the fallback.
    long long readInteger(std::string_view section, std::string_view key, long long fallback) const;
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;

    // Replaces the key's value, or adds the key at the end of its section; a missing section is
    // added at the end of the file.
    void write(std::string_view section, std::string_view key, std::string_view value);
    void writeBool(std::string_view section, std::string_view key, bool value);
    void writeInteger(std::string_view section, std::string_view key, long long value);

    // Writes the file through a temporary file renamed over it. Throws Error("Unable to write to "
    // + path) when the system refuses; the old file then stays as it was.
    void save() const;

    // The text of the file as save() would write it.
    std::string text() const;

private:
    // Index of the section's header line, or npos.
    size_t findSection(std::string_view section) const;
    // Index of the key's line within the section starting after header, or npos.
    size_t findKey(size_t header, std::string_view key) const;
    // One past the last line belonging to the section whose header is at index header.
    size_t sectionEnd(size_t header) const;

    std::string path_;
    std::vector<std::string> lines_;
    std::string newline_ = "\n";
};

// The integer rule of the settings file applied to a text; nullopt when it is no integer.
std::optional<long long> ParseIniInteger(std::string_view text);

} // namespace zarn
