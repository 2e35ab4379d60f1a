#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace wm {

// The engine sheds and their motive-power districts, read from the data folder. Home-shed codes are a
// district number right-aligned in two characters and a letter (" 8B", "12A"); the local shed is " SH".
class ShedTable {
  public:
    struct Shed {
        std::string code; // three characters
        int district = 0;
    };

    // Reads the two tables (sheds: code, district, role; districts: district, neighbours) and checks them.
    // A fault is a DataFileError naming the file and line.
    static ShedTable parse(std::string_view shedsText, std::string_view shedsSource,
                           std::string_view districtsText, std::string_view districtsSource);

    const std::vector<Shed>& sheds() const { return sheds_; }
    const std::string& localShed() const { return localShed_; }

    bool isKnown(std::string_view code) const { return districtOf(code) != 0; }

    // District of a shed; 0 for a code that is no shed.
    int districtOf(std::string_view code) const;

    // One of the two sheds of the local district other than the local shed.
    bool isLocalDistrictOtherShed(std::string_view code) const;

    // 2 when the sheds are in the same district, 1 when their districts are neighbours, else 0 (also for a
    // code that is no shed).
    int districtRelation(std::string_view a, std::string_view b) const;

    // The first code of the local district: home-shed codes that sort below it face 0 at the start.
    std::string facingThreshold() const;

    // Which way a new engine of the shed faces: 0 below the threshold or for the one exception shed, a
    // draw of rand(2) for the local shed, else 1.
    int initialFacing(std::string_view code, const std::function<int(int)>& rand) const;

  private:
    std::vector<Shed> sheds_;
    std::map<int, std::set<int>> neighbours_;
    std::string localShed_;
    std::string facingException_;
    int localDistrict_ = 0;
};

// The shed table of the data folder ("sheds.txt" and "districts.txt"), read on first use.
const ShedTable& loadedShedTable();

} // namespace wm
