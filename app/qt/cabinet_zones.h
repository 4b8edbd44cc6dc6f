#pragma once
#include <array>

#include "app/qt/click_zones.h"
#include "io/levers.h"

// The click zones of the pictures on the machine's cabinet, one table per picture, in the
// picture's own pixels. A view maps a click through its picture's table and calls the
// session's verb for the term it finds.
namespace q417::cabinet_zones {

// The control box (59 x 81): close, settings and texts in the box, the signal-path button
// beside it.
enum class ControlButton { None = 0, Close = 1, Settings = 2, Texts = 3, SignalPath = 4 };
inline constexpr std::array<ClickZone<ControlButton>, 4> kControlBox = {{
    {{40, 59, 56, 75}, ControlButton::SignalPath},
    {{16, 11, 29, 24}, ControlButton::Close},
    {{16, 31, 29, 44}, ControlButton::Settings},
    {{16, 56, 29, 74}, ControlButton::Texts},
}};

// The mode wheel (91 x 202): the work lever's handle reaches down past the wheel's foot.
inline constexpr std::array<ClickZone<ModeLever>, 2> kModeWheel = {{
    {{31, 76, 44, kOpen}, ModeLever::Work},
    {{71, 96, 81, 129}, ModeLever::PrintingMethod},
}};

// The register switch (84 x 23): three positions across its whole height.
inline constexpr std::array<ClickZone<RegisterSwitch>, 3> kRegisterSwitch = {{
    {{-kOpen, -kOpen, 24, kOpen}, RegisterSwitch::Letters},
    {{26, -kOpen, 49, kOpen}, RegisterSwitch::Mixed},
    {{61, -kOpen, kOpen, kOpen}, RegisterSwitch::Figures},
}};

// The language lever (22 x 97): its upper and lower slots.
inline constexpr std::array<ClickZone<LanguageLever>, 2> kLanguageLever = {{
    {{3, 26, 15, 52}, LanguageLever::Latin},
    {{3, 57, 15, 83}, LanguageLever::Russian},
}};

// The module switch (37 x 191): its lever shows while the pointer is inside `leverShown`,
// and a release on the lever's band while it shows turns it.
struct ModuleSwitchZones {
    PixelArea leverShown;
    PixelArea leverTurns;
};
inline constexpr ModuleSwitchZones kModuleSwitch = {{11, 20, 26, 170}, {-kOpen, 71, kOpen, 119}};

// The rotor stack: what a click on a rotor window, the reflector, the entry plate or the
// eight-rotor model's cover does, on the closed machine and on the opened one. Each picture
// answers in horizontal bands across its whole width.
enum class StackAction { OpenMachine, CloseMachine, TurnBack, TurnOn, TakeOutRotor };

template <std::size_t Closed, std::size_t Opened>
struct StackZones {
    std::array<ClickZone<StackAction>, Closed> closed;
    std::array<ClickZone<StackAction>, Opened> opened;
};

constexpr PixelArea Band(int top, int bottom) {
    return {-kOpen, top, kOpen, bottom};
}

// A rotor window (33 x 191): above the window the rotor turns back, below it on, in it the
// machine opens; on the opened machine the top edge closes it, the rest takes a rotor out.
inline constexpr StackZones<3, 2> kRotorWindow = {
    {{{Band(-kOpen, 64), StackAction::TurnBack},
      {Band(65, 93), StackAction::OpenMachine},
      {Band(94, kOpen), StackAction::TurnOn}}},
    {{{Band(-kOpen, 34), StackAction::CloseMachine},
      {Band(35, kOpen), StackAction::TakeOutRotor}}},
};

// The reflector and the entry plate (78 x 191): their window band opens the closed machine,
// the top edge closes the opened one.
inline constexpr StackZones<1, 1> kPlate = {
    {{{Band(76, 92), StackAction::OpenMachine}}},
    {{{Band(-kOpen, 19), StackAction::CloseMachine}}},
};

// The cover of the eight-rotor model (66 x 191).
inline constexpr StackZones<1, 1> kCover = {
    {{{Band(66, 92), StackAction::OpenMachine}}},
    {{{Band(-kOpen, 34), StackAction::CloseMachine}}},
};

template <std::size_t Closed, std::size_t Opened>
constexpr std::optional<StackAction> StackActionAt(const StackZones<Closed, Opened>& zones,
                                                   bool machineClosed, int x, int y) {
    return machineClosed ? ZoneAt(zones.closed, x, y) : ZoneAt(zones.opened, x, y);
}

}  // namespace q417::cabinet_zones
