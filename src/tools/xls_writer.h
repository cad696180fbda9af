#pragma once

#include <string>
#include <vector>

namespace zarn {

// An Excel 97-2003 workbook (BIFF8 records in an OLE2 compound file) with one worksheet
// "Sheet1" holding the texts from A1 on, row by row. Texts are cell bytes (UTF-8, or Latin-1
// when not valid UTF-8); empty texts leave their cell blank. Throws Error when the cells do not
// fit the format (65536 rows, 256 columns).
std::string XlsWorkbook(const std::vector<std::vector<std::string>>& cells);

// The compound file around one stream named "Workbook" (exposed for tests).
std::string CompoundFile(std::string workbookStream);

} // namespace zarn
