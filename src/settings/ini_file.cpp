#include "settings/ini_file.h"

#include "app/error.h"
#include "app/paths.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>

namespace zarn {

namespace {

constexpr size_t npos = std::string::npos;

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimBlanks(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const size_t close = line.find(']');
    if (close == npos)
        return std::nullopt;
    return trimBlanks(line.substr(1, close - 1));
}

bool isKeyLine(std::string_view line, std::string_view key, std::string_view* value) {
    const size_t eq = line.find('=');
    if (eq == npos || !equalsNoCase(trimBlanks(line.substr(0, eq)), key))
        return false;
    if (value)
        *value = trimBlanks(line.substr(eq + 1));
    return true;
}

} // namespace

std::optional<long long> ParseIniInteger(std::string_view text) {
    text = trimBlanks(text);
    int base = 10;
    bool negative = false;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    unsigned long long value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    // Hexadecimal values are 32-bit patterns, as the system's reader takes them.
    if (base == 16 && value <= 0xffffffffULL)
        return static_cast<long long>(static_cast<int32_t>(static_cast<uint32_t>(value)));
    if (value > static_cast<unsigned long long>(INT64_MAX))
        return std::nullopt;
    const auto signedValue = static_cast<long long>(value);
    return negative ? -signedValue : signedValue;
}

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    std::ifstream in(path_, std::ios::binary);
    if (!in)
        return;
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string data = buffer.str();
    if (data.find("\r\n") != npos)
        newline_ = "\r\n";
    size_t pos = 0;
    while (pos < data.size()) {
        size_t end = data.find('\n', pos);
        if (end == npos)
            end = data.size();
        std::string line = data.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines_.push_back(std::move(line));
        pos = end + 1;
    }
}

size_t IniFile::findSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i]);
        if (name && equalsNoCase(*name, section))
            return i;
    }
    return npos;
}

size_t IniFile::sectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < lines_.size() && !sectionName(lines_[i]))
        ++i;
    return i;
}

size_t IniFile::findKey(size_t header, std::string_view key) const {
    const size_t end = sectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        if (isKeyLine(lines_[i], key, nullptr))
            return i;
    }
    return npos;
}

std::optional<std::string> IniFile::read(std::string_view section, std::string_view key) const {
    const size_t header = findSection(section);
    if (header == npos)
        return std::nullopt;
    const size_t line = findKey(header, key);
    if (line == npos)
        return std::nullopt;
    std::string_view value;
    isKeyLine(lines_[line], key, &value);
    return std::string(value.substr(0, kMaxValueLength));
}

std::vector<std::pair<std::string, std::string>>
IniFile::readSection(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> entries;
    const size_t header = findSection(section);
    if (header == npos)
        return entries;
    const size_t end = sectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        const std::string_view line = lines_[i];
        const size_t eq = line.find('=');
        if (eq == npos)
            continue;
        entries.emplace_back(std::string(trimBlanks(line.substr(0, eq))),
                             std::string(trimBlanks(line.substr(eq + 1)).substr(0, kMaxValueLength)));
    }
    return entries;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    auto value = read(section, key);
    return value ? *value : std::string(fallback);
}

long long IniFile::readInteger(std::string_view section, std::string_view key,
                               long long fallback) const {
    const auto value = read(section, key);
    if (!value)
        return fallback;
    return ParseIniInteger(*value).value_or(fallback);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::write(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(key) + "=" + std::string(value);
    size_t header = findSection(section);
    if (header == npos) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::move(line));
        return;
    }
    const size_t existing = findKey(header, key);
    if (existing != npos) {
        // Keep the key's spelling as the file has it; only the value changes.
        const std::string& old = lines_[existing];
        lines_[existing] = std::string(trimBlanks(old.substr(0, old.find('=')))) + "=" +
                           std::string(value);
        return;
    }
    // After the section's last non-blank line, so a blank line before the next section stays.
    size_t insertAt = sectionEnd(header);
    while (insertAt > header + 1 && trimBlanks(lines_[insertAt - 1]).empty())
        --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    write(section, key, value ? "1" : "0");
}

void IniFile::writeInteger(std::string_view section, std::string_view key, long long value) {
    write(section, key, std::to_string(value));
}

std::string IniFile::text() const {
    std::string out;
    for (const std::string& line : lines_) {
        out += line;
        out += newline_;
    }
    return out;
}

void IniFile::save() const {
    if (!writeFileAtomically(path_, text()))
        throw Error("Unable to write to " + path_);
}

} // namespace zarn
