#include "world/data_file.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace wm {

namespace {
constexpr std::size_t quotedLimit = 40;
constexpr std::size_t messageLimit = 160; // whatever a message quotes, file:line stays in the fatal box

std::string& dataFolder() {
    static std::string folder;
    return folder;
}

std::string& programDataFolder() {
    static std::string folder;
    return folder;
}

unsigned generation = 1;
} // namespace

unsigned detail::dataGeneration() {
    return generation;
}

void useDataFolder(std::string folder) {
    dataFolder() = std::move(folder);
    dataFilesChanged();
}

void setProgramDataFolder(std::string folder) {
    programDataFolder() = std::move(folder);
    dataFilesChanged();
}

void dataFilesChanged() {
    ++generation;
}

void failDataRow(std::string_view source, int line, std::string_view message) {
    throw DataFileError(std::string(source) + ":" + std::to_string(line) + ": " +
                        std::string(message.substr(0, messageLimit)));
}

std::string quoted(std::string_view text) {
    if (text.size() <= quotedLimit) return "\"" + std::string(text) + "\"";
    return "\"" + std::string(text.substr(0, quotedLimit)) + "...\"";
}

int numberIn(std::string_view source, int line, std::string_view text, std::string_view column, int least,
             int most) {
    int value = 0;
    const bool signAllowed = least < 0;
    const bool signed_ = !text.empty() && text.front() == '-';
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
    if ((signed_ && !signAllowed) || problem != std::errc{} || end != text.data() + text.size() ||
        value < least || value > most)
        failDataRow(source, line,
                    std::string(column) + " " + quoted(text) + " is not a whole number " +
                        std::to_string(least) + ".." + std::to_string(most));
    return value;
}

int dataNumber(std::string_view source, const DataRow& row, std::size_t field, std::string_view column,
               int least, int most) {
    if (field >= row.fields.size()) failDataRow(source, row.line, "the row has no " + std::string(column));
    return numberIn(source, row.line, row.fields[field], column, least, most);
}

std::vector<DataRow> splitDataTable(std::string_view text, std::string_view source) {
    std::vector<DataRow> rows;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        DataRow row{lineNumber, {}};
        std::size_t at = 0;
        while (at < line.size()) {
            if (line[at] == ' ' || line[at] == '\t') {
                ++at;
            } else if (row.fields.empty() && line[at] == '#') {
                break;
            } else if (line[at] == '"') {
                const std::size_t close = line.find('"', at + 1);
                if (close == std::string_view::npos) failDataRow(source, lineNumber, "unclosed quote");
                row.fields.emplace_back(line.substr(at + 1, close - at - 1));
                at = close + 1;
            } else {
                const std::size_t stop = line.find_first_of(" \t", at);
                const std::size_t size = stop == std::string_view::npos ? line.size() - at : stop - at;
                row.fields.emplace_back(line.substr(at, size));
                at += size;
            }
        }
        if (!row.fields.empty()) rows.push_back(std::move(row));
    }
    return rows;
}

std::string dataFilePath(std::string_view name) {
    const std::string& folder = dataFolder().empty() ? programDataFolder() : dataFolder();
    return folder + "/" + std::string(name);
}

std::string readDataFile(std::string_view name) {
    const std::string path = dataFilePath(name);
    std::ifstream file(path, std::ios::binary);
    if (!file) throw DataFileError(path + ":0: cannot be read");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace wm
