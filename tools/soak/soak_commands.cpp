#include "soak/soak_commands.h"

#include <array>
#include <iterator>
#include <map>
#include <string_view>

#include "display/hotspots.h"
#include "movement/reachability.h"
#include "session/game.h"
#include "world/loco_places.h"
#include "world/record_checks.h"

namespace wm {

int SoakView::pick(int n) const {
    return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(random);
}

namespace {

constexpr int layoutScreens = 5;
constexpr int quitItem = 25; // the key menu's quit

struct Cell {
    int screen = -1; // the layout screen whose click region it is
    int column = 0;
    int row = 0;
};

Cell middleOf(const Hotspot& h, int screen) {
    return {screen, (h.left + h.right) / 2, (h.top + h.bottom) / 2};
}

/// Where each place can be clicked, on the screen that shows it.
const std::map<int, Cell>& placeCells() {
    static const std::map<int, Cell> cells = [] {
        std::map<int, Cell> found;
        for (int screen = 0; screen < layoutScreens; ++screen)
            for (const Hotspot& h : BuildHotspots().group(firstScreenGroup + screen))
                if (isPlace(h.code)) found.emplace(h.code, middleOf(h, screen));
        return found;
    }();
    return cells;
}

std::string click(const Cell& cell, bool right = false) {
    return "click " + std::to_string(cell.column) + " " + std::to_string(cell.row) + (right ? " right" : "");
}

/// The key-menu item of a code (a screen 1..5, a board, the report, help, quit, the messages).
const Hotspot* keyMenuItem(int code) {
    for (const Hotspot& h : BuildHotspots().group(keyMenuGroup))
        if (h.code == code) return &h;
    return nullptr;
}

/// Brings the place's screen up first when another is shown.
void showScreenOf(const SoakView& v, int place, SoakLines& lines) {
    const Cell& cell = placeCells().at(place);
    if (cell.screen == v.game.display.currentScreen) return;
    if (const Hotspot* item = keyMenuItem(cell.screen + 1)) lines.push_back(click(middleOf(*item, -1)));
}

/// A dialogue left open by earlier input is closed with a key that types nothing, as a player would.
SoakLines startFresh(const SoakView& v) {
    if (v.inCommandWait) return {};
    return {"key LEFT"};
}

bool nameable(const GameState& s, int place) {
    const std::string_view code = s.locations[place].code.view();
    return isPlace(place) && code != "aaa" && !code.empty();
}

std::string typedCode(const GameState& s, int place) {
    std::string code(s.locations[place].code.view());
    while (!code.empty() && code.back() == ' ') code.pop_back();
    return code;
}

/// One of the places, chosen evenly.
int anyOf(const SoakView& v, const std::vector<int>& places) {
    return places.empty() ? 0 : places[static_cast<std::size_t>(v.pick(static_cast<int>(places.size())))];
}

/// A place to move from: mostly one where an engine stands, so the order can be carried out, or a train
/// waiting to be signalled in; now and then one with stock alone, or any place at all.
int chooseFrom(const SoakView& v) {
    const GameState& s = v.game.state;
    std::vector<int> engines, others, all;
    for (const auto& [place, cell] : placeCells()) {
        const Location& l = s.locations[place];
        all.push_back(place);
        if (!enginesAt(l).empty())
            engines.push_back(place);
        else if (l.occState != occEmpty)
            others.push_back(place);
    }
    const int roll = v.pick(100);
    if (roll < 80 && !engines.empty()) return anyOf(v, engines);
    if (roll < 92 && !others.empty()) return anyOf(v, others);
    return anyOf(v, all);
}

std::vector<int> reachableFrom(int from) {
    std::vector<int> to;
    for (int place = 1; place <= Reachability::maxId; ++place)
        if (canReach(from, place) && placeCells().count(place)) to.push_back(place);
    return to;
}

/// Yes or No for the questions the order may raise; what is left unasked is dropped.
void answerQuestions(const SoakView& v, SoakLines& lines) {
    for (int n = v.pick(3); n > 0; --n) lines.push_back(v.chance(70) ? "answer yes" : "answer no");
}

/// A move named by clicks where both ends share a screen, else typed; false when neither can name it.
bool orderMove(const SoakView& v, int from, int to, SoakLines& lines) {
    const GameState& s = v.game.state;
    const bool sameScreen = placeCells().at(from).screen == placeCells().at(to).screen;
    const bool typable = nameable(s, from) && nameable(s, to);
    if (!sameScreen && !typable) return false;
    if (sameScreen && (!typable || v.chance(60))) {
        showScreenOf(v, from, lines);
        answerQuestions(v, lines);
        lines.push_back(click(placeCells().at(from)));
        lines.push_back(click(placeCells().at(to)));
    } else {
        // The two input boxes come before any question, and each takes only the answer at the front.
        lines.push_back("answer text:" + typedCode(s, from));
        lines.push_back("answer text:" + typedCode(s, to));
        answerQuestions(v, lines);
        lines.push_back("key SPACE");
    }
    return true;
}

SoakLines ticks(const SoakView& v) {
    const int roll = v.pick(100);
    const int n = roll < 70 ? 1 + v.pick(12) : roll < 95 ? 12 + v.pick(60) : 60 + v.pick(240);
    return SoakLines(static_cast<std::size_t>(n), "ticks 1");
}

SoakLines reachableMove(const SoakView& v) {
    SoakLines lines = startFresh(v);
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int from = chooseFrom(v);
        const std::vector<int> to = reachableFrom(from);
        if (to.empty()) continue;
        // Mostly somewhere with room, where the move has a chance.
        std::vector<int> free;
        for (int place : to) {
            const Location& l = v.game.state.locations[place];
            if (l.busyTicks == 0 && l.occState == occEmpty && enginesAt(l).empty()) free.push_back(place);
        }
        if (orderMove(v, from, !free.empty() && v.chance(60) ? anyOf(v, free) : anyOf(v, to), lines))
            return lines;
    }
    return lines;
}

/// A move from one of the places to a reachable place that `fits`; nothing when there is none.
template <typename Fits>
SoakLines purposefulMove(const SoakView& v, const std::vector<int>& from, Fits fits) {
    SoakLines lines = startFresh(v);
    for (int attempt = 0; attempt < 4 && !from.empty(); ++attempt) {
        const int start = anyOf(v, from);
        std::vector<int> to;
        for (int place : reachableFrom(start))
            if (fits(start, v.game.state.locations[place])) to.push_back(place);
        if (!to.empty() && orderMove(v, start, anyOf(v, to), lines)) return lines;
    }
    return reachableMove(v);
}

/// A train waiting at its line's entry is signalled in to a free road of the group that receives it.
SoakLines signalIn(const SoakView& v) {
    const GameState& s = v.game.state;
    std::vector<int> waiting;
    for (const auto& [place, cell] : placeCells())
        if (s.locations[place].kind == kindEntryPoint && s.locations[place].occState == occArrival)
            waiting.push_back(place);
    return purposefulMove(v, waiting, [&s](int from, const Location& to) {
        const int group = s.arrivals[s.locations[from].occupant].group;
        return to.group == group && to.occState == occEmpty && to.busyTicks == 0;
    });
}

/// A departure standing with an engine is sent on its way, mostly towards an exit.
SoakLines sendAway(const SoakView& v) {
    const GameState& s = v.game.state;
    std::vector<int> formed;
    for (const auto& [place, cell] : placeCells()) {
        const Location& l = s.locations[place];
        if ((l.occState == occDeparture || l.occState == occReversingDeparture) && !enginesAt(l).empty())
            formed.push_back(place);
    }
    const bool toExit = v.chance(70);
    return purposefulMove(v, formed,
                          [toExit](int, const Location& to) { return !toExit || to.kind == kindExitPoint; });
}

SoakLines unreachableMove(const SoakView& v) {
    SoakLines lines = startFresh(v);
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int from = chooseFrom(v);
        auto it = placeCells().begin();
        std::advance(it, v.pick(static_cast<int>(placeCells().size())));
        // The same place stands for orders within it: turning, changing ends.
        const int to = v.chance(25) ? from : it->first;
        if (to != from && canReach(from, to)) continue;
        if (orderMove(v, from, to, lines)) return lines;
    }
    return lines;
}

SoakLines placeOrder(const SoakView& v) {
    static constexpr std::array<const char*, 6> items{"Couple1",   "Uncouple1",  "Water1",
                                                      "LocoInfo1", "TrainInfo1", "Allocate1"};
    SoakLines lines = startFresh(v);
    const int place = chooseFrom(v);
    showScreenOf(v, place, lines);
    // Now and then the menu is dismissed.
    if (!v.chance(10))
        lines.push_back(std::string("answer menu:") + items[static_cast<std::size_t>(v.pick(6))]);
    answerQuestions(v, lines);
    lines.push_back(click(placeCells().at(place), true));
    return lines;
}

SoakLines keyMenu(const SoakView& v) {
    const auto& items = BuildHotspots().group(keyMenuGroup);
    if (items.empty()) return {};
    SoakLines lines = startFresh(v);
    const Hotspot& item = items[static_cast<std::size_t>(v.pick(static_cast<int>(items.size())))];
    // The day is played to its end: a quit is always thought better of.
    if (item.code == quitItem) lines.push_back("answer no");
    lines.push_back(click(middleOf(item, -1)));
    return lines;
}

SoakLines key(const SoakView& v) {
    static constexpr std::array<const char*, 26> keys{
        "D",   "A",     "R",    "M",    "Z",    "Q",   "X",    "-",     "+",  "E",    "7",  "SPACE", "SPACE",
        "ESC", "ENTER", "PGUP", "PGDN", "HOME", "END", "LEFT", "RIGHT", "UP", "DOWN", "F1", "F3",    "F12"};
    const std::string name = keys[static_cast<std::size_t>(v.pick(static_cast<int>(keys.size())))];
    SoakLines lines;
    if (name == "Q") lines.push_back("answer no");
    if (name == "SPACE") {
        // A typed order: a code of the layout, a code no place has, or nothing.
        const GameState& s = v.game.state;
        for (int n = 0; n < 2; ++n) {
            const int place = 1 + v.pick(placeCount);
            if (v.chance(10))
                lines.push_back("answer cancel");
            else if (v.chance(10))
                lines.push_back("answer text:zq");
            else if (nameable(s, place))
                lines.push_back("answer text:" + typedCode(s, place));
        }
    }
    // ReLoad asks for a saved game; there is none to give.
    if (name == "F3") lines.push_back(v.chance(50) ? "answer cancel" : "answer file:/nonexistent/WM58.sav");
    if (name == "F12") lines.push_back("answer cancel");
    lines.push_back("key " + name);
    return lines;
}

SoakLines options(const SoakView& v) {
    const auto bit = [&](int percent) { return v.chance(percent) ? "1" : "0"; };
    // The score log is left off: it would be written where the soak was started.
    return {std::string("answer options:clock=") + bit(90) + ",log=0,sound=" + bit(50) + ",wait=" + bit(20) +
                ",hide=" + bit(20) +
                ",font=" + std::to_string(v.chance(80) ? 12 + v.pick(9) : 6 + v.pick(21)),
            "menu Options1"};
}

SoakLines menuItem(const SoakView& v) {
    static constexpr std::array<const char*, 13> items{"Pause1", "About1",   "Context", "Intro1",  "Topics1",
                                                       "Locos1", "Bonuses1", "Save1",   "SaveAs1", "Restart1",
                                                       "Quit1",  "Button1",  "Button2"};
    const std::string item = items[static_cast<std::size_t>(v.pick(static_cast<int>(items.size())))];
    SoakLines lines;
    if (item == "Quit1") lines.push_back("answer no");
    if (item == "SaveAs1" || item == "Restart1") lines.push_back("answer cancel");
    lines.push_back("menu " + item);
    return lines;
}

/// The position saved under a name of the soak's own and reloaded at once: play goes on from the file.
SoakLines saveAndReload(const SoakView& v) {
    const std::string file = "file:" + v.game.text.workingFolder + "WM58-soak.sav";
    return {"answer " + file, "menu SaveAs1", "answer " + file, "menu Restart1"};
}

SoakLines misclick(const SoakView& v) {
    // Wherever the mouse lands, a quit it may ask about is refused.
    return {"answer no", "click " + std::to_string(1 + v.pick(100)) + " " + std::to_string(1 + v.pick(32)) +
                             (v.chance(30) ? " right" : "")};
}

SoakLines windowEvent(const SoakView& v) {
    if (v.chance(50)) return {"reactivate"};
    return {"answer no", "close"};
}

} // namespace

const std::vector<SoakCommandKind>& soakCommandKinds() {
    static const std::vector<SoakCommandKind> kinds{
        {"ticks", 15, ticks},
        {"reachable-move", 26, reachableMove},
        {"signal-in", 8, signalIn},
        {"send-away", 6, sendAway},
        {"unreachable-move", 6, unreachableMove},
        {"place-order", 12, placeOrder},
        {"key-menu", 5, keyMenu},
        {"key", 6, key},
        {"options", 1, options},
        {"menu", 2, menuItem},
        {"save-reload", 1, saveAndReload},
        {"misclick", 3, misclick},
        {"window", 1, windowEvent},
    };
    return kinds;
}

const SoakCommandKind& chooseSoakCommand(const SoakView& v) {
    const auto& kinds = soakCommandKinds();
    int total = 0;
    for (const auto& k : kinds) total += k.weight;
    int roll = v.pick(total);
    for (const auto& k : kinds) {
        if (roll < k.weight) return k;
        roll -= k.weight;
    }
    return kinds.front();
}

} // namespace wm
