#include "tools/sort.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>

namespace zarn {

void UpdateSortKeys(SortKeyList& keys, int column, bool shift) {
    auto it = std::find_if(keys.begin(), keys.end(), [&](const SortKey& k) { return k.column == column; });
    if (shift) {
        if (it == keys.end())
            keys.push_back({column, false});
        else
            it->descending = !it->descending;
        return;
    }
    if (keys.size() == 1 && it != keys.end()) {
        it->descending = !it->descending;
        return;
    }
    keys.assign(1, SortKey{column, false});
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool looksLikeNumber(std::string_view s, char separator) {
    if (s.empty())
        return false;
    size_t i = s[0] == '-' ? 1 : 0;
    bool digit = false, point = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            digit = true;
        } else if (s[i] == separator && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

bool looksLikeDate(std::string_view s) {
    for (size_t p : {size_t(1), size_t(2)}) {
        if (p + 1 < s.size() && s[p] == '/' && isDigit(s[p - 1]) && isDigit(s[p + 1]))
            return true;
    }
    return false;
}

// Reads a run of digits; false when there is none or it is absurdly long.
bool readNumber(std::string_view s, size_t& i, int& value) {
    const size_t start = i;
    value = 0;
    while (i < s.size() && isDigit(s[i])) {
        if (i - start >= 6)
            return false;
        value = value * 10 + (s[i] - '0');
        ++i;
    }
    return i > start;
}

// Days from 1899-12-30 to the civil date (proleptic Gregorian).
long long daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + 25569; // 1970-01-01 is day 25569
}

int daysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0))
        return 29;
    return days[m - 1];
}

// A prepared cell of one key column. Rank orders the kinds against each other.
struct Key {
    int rank;        // 0 empty or number, 1 date, 2 text
    double value;    // number or date
    uint64_t prefix; // a text's first eight bytes, big-endian, zero-padded: orders like the text
    std::string_view text;
};

uint64_t prefixOf(std::string_view text) {
    uint64_t p = 0;
    for (size_t i = 0; i < 8; ++i)
        p = (p << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return p;
}

Key makeKey(std::string_view cell, const SortLocale& locale) {
    if (cell.empty())
        return {0, 0.0, 0, cell};
    switch (ClassifyCell(cell, locale)) {
    case CellKind::Number:
        return {0, CellNumber(cell, locale), 0, cell};
    case CellKind::Date:
        return {1, CellDate(cell, locale), 0, cell};
    case CellKind::Text:
        break;
    }
    return {2, 0.0, prefixOf(cell), cell};
}

int compareKeys(const Key& a, const Key& b) {
    if (a.rank != b.rank)
        return a.rank < b.rank ? -1 : 1;
    if (a.rank == 2) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix ? -1 : 1;
        if (a.text.size() <= 8 && b.text.size() <= 8 && a.text.size() == b.text.size())
            return 0;
        const int c = a.text.compare(b.text);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    if (a.value != b.value)
        return a.value < b.value ? -1 : 1;
    // An empty cell counts as 0; among equal values it goes first so the order stays total.
    const bool ea = a.text.empty(), eb = b.text.empty();
    return ea == eb ? 0 : (ea ? -1 : 1);
}

} // namespace

CellKind ClassifyCell(std::string_view cell, const SortLocale& locale) {
    if (looksLikeNumber(cell, locale.decimalSeparator))
        return CellKind::Number;
    if (looksLikeDate(cell))
        return CellKind::Date;
    return CellKind::Text;
}

double CellNumber(std::string_view cell, const SortLocale& locale) {
    if (!looksLikeNumber(cell, locale.decimalSeparator))
        return 0.0;
    std::string text(cell);
    std::replace(text.begin(), text.end(), locale.decimalSeparator, '.');
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return value;
}

double CellDate(std::string_view cell, const SortLocale& locale) {
    size_t i = 0;
    int parts[3];
    for (int k = 0; k < 3; ++k) {
        if (k > 0) {
            if (i >= cell.size() || cell[i] != '/')
                return 0.0;
            ++i;
        }
        if (!readNumber(cell, i, parts[k]))
            return 0.0;
    }
    int y, m, d;
    switch (locale.dateOrder) {
    case SortLocale::DateOrder::DayMonthYear:
        d = parts[0], m = parts[1], y = parts[2];
        break;
    case SortLocale::DateOrder::MonthDayYear:
        m = parts[0], d = parts[1], y = parts[2];
        break;
    default:
        y = parts[0], m = parts[1], d = parts[2];
        break;
    }
    if (y < 100)
        y += y < 50 ? 2000 : 1900;
    if (m < 1 || m > 12 || d < 1 || d > daysInMonth(y, m))
        return 0.0;
    double value = static_cast<double>(daysFromCivil(y, m, d));
    // An optional time of day: blanks, then h:mm or h:mm:ss.
    while (i < cell.size() && cell[i] == ' ')
        ++i;
    if (i < cell.size()) {
        int h = 0, mi = 0, s = 0;
        if (!readNumber(cell, i, h) || i >= cell.size() || cell[i] != ':')
            return 0.0;
        ++i;
        if (!readNumber(cell, i, mi))
            return 0.0;
        if (i < cell.size() && cell[i] == ':') {
            ++i;
            if (!readNumber(cell, i, s))
                return 0.0;
        }
        while (i < cell.size() && cell[i] == ' ')
            ++i;
        const std::string_view rest = cell.substr(i);
        if (rest == "PM" || rest == "pm") {
            if (h < 12)
                h += 12;
        } else if (rest == "AM" || rest == "am") {
            if (h == 12)
                h = 0;
        } else if (!rest.empty()) {
            return 0.0;
        }
        if (h > 23 || mi > 59 || s > 59)
            return 0.0;
        value += (h * 3600 + mi * 60 + s) / 86400.0;
    }
    return value;
}

void SortTable(GameTable& table, const SortKeyList& keys, const SortLocale& locale) {
    const int first = 1;
    const int count = table.rowCount() - first;
    if (count < 2 || keys.empty())
        return;
    std::vector<TableRow>& rows = table.rows();
    std::vector<SortKey> usable;
    for (const SortKey& k : keys) {
        if (k.column >= 0 && k.column < table.columnCount())
            usable.push_back(k);
    }
    if (usable.empty())
        return;

    // One prepared key per row and key column, laid out row by row.
    const size_t width = usable.size();
    std::vector<Key> prepared(static_cast<size_t>(count) * width);
    for (int r = 0; r < count; ++r) {
        const TableRow& row = rows[first + r];
        for (size_t k = 0; k < width; ++k)
            prepared[r * width + k] = makeKey(row.cells[usable[k].column], locale);
    }
    // The primary key travels with its row for locality; further keys are looked up on ties.
    struct Item {
        Key key;
        int row;
    };
    std::vector<Item> order(count);
    for (int r = 0; r < count; ++r)
        order[r] = {prepared[r * width], r};
    const bool firstDescending = usable[0].descending;
    std::sort(order.begin(), order.end(), [&](const Item& a, const Item& b) {
        const int c = compareKeys(a.key, b.key);
        if (c != 0)
            return firstDescending ? c > 0 : c < 0;
        const Key* ka = &prepared[a.row * width];
        const Key* kb = &prepared[b.row * width];
        for (size_t k = 1; k < width; ++k) {
            const int d = compareKeys(ka[k], kb[k]);
            if (d != 0)
                return usable[k].descending ? d > 0 : d < 0;
        }
        return false;
    });

    std::vector<TableRow> sorted;
    sorted.reserve(count);
    for (const Item& item : order)
        sorted.push_back(std::move(rows[first + item.row]));
    std::move(sorted.begin(), sorted.end(), rows.begin() + first);
}

} // namespace zarn
