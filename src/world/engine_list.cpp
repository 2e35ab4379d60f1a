#include "world/engine_list.h"

#include "world/capacities.h"
#include "world/data_file.h"
#include "world/reference_tables.h"
#include "world/sheds.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace wm {

namespace {

constexpr std::string_view drawKeyword = "draw";
constexpr std::size_t rowFieldCount = 7; // duty, class, four numbers or "draw" prefix base range, shed
constexpr std::size_t numberLength = 5;
constexpr std::size_t prefixLength = 3;

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// Stage 1: fields of one row.
EngineRow splitRow(std::string_view source, const DataRow& row) {
    if (row.fields.size() != rowFieldCount)
        failDataRow(source, row.line,
                    "an engine row is: duty, class, four numbers (or draw prefix base range), shed");
    EngineRow engine;
    engine.line = row.line;
    engine.duty = dataNumber(source, row, 0, "duty", 1, highestDuty);
    engine.className = row.fields[1];
    engine.shed = row.fields[6];
    if (row.fields[2] == drawKeyword) {
        engine.drawn = true;
        engine.prefix = row.fields[3];
        engine.base = dataNumber(source, row, 4, "base", 0, 99);
        engine.range = dataNumber(source, row, 5, "range", 1, 100);
        if (engine.prefix.size() != prefixLength)
            failDataRow(source, row.line, "a prefix has three characters");
        if (engine.base < 0 || engine.range < 1 || engine.base + engine.range > 100)
            failDataRow(source, row.line, "base + range must stay within two digits");
    } else {
        for (std::size_t k = 0; k < engine.candidates.size(); ++k) {
            engine.candidates[k] = row.fields[2 + k];
            if (engine.candidates[k].size() != numberLength || !allDigits(engine.candidates[k]))
                failDataRow(source, row.line, quoted(engine.candidates[k]) + " is not a five-digit number");
        }
    }
    return engine;
}

// Stage 2: the class by name, the shed among the sheds.
void resolveRow(std::string_view source, EngineRow& engine, const ShedTable& sheds) {
    engine.classIndex = -1;
    for (int index = 0; index < locoClassCount; ++index)
        if (locoClass(index).name == engine.className) engine.classIndex = index;
    if (engine.classIndex < 0)
        failDataRow(source, engine.line, "no engine class " + quoted(engine.className));
    if (!sheds.isKnown(engine.shed)) failDataRow(source, engine.line, "no shed " + quoted(engine.shed));
}

// Stage 3: the list as a whole.
void checkList(std::string_view source, const EngineList& engines) {
    if (engines.empty()) failDataRow(source, 0, "no engines");
    if (engines.size() > static_cast<std::size_t>(locoCapacity))
        failDataRow(source, engines.back().line, "more engines than the engine table holds");

    std::set<int> duties;
    std::map<std::string, int> rowsOfNumber; // how many rows offer each candidate
    std::map<std::string, int> drawnRowsOfPrefix;
    for (const EngineRow& engine : engines) {
        if (engine.duty < 1 || engine.duty > highestDuty)
            failDataRow(source, engine.line, "a duty is numbered 1.." + std::to_string(highestDuty));
        if (!duties.insert(engine.duty).second)
            failDataRow(source, engine.line, "duty " + std::to_string(engine.duty) + " listed twice");
        if (engine.drawn) {
            ++drawnRowsOfPrefix[engine.prefix];
            continue;
        }
        const std::set<std::string> own(engine.candidates.begin(), engine.candidates.end());
        for (const std::string& number : own) ++rowsOfNumber[number];
    }

    for (const EngineRow& engine : engines) {
        if (engine.drawn) {
            if (drawnRowsOfPrefix[engine.prefix] > engine.range)
                failDataRow(source, engine.line,
                            "more engines draw from prefix " + quoted(engine.prefix) +
                                " than its range has numbers");
            continue;
        }
        // A number of its own means the engine can always be built without a clash.
        const bool hasOwnNumber =
            std::any_of(engine.candidates.begin(), engine.candidates.end(),
                        [&](const std::string& number) { return rowsOfNumber[number] == 1; });
        if (!hasOwnNumber)
            failDataRow(source, engine.line,
                        "every candidate of duty " + std::to_string(engine.duty) +
                            " is another engine's candidate too");
        for (const EngineRow& drawer : engines) {
            if (!drawer.drawn) continue;
            for (const std::string& number : engine.candidates) {
                if (number.substr(0, prefixLength) != drawer.prefix) continue;
                const int digits = std::stoi(number.substr(prefixLength));
                if (digits >= drawer.base && digits < drawer.base + drawer.range)
                    failDataRow(source, engine.line,
                                "candidate " + number + " lies in the numbers drawn for duty " +
                                    std::to_string(drawer.duty));
            }
        }
    }
}

} // namespace

EngineList parseEngineList(std::string_view text, std::string_view source, const ShedTable& sheds) {
    EngineList engines;
    for (const DataRow& row : splitDataTable(text, source)) engines.push_back(splitRow(source, row));
    for (EngineRow& engine : engines) resolveRow(source, engine, sheds);
    checkList(source, engines);
    return engines;
}

const EngineList& loadedEngineList() {
    static DataTableCache<EngineList> engines;
    return engines.get({"engines.txt", "sheds.txt", "districts.txt"},
                       [](const std::vector<std::string>& texts) {
                           return parseEngineList(texts[0], dataFilePath("engines.txt"), loadedShedTable());
                       });
}

} // namespace wm
