#pragma once

namespace q417 {

// The parts of the machine and of its work table that answer a resting pointer with a hint.
// Each picture element says which part it shows; the hint table (app/qt/hints.cpp) has the
// texts by zone. The ten rotor windows share one part, and so do the bodies and the cores.
enum class HintSpot : unsigned char {
    None,
    // The cabinet, the printer, the counter and the text loader.
    ControlBox,
    ModeWheel,
    RegisterSwitch,
    LanguageLever,
    ModuleSwitch,
    PaperTape,
    PunchedTape,
    Counter,
    CounterLever,
    TextLoader,
    StartKey,
    StopKey,
    Keyboard,
    SpaceBar,
    // The rotor stack.
    RotorWindow,
    Reflector,
    EntryPlate,
    Cover,
    Stack,
    // The work table and the key card.
    Body,
    Core,
    FaceView,
    KeyTable,
    Card,
    // The key box's buttons.
    LoadKeyButton,
    SaveKeyButton,
    CardButton,
    BasePositionButton,
    ClearKeyTableButton,
    RandomKeyButton,
};

}  // namespace q417
