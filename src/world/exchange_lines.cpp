#include "world/exchange_lines.h"

#include "world/data_file.h"

namespace wm {

namespace {
constexpr std::string_view fileName = "exchange_lines.txt";

/// Position of the line among the exchange sidings; -1 when it has none.
int slotOf(int line) {
    for (std::size_t i = 0; i < exchangeSidings.size(); ++i)
        if (exchangeSidings[i].line == line) return static_cast<int>(i);
    return -1;
}
} // namespace

ExchangeLineNames ExchangeLineNames::parse(std::string_view text, std::string_view source) {
    ExchangeLineNames table;
    int lastLine = 0;
    for (const DataRow& row : splitDataTable(text, source)) {
        lastLine = row.line;
        if (row.fields.size() != 2) failDataRow(source, row.line, "an exchange line row is: line, name");
        const int line = dataNumber(source, row, 0, "line", 1, lineCapacity);
        const int slot = slotOf(line);
        if (slot < 0)
            failDataRow(source, row.line, "line " + std::to_string(line) + " has no exchange siding");
        std::string& name = table.names_[static_cast<std::size_t>(slot)];
        if (!name.empty()) failDataRow(source, row.line, "line " + std::to_string(line) + " named twice");
        const std::string& given = row.fields[1];
        if (given.empty() || given.size() > longestExchangeLineName)
            failDataRow(source, row.line, "name " + quoted(given) + " is not 1 to 13 characters");
        name = given;
    }
    for (std::size_t i = 0; i < exchangeSidings.size(); ++i)
        if (table.names_[i].empty())
            failDataRow(source, lastLine, "line " + std::to_string(exchangeSidings[i].line) + " has no name");
    return table;
}

const std::string& ExchangeLineNames::nameOf(int line) const {
    static const std::string none;
    const int slot = slotOf(line);
    return slot < 0 ? none : names_[static_cast<std::size_t>(slot)];
}

const ExchangeLineNames& loadedExchangeLineNames() {
    static DataTableCache<ExchangeLineNames> table;
    return table.get({fileName}, [](const std::vector<std::string>& texts) {
        return ExchangeLineNames::parse(texts[0], dataFilePath(fileName));
    });
}

} // namespace wm
