// wendmoor-soak [--seeds N | A-B | LIST] [--level L] [--day D] [--out DIR]: plays whole days with random
// input, one per seed, checking the game's invariants after every command and tick.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "soak/soak_player.h"

namespace {
constexpr const char* Usage =
    "usage: wendmoor-soak [--seeds N | A-B | LIST] [--level 5|10|15|20|25] [--day Weekday|Saturday|Sunday] "
    "[--out DIR]\n";

std::string executableFolder(const char* argv0) {
    std::error_code ignored;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ignored);
    if (path.empty()) path = std::filesystem::absolute(argv0);
    return path.parent_path().string() + "/";
}

/// "N", "A-B" or a comma-separated list of them.
bool parseSeeds(const std::string& text, std::vector<unsigned>& seeds) {
    seeds.clear();
    try {
        std::size_t start = 0;
        while (start <= text.size()) {
            const auto comma = text.find(',', start);
            const std::string item =
                text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
            const auto dash = item.find('-');
            const auto first = static_cast<unsigned>(std::stoul(item.substr(0, dash)));
            const auto last =
                dash == std::string::npos ? first : static_cast<unsigned>(std::stoul(item.substr(dash + 1)));
            if (first > last) return false;
            for (unsigned seed = first; seed <= last; ++seed) seeds.push_back(seed);
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
        return !seeds.empty();
    } catch (const std::exception&) {
        return false;
    }
}
} // namespace

int main(int argc, char** argv) {
    std::vector<unsigned> seeds{1};
    int level = 0, day = -1;
    std::filesystem::path out = ".";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if ((arg == "--seed" || arg == "--seeds") && hasValue) {
            if (!parseSeeds(argv[++i], seeds)) {
                std::cerr << Usage;
                return 2;
            }
        } else if (arg == "--level" && hasValue) {
            level = std::atoi(argv[++i]);
            if (level % 5 != 0 || level < 5 || level > 25) {
                std::cerr << Usage;
                return 2;
            }
        } else if (arg == "--day" && hasValue) {
            const std::string name = argv[++i];
            day = name == "Weekday" ? 0 : name == "Saturday" ? 1 : name == "Sunday" ? 2 : -2;
            if (day == -2) {
                std::cerr << Usage;
                return 2;
            }
        } else if (arg == "--out" && hasValue) {
            out = argv[++i];
        } else {
            std::cerr << Usage;
            return 2;
        }
    }
    long commands = 0, ticks = 0, moves = 0;
    int failed = 0, days = 0;
    for (unsigned seed : seeds) {
        auto player =
            std::make_unique<wm::SoakPlayer>(executableFolder(argv[0]), wm::SoakSetup{seed, level, day});
        const wm::SoakResult result = player->play();
        ++days;
        commands += result.commands;
        ticks += result.tickCommands;
        moves += result.movesStarted;
        std::cout << wm::soakSummary(result) << std::endl;
        if (result.passed()) continue;
        ++failed;
        std::cerr << wm::soakFailureReport(result);
        if (!result.stateDump.empty()) {
            const auto dump = out / ("soak-" + std::to_string(seed) + "-state.json");
            std::ofstream(dump) << result.stateDump;
            std::cerr << "  state dump: " << dump.string() << "\n";
        }
    }
    std::cout << days << " days, " << commands << " commands, " << ticks << " ticks, " << moves
              << " moves started, " << failed << " stopped" << std::endl;
    return failed == 0 ? 0 : 1;
}
