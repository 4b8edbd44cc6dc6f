#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "app/qt/cabinet_zones.h"
#include "io/qt/keyboard_zones.h"
#include "io/qt/loader_zones.h"
#include "key/qt/card_zones.h"
#include "key/qt/face_zones.h"

// Every click zone of every picture, checked pixel by pixel (and well beyond the picture's
// edges, where a release can land) against the hit tests the pictures answered with before
// their zones became tables. The reference functions below are those hit tests, kept as
// they were written.
namespace q417 {
namespace {

namespace cz = cabinet_zones;
using Zone = WorkTable::FaceZone;
using Turn = WorkTable::DialTurn;

std::vector<int> Coordinates(int size) {
    std::vector<int> v{-100000, 100000};
    for (int i = -40; i < size + 40; ++i) v.push_back(i);
    return v;
}

// Walks a picture of `width` x `height` and reports the first few points where the table's
// answer differs from the reference's.
void Walk(const char* picture, int width, int height,
          const std::function<std::string(int, int)>& reference,
          const std::function<std::string(int, int)>& table) {
    int faults = 0;
    for (int x : Coordinates(width))
        for (int y : Coordinates(height)) {
            const std::string want = reference(x, y), got = table(x, y);
            if (want != got && ++faults <= 5)
                ADD_FAILURE() << picture << " at " << x << "," << y << ": " << got << ", was "
                              << want;
        }
    EXPECT_EQ(faults, 0) << picture;
}

template <class T>
std::string Name(const std::optional<T>& term) {
    return term ? std::to_string(static_cast<int>(*term)) : "none";
}

std::string OldKey(int x, int y) {
    int row = 0;
    for (int i = 1; i <= 3 && row == 0; ++i)
        if ((i - 1) * 46 + 3 < y && y < (i - 1) * 46 + 43) row = i;
    if (row == 0) return "none";
    int col = 0;
    for (int j = 1; j <= 11 && col == 0; ++j) {
        const int left = (row - 1) * 26 + (j - 1) * 46 + 3;
        if (left < x && x < left + 35) col = j;
    }
    if (col == 0) return "none";
    return std::to_string(row) + "," + std::to_string(col);
}

std::string OldLevers(int x, int y) {
    std::string moved;
    if (y > 75 && x > 30 && x < 45) moved += "work ";
    if (y > 95 && y < 130 && x > 70 && x < 82) moved += "print ";
    return moved;
}

std::optional<RegisterSwitch> OldRegister(int x) {
    if (x < 25) return RegisterSwitch::Letters;
    if (x > 25 && x < 50) return RegisterSwitch::Mixed;
    if (x > 60) return RegisterSwitch::Figures;
    return std::nullopt;
}

std::optional<LanguageLever> OldLanguage(int x, int y) {
    if (x < 3 || x > 15) return std::nullopt;
    if (y >= 26 && y <= 52) return LanguageLever::Latin;
    if (y >= 57 && y <= 83) return LanguageLever::Russian;
    return std::nullopt;
}

int OldControlBox(int x, int y) {
    if (x >= 40 && x <= 56 && y >= 59 && y <= 75) return 4;
    if (x < 16 || x > 29) return 0;
    if (y >= 11 && y <= 24) return 1;
    if (y >= 31 && y <= 44) return 2;
    if (y >= 56 && y <= 74) return 3;
    return 0;
}

std::string OldLoader(int x, int y) {
    const bool button = x > 142 && x < 170 && y > 16 && y < 35;
    const bool rows = y > 50 && y < 64;
    const bool strip = x > 5 && x < 60 && rows;
    const std::string look = !strip ? "plain" : x < 32 ? "left" : "right";
    int step = 0;
    if (rows && x > 5 && x < 32) step = +1;
    if (rows && x > 33 && x < 65) step = -1;
    return std::to_string(button) + look + std::to_string(step);
}

std::string LoaderName(const loader::LoaderSpot& s) {
    const std::string look = s.strip == loader::StripLook::Normal    ? "plain"
                             : s.strip == loader::StripLook::LeftLit ? "left"
                                                                      : "right";
    return std::to_string(s.LoadButton()) + look + std::to_string(s.step);
}

// The face view as it answered, with or without a core in the rotor.
std::string OldFace(int x, int y, bool core) {
    const double dx = x - 95, dy = y - 95;
    const int d = static_cast<int>(std::nearbyint(std::sqrt(dx * dx + dy * dy)));
    const std::string turn = x > 95 ? " down" : " up";
    if (d <= 25) return "centre";
    if (d >= 71 && d <= 95) return "ring" + turn;
    if (!core) return "none";
    if (d >= 55 && d <= 68) return "core" + turn;
    if (d >= 26 && d <= 54) return "over";
    return "none";
}

std::string FaceName(Zone zone, Turn turn, bool core) {
    const std::string t = turn == Turn::Down ? " down" : " up";
    switch (zone) {
        case Zone::Centre:
            return "centre";
        case Zone::Ring:
            return "ring" + t;
        case Zone::CoreSetting:
            return core ? "core" + t : "none";
        case Zone::TurnOver:
            return core ? "over" : "none";
        case Zone::None:
            break;
    }
    return "none";
}

std::string OldRotorWindow(int y, bool closed) {
    if (closed) return y < 65 ? "back" : y > 93 ? "on" : "open";
    return y < 35 ? "close" : "take out";
}

std::string OldPlate(int y, bool closed, int open_top, int close_below) {
    if (closed) return y >= open_top && y <= 92 ? "open" : "none";
    return y < close_below ? "close" : "none";
}

std::string StackName(std::optional<cz::StackAction> action) {
    if (!action) return "none";
    switch (*action) {
        case cz::StackAction::OpenMachine:
            return "open";
        case cz::StackAction::CloseMachine:
            return "close";
        case cz::StackAction::TurnBack:
            return "back";
        case cz::StackAction::TurnOn:
            return "on";
        case cz::StackAction::TakeOutRotor:
            return "take out";
    }
    return "?";
}

TEST(ClickZones, EveryPixelOfEveryPictureAnswersAsBefore) {
    Walk("keyboard", 506, 138, OldKey, [](int x, int y) {
        const auto key = ZoneAt(keyboard_zones::kKeys, x, y);
        return key ? std::to_string(key->row) + "," + std::to_string(key->column) : "none";
    });
    Walk("space bar", 240, 86, [](int, int y) { return std::to_string(y < 43); },
         [](int x, int y) { return std::to_string(keyboard_zones::kSpaceBar.Contains(x, y)); });
    Walk("mode wheel", 91, 202, OldLevers, [](int x, int y) {
        const auto lever = ZoneAt(cz::kModeWheel, x, y);
        return !lever ? "" : *lever == ModeLever::Work ? "work " : "print ";
    });
    Walk("register switch", 84, 23, [](int x, int) { return Name(OldRegister(x)); },
         [](int x, int y) { return Name(ZoneAt(cz::kRegisterSwitch, x, y)); });
    Walk("language lever", 22, 97, [](int x, int y) { return Name(OldLanguage(x, y)); },
         [](int x, int y) { return Name(ZoneAt(cz::kLanguageLever, x, y)); });
    Walk(
        "module switch", 37, 191,
        [](int x, int y) {
            return std::to_string(x >= 11 && x <= 26 && y >= 20 && y <= 170) +
                   std::to_string(y >= 71 && y <= 119);
        },
        [](int x, int y) {
            return std::to_string(cz::kModuleSwitch.leverShown.Contains(x, y)) +
                   std::to_string(cz::kModuleSwitch.leverTurns.Contains(x, y));
        });
    Walk("control box", 59, 81, [](int x, int y) { return std::to_string(OldControlBox(x, y)); },
         [](int x, int y) {
             return std::to_string(static_cast<int>(
                 ZoneAt(cz::kControlBox, x, y).value_or(cz::ControlButton::None)));
         });
    Walk("text loader", 225, 87, OldLoader,
         [](int x, int y) { return LoaderName(loader::LoaderSpotAt(x, y)); });
    for (const bool closed : {true, false}) {
        Walk("rotor window", 33, 191, [&](int, int y) { return OldRotorWindow(y, closed); },
             [&](int x, int y) { return StackName(StackActionAt(cz::kRotorWindow, closed, x, y)); });
        Walk("reflector and entry plate", 78, 191,
             [&](int, int y) { return OldPlate(y, closed, 76, 20); },
             [&](int x, int y) { return StackName(StackActionAt(cz::kPlate, closed, x, y)); });
        Walk("cover", 66, 191, [&](int, int y) { return OldPlate(y, closed, 66, 35); },
             [&](int x, int y) { return StackName(StackActionAt(cz::kCover, closed, x, y)); });
    }
    for (const bool core : {true, false})
        Walk("face view", 190, 190, [&](int x, int y) { return OldFace(x, y, core); },
             [&](int x, int y) {
                 return FaceName(face_zones::FaceZoneAt(x, y), face_zones::FaceTurnAt(x), core);
             });
    Walk(
        "card", 256, 300,
        [](int x, int y) {
            const int column = x / 8, row = y / 8 - 5;
            return std::to_string(row) + "/" + std::to_string(column);
        },
        [](int x, int y) {
            const CardCell cell = card_zones::CardCellAt(x, y);
            return std::to_string(cell.row) + "/" + std::to_string(cell.column);
        });
}

}  // namespace
}  // namespace q417
