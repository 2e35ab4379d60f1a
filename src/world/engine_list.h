#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace wm {

class ShedTable;

inline constexpr int highestDuty = 930;

// One engine of the engine list. Its running number is drawn at build from four candidates, or, for a
// drawn row, as a three-character prefix and the two digits of base + rand(range).
struct EngineRow {
    int line = 0; // in the data file, for messages
    int duty = 0;
    std::string className;
    int classIndex = 0;
    bool drawn = false;
    std::array<std::string, 4> candidates; // five digits each
    std::string prefix;                    // drawn rows
    int base = 0;
    int range = 0;
    std::string shed;
};

using EngineList = std::vector<EngineRow>;

// Reads an engine list in three stages: each row is split into its fields, its class and shed are
// resolved against the class table and the sheds, and the whole list is checked (duties unique within
// 1..930, numbers well formed, every engine able to find a number of its own). A fault is a DataFileError
// naming the file and line.
EngineList parseEngineList(std::string_view text, std::string_view source, const ShedTable& sheds);

// The engine list of the data folder ("engines.txt"), read on first use.
const EngineList& loadedEngineList();

} // namespace wm
