#pragma once

#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace wm {

// A data file that cannot be read or does not say what it must; the text starts with "file:line: ".
class DataFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One row of a data table: its line number in the file and its fields.
struct DataRow {
    int line = 0;
    std::vector<std::string> fields;
};

// Splits the text of a data table into rows. Blank lines and lines starting with "#" are skipped; fields
// are separated by blanks, and a field in double quotes keeps its blanks (a code such as " SH").
std::vector<DataRow> splitDataTable(std::string_view text, std::string_view source);

// The whole of a file of the data folder, by name.
std::string readDataFile(std::string_view name);

// Full path of a file of the data folder.
std::string dataFilePath(std::string_view name);

// The data folder that stands with the program's other files; set when the program starts.
void setProgramDataFolder(std::string folder);

// Tests point the game at a damaged copy of the data folder; empty means the program's own. The game
// itself never changes it.
void useDataFolder(std::string folder);

// Says the files of the data folder may have changed: each table reads its files again on its next use.
void dataFilesChanged();

[[noreturn]] void failDataRow(std::string_view source, int line, std::string_view message);

// The text in quotes for a message, cut short so that a damaged field cannot flood it.
std::string quoted(std::string_view text);

// The whole field as a number within least..most; the column names it in the message. A sign is only
// allowed where the column allows negative numbers.
int dataNumber(std::string_view source, const DataRow& row, std::size_t field, std::string_view column,
               int least, int most);

// The same for a piece of a field (one of a list, one end of a pair).
int numberIn(std::string_view source, int line, std::string_view text, std::string_view column, int least,
             int most);

namespace detail {
unsigned dataGeneration();
}

// A table read from files of the data folder, kept until the files change. Reading again after
// dataFilesChanged only parses when some file's text differs, so a test damaging one file re-checks just
// the tables built from it; the names list every file a table depends on, even through another table.
template <class Table>
class DataTableCache {
  public:
    template <class Load>
    const Table& get(std::initializer_list<std::string_view> names, Load load) {
        if (table_ && generation_ == detail::dataGeneration()) return *table_;
        std::vector<std::string> texts;
        for (std::string_view name : names) texts.push_back(readDataFile(name));
        if (!table_ || texts != texts_) {
            table_.reset();
            table_.emplace(load(texts));
            texts_ = std::move(texts);
        }
        generation_ = detail::dataGeneration();
        return *table_;
    }

  private:
    std::optional<Table> table_;
    std::vector<std::string> texts_;
    unsigned generation_ = 0;
};

} // namespace wm
