#include "world/sheds.h"

#include "world/data_file.h"

#include <cctype>

namespace wm {

namespace {
constexpr int highestDistrict = 99;

constexpr std::string_view localShedCode = " SH";
constexpr std::string_view localRole = "local";
constexpr std::string_view facesLowRole = "faces-low";
constexpr std::string_view plainRole = "-";
constexpr int localDistrictShedCount = 3; // the local shed and two others

// The code a district's sheds start with: the number right-aligned in two characters.
std::string districtStem(int district) {
    std::string stem = std::to_string(district);
    return stem.size() < 2 ? " " + stem : stem;
}

bool codeFitsDistrict(std::string_view code, int district) {
    return code.size() == 3 && code.substr(0, 2) == districtStem(district) &&
           std::isupper(static_cast<unsigned char>(code[2]));
}

} // namespace

ShedTable ShedTable::parse(std::string_view shedsText, std::string_view shedsSource,
                           std::string_view districtsText, std::string_view districtsSource) {
    ShedTable table;

    // Districts and their neighbours.
    std::map<int, int> districtLine;
    for (const DataRow& row : splitDataTable(districtsText, districtsSource)) {
        const int district = dataNumber(districtsSource, row, 0, "district", 1, highestDistrict);
        if (!districtLine.emplace(district, row.line).second)
            failDataRow(districtsSource, row.line, "district " + std::to_string(district) + " listed twice");
        std::set<int>& next = table.neighbours_[district];
        for (std::size_t field = 1; field < row.fields.size(); ++field) {
            const int neighbour = dataNumber(districtsSource, row, field, "neighbour", 1, highestDistrict);
            if (neighbour == district)
                failDataRow(districtsSource, row.line, "a district is not its own neighbour");
            next.insert(neighbour);
        }
    }
    for (const auto& [district, next] : table.neighbours_)
        for (int neighbour : next) {
            const auto other = table.neighbours_.find(neighbour);
            if (other == table.neighbours_.end())
                failDataRow(districtsSource, districtLine[district],
                            "neighbour " + std::to_string(neighbour) + " is no district");
            if (!other->second.contains(district))
                failDataRow(districtsSource, districtLine[neighbour],
                            "district " + std::to_string(district) + " is missing among the neighbours");
        }

    // Sheds.
    int lastLine = 0;
    for (const DataRow& row : splitDataTable(shedsText, shedsSource)) {
        lastLine = row.line;
        if (row.fields.size() != 3) failDataRow(shedsSource, row.line, "a shed row is: code, district, role");
        Shed shed{row.fields[0], dataNumber(shedsSource, row, 1, "district", 1, highestDistrict)};
        const std::string& role = row.fields[2];
        if (shed.code.size() != 3) failDataRow(shedsSource, row.line, "a shed code has three characters");
        if (table.districtOf(shed.code) != 0)
            failDataRow(shedsSource, row.line, "shed " + quoted(shed.code) + " listed twice");
        if (!table.neighbours_.contains(shed.district))
            failDataRow(shedsSource, row.line,
                        "district " + std::to_string(shed.district) + " is not in " +
                            std::string(districtsSource));
        if (role == localRole) {
            if (shed.code != localShedCode || !table.localShed_.empty())
                failDataRow(shedsSource, row.line, "the one local shed is \" SH\"");
            table.localShed_ = shed.code;
            table.localDistrict_ = shed.district;
        } else {
            if (!codeFitsDistrict(shed.code, shed.district))
                failDataRow(shedsSource, row.line,
                            "code " + quoted(shed.code) + " is not its district's number and a letter");
            if (role == facesLowRole) {
                if (!table.facingException_.empty())
                    failDataRow(shedsSource, row.line, "only one shed is \"faces-low\"");
                table.facingException_ = shed.code;
            } else if (role != plainRole) {
                failDataRow(shedsSource, row.line,
                            "role " + quoted(role) + " is none of local, faces-low, -");
            }
        }
        table.sheds_.push_back(std::move(shed));
    }

    if (table.localShed_.empty()) failDataRow(shedsSource, lastLine, "no shed is the local shed");
    int localDistrictSheds = 0;
    for (const Shed& shed : table.sheds_)
        if (shed.district == table.localDistrict_) ++localDistrictSheds;
    if (localDistrictSheds != localDistrictShedCount)
        failDataRow(shedsSource, lastLine, "the local district has the local shed and two others");
    // The local shed's own facing is drawn; sorting below the threshold would fix it at 0.
    if (table.localShed_ < table.facingThreshold())
        failDataRow(shedsSource, lastLine, "the local shed sorts below the first code of its district");
    return table;
}

int ShedTable::districtOf(std::string_view code) const {
    for (const Shed& shed : sheds_)
        if (shed.code == code) return shed.district;
    return 0;
}

bool ShedTable::isLocalDistrictOtherShed(std::string_view code) const {
    return code != localShed_ && districtOf(code) == localDistrict_ && localDistrict_ != 0;
}

int ShedTable::districtRelation(std::string_view a, std::string_view b) const {
    const int first = districtOf(a);
    const int second = districtOf(b);
    if (first == 0 || second == 0) return 0;
    if (first == second) return 2;
    const auto next = neighbours_.find(first);
    return next != neighbours_.end() && next->second.contains(second) ? 1 : 0;
}

std::string ShedTable::facingThreshold() const {
    return districtStem(localDistrict_) + "A";
}

int ShedTable::initialFacing(std::string_view code, const std::function<int(int)>& rand) const {
    if (code < std::string_view(facingThreshold())) return 0;
    if (code == facingException_) return 0;
    if (code == localShed_) return rand(2);
    return 1;
}

const ShedTable& loadedShedTable() {
    static DataTableCache<ShedTable> table;
    return table.get({"sheds.txt", "districts.txt"}, [](const std::vector<std::string>& texts) {
        return ShedTable::parse(texts[0], dataFilePath("sheds.txt"), texts[1], dataFilePath("districts.txt"));
    });
}

} // namespace wm
