// The table data file loader on arbitrary bytes: it must refuse or load, never crash or hang.
#include "app/error.h"
#include "table/table_file.h"

#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/zarn_fuzz_table_" + std::to_string(getpid()) + ".dat";
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    zarn::GameTable table;
    try {
        zarn::LoadTableData(path, table);
    } catch (const zarn::Error&) {
        return 0;
    }
    {
        // Whatever loaded must save and load back to the same bytes. A file may blank a header
        // cell, which a load into the starting state would bring back, so headers are restored.
        table.writeHeaders();
        const std::string saved = zarn::SerializeTableData(table);
        zarn::WriteTableDataFile(table, path);
        zarn::GameTable again;
        // A file this program wrote always loads again.
        zarn::LoadTableData(path, again);
        if (zarn::SerializeTableData(again) != saved)
            __builtin_trap();
    }
    return 0;
}
