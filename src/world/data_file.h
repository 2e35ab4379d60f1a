#pragma once

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

[[noreturn]] void failDataRow(std::string_view source, int line, std::string_view message);

// The field as a whole number; anything else is an error of the row.
int dataInteger(std::string_view source, const DataRow& row, std::size_t field);

} // namespace wm
