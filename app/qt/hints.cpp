#include "app/qt/hints.h"

#include <QCoreApplication>
#include <cmath>

namespace q417 {

namespace {

enum class When : unsigned char { Always, Closed, Open };

// A zone is a rectangle (left, top, right and bottom, the last two exclusive; all 0 for the
// whole element), or on the round face view a ring between two distances from its centre.
enum class Shape : unsigned char { Rect, Ring };

using S = HintSpot;

struct Hint {
    HintSpot spot;
    Shape shape;
    int a, b, c, d;
    When when;
    const char* text;
};

constexpr Shape R = Shape::Rect;
constexpr Shape O = Shape::Ring;
constexpr When Any = When::Always, Closed = When::Closed, Open = When::Open;

// In each part the first zone that holds the pointer gives the hint.
constexpr Hint kHints[] = {
    // The control box and the levers.
    {S::ControlBox, R, 40, 59, 57, 76, Any,
     QT_TRANSLATE_NOOP("Hints", "Signal path: where the current ran at the last key press (F2).")},
    {S::ControlBox, R, 0, 0, 59, 29, Any, QT_TRANSLATE_NOOP("Hints", "Close the program and keep the settings.")},
    {S::ControlBox, R, 0, 29, 59, 52, Any,
     QT_TRANSLATE_NOOP("Hints", "Settings: model, rotor series, keyboard, sound, module.")},
    {S::ControlBox, R, 0, 52, 59, 81, Any, QT_TRANSLATE_NOOP("Hints", "Text panel: load, save and clear the texts.")},
    {S::ModeWheel, R, 31, 76, 45, 202, Any,
     QT_TRANSLATE_NOOP("Hints", "Work lever: plain typing (ОТ), encipher (ЗШ), decipher (РШ). Click to move it.")},
    {S::ModeWheel, R, 71, 96, 82, 130, Any,
     QT_TRANSLATE_NOOP("Hints", "Printing lever: print only (down), or print and punch the tape (up).")},
    {S::ModeWheel, R, 0, 0, 0, 0, Any, QT_TRANSLATE_NOOP("Hints", "Mode wheel: click its levers.")},
    {S::RegisterSwitch, R, 0, 0, 0, 0, Any,
     QT_TRANSLATE_NOOP("Hints", "Register switch: letters, mixed or figures (Q417-3MN, Q417-3MR). Encipher in letters.")},
    {S::LanguageLever, R, 0, 0, 0, 0, Any, QT_TRANSLATE_NOOP("Hints", "Language lever: Latin or Russian print (Q-417M).")},
    {S::ModuleSwitch, R, 0, 0, 0, 0, Any,
     QT_TRANSLATE_NOOP("Hints", "Module switch: the ten-key figures or the thirty-letter alphabet. Point at it, then "
          "click its middle.")},
    // Printer, counter and text.
    {S::PaperTape, R, 0, 0, 0, 0, Any,
     QT_TRANSLATE_NOOP("Hints", "Paper tape: what the machine printed. A click feeds a blank; "
                                "the right button saves the tape as a picture.")},
    {S::PunchedTape, R, 0, 0, 0, 0, Any,
     QT_TRANSLATE_NOOP("Hints", "Punched tape: every printed character in five tracks, while "
                                "the printing lever is up. The right button saves it as a "
                                "picture.")},
    {S::Counter, R, 0, 0, 0, 0, Any,
     QT_TRANSLATE_NOOP("Hints", "Counter: the groups of five characters, and the characters of the group begun.")},
    {S::CounterLever, R, 0, 0, 0, 0, Any, QT_TRANSLATE_NOOP("Hints", "Counter lever: sets the counter back to zero.")},
    {S::TextLoader, R, 143, 17, 170, 35, Any, QT_TRANSLATE_NOOP("Hints", "Load a text for the start key to type.")},
    {S::TextLoader, R, 6, 51, 65, 64, Any,
     QT_TRANSLATE_NOOP("Hints", "Step the highlight one character on (left half) or back (right half), without typing.")},
    {S::TextLoader, R, 0, 0, 0, 0, Any, QT_TRANSLATE_NOOP("Hints", "Text loader: the name of the loaded text.")},
    {S::StartKey, R, 0, 0, 0, 0, Any,
     QT_TRANSLATE_NOOP("Hints", "Start: the machine types the loaded text, up to an asterisk or the end.")},
    {S::StopKey, R, 0, 0, 0, 0, Any, QT_TRANSLATE_NOOP("Hints", "Stop the run.")},
    // Keys.
    {S::Keyboard, R, 0, 0, 46, 46, Any,
     QT_TRANSLATE_NOOP("Hints", "The key Й is refused while enciphering: the space is enciphered on its contact.")},
    {S::Keyboard, R, 0, 0, 0, 0, Any,
     QT_TRANSLATE_NOOP("Hints", "Keys: click them or type on your keyboard, at the same places. The blue keys are the "
          "ten-key alphabet's figures.")},
    {S::SpaceBar, R, 0, 0, 0, 0, Any,
     QT_TRANSLATE_NOOP("Hints", "Space bar: refused while deciphering and with the ten-key alphabet.")},
    // The rotor stack, closed.
    {S::RotorWindow, R, 0, 0, 33, 65, Closed,
     QT_TRANSLATE_NOOP("Hints", "Turn this rotor one letter back (the mouse wheel turns it too).")},
    {S::RotorWindow, R, 0, 65, 33, 94, Closed,
     QT_TRANSLATE_NOOP("Hints", "Rotor window: the letter at the arrow is the rotor's position. Click to open the "
          "machine.")},
    {S::RotorWindow, R, 0, 94, 33, 191, Closed,
     QT_TRANSLATE_NOOP("Hints", "Turn this rotor one letter on (the mouse wheel turns it too).")},
    {S::Reflector, R, 0, 76, 78, 93, Closed,
     QT_TRANSLATE_NOOP("Hints", "Reflector: turns the current back through the rotors. Click its window to open the "
          "machine.")},
    {S::Reflector, R, 0, 0, 0, 0, Closed, QT_TRANSLATE_NOOP("Hints", "Reflector: turns the current back through the rotors.")},
    {S::EntryPlate, R, 0, 76, 78, 93, Closed,
     QT_TRANSLATE_NOOP("Hints", "Entry plate: joins the key card to the rotors. Click its window to open the machine.")},
    {S::EntryPlate, R, 0, 0, 0, 0, Closed, QT_TRANSLATE_NOOP("Hints", "Entry plate: joins the key card to the rotors.")},
    {S::Cover, R, 0, 66, 66, 93, Closed,
     QT_TRANSLATE_NOOP("Hints", "Cover of the two empty places of the Q417-3MR. Click its window to open the machine.")},
    // The open machine: the stack.
    {S::RotorWindow, R, 0, 0, 33, 35, Open, QT_TRANSLATE_NOOP("Hints", "Close the machine (the key table must be complete).")},
    {S::RotorWindow, R, 0, 35, 33, 191, Open, QT_TRANSLATE_NOOP("Hints", "Take the rightmost rotor out of the stack.")},
    {S::Reflector, R, 0, 0, 78, 20, Open, QT_TRANSLATE_NOOP("Hints", "Close the machine (the key table must be complete).")},
    {S::EntryPlate, R, 0, 0, 78, 20, Open, QT_TRANSLATE_NOOP("Hints", "Close the machine (the key table must be complete).")},
    {S::Cover, R, 0, 0, 66, 35, Open, QT_TRANSLATE_NOOP("Hints", "Close the machine.")},
    {S::Stack, R, 0, 0, 0, 0, Open,
     QT_TRANSLATE_NOOP("Hints", "Stack: click an empty place to put the rotor built on the face view in.")},
    // The work table.
    {S::Body, R, 0, 0, 0, 0, Open,
     QT_TRANSLATE_NOOP("Hints", "Rotor body with its stepping pins: click to take it and build a rotor on it.")},
    {S::Core, R, 0, 0, 0, 0, Open,
     QT_TRANSLATE_NOOP("Hints", "Wiring core: click to put it into the body on the face view.")},
    {S::FaceView, O, 0, 25, 0, 0, Open, QT_TRANSLATE_NOOP("Hints", "Centre: give this rotor up; its body and core go back.")},
    {S::FaceView, O, 26, 54, 0, 0, Open, QT_TRANSLATE_NOOP("Hints", "Core: click to turn it over (side 1 or 2).")},
    {S::FaceView, O, 55, 68, 0, 0, Open,
     QT_TRANSLATE_NOOP("Hints", "Core setting: click the right half to lower it, the left half to raise it.")},
    {S::FaceView, O, 71, 95, 0, 0, Open,
     QT_TRANSLATE_NOOP("Hints", "Ring setting: click the right half to lower it, the left half to raise it.")},
    {S::FaceView, R, 0, 0, 0, 0, Open, QT_TRANSLATE_NOOP("Hints", "Face view of the rotor being built.")},
    {S::KeyTable, R, 0, 0, 225, 27, Open,
     QT_TRANSLATE_NOOP("Hints", "Row 1, body: which body (А to К) stands in each slot, slot 1 on the left.")},
    {S::KeyTable, R, 0, 27, 225, 52, Open,
     QT_TRANSLATE_NOOP("Hints", "Row 2, ring setting: where the alphabet ring is set on the body (А to Й).")},
    {S::KeyTable, R, 0, 52, 225, 77, Open,
     QT_TRANSLATE_NOOP("Hints", "Row 3, core: which wiring core (А to К) is in the body.")},
    {S::KeyTable, R, 0, 77, 225, 102, Open,
     QT_TRANSLATE_NOOP("Hints", "Row 4, side: 1 for the core put in normally, 2 for turned over.")},
    {S::KeyTable, R, 0, 102, 225, 130, Open,
     QT_TRANSLATE_NOOP("Hints", "Row 5, core setting: where the core is set in the body (А to Й).")},
    {S::Card, R, 0, 0, 0, 0, Any,
     QT_TRANSLATE_NOOP("Hints", "Key card: a hole joins a row to a column. Punch one hole in every row and every "
          "column.")},
    // The key box's buttons.
    {S::LoadKeyButton, R, 0, 0, 0, 0, Any,
     QT_TRANSLATE_NOOP("Hints", "Load a key file: card and key table. Each rotor is put at its body number.")},
    {S::SaveKeyButton, R, 0, 0, 0, 0, Any,
     QT_TRANSLATE_NOOP("Hints", "Save the card and the key table in a key file. The rotors' positions are not saved.")},
    {S::CardButton, R, 0, 0, 0, 0, Any, QT_TRANSLATE_NOOP("Hints", "Open the punch card.")},
    {S::BasePositionButton, R, 0, 0, 0, 0, Any,
     QT_TRANSLATE_NOOP("Hints", "Set the basic key: slot 1 body and core А, slot 2 Б and so on, every setting А.")},
    {S::ClearKeyTableButton, R, 0, 0, 0, 0, Any,
     QT_TRANSLATE_NOOP("Hints", "Take every rotor out and clear the key table.")},
    {S::RandomKeyButton, R, 0, 0, 0, 0, Any,
     QT_TRANSLATE_NOOP("Hints", "Make a random key table and card. Each rotor is put at its body number.")},
};

bool Holds(const Hint& h, int x, int y) {
    if (h.shape == Shape::Ring) {
        const int d = int(std::lround(std::hypot(x - 95.0, y - 95.0)));
        return d >= h.a && d <= h.b;
    }
    if (h.a == 0 && h.b == 0 && h.c == 0 && h.d == 0) return true;
    return x >= h.a && x < h.c && y >= h.b && y < h.d;
}

}  // namespace

QString HintAt(HintSpot spot, int x, int y, bool machine_closed) {
    for (const Hint& h : kHints) {
        if (h.spot != spot) continue;
        if (h.when == When::Closed && !machine_closed) continue;
        if (h.when == When::Open && machine_closed) continue;
        if (Holds(h, x, y)) return QCoreApplication::translate("Hints", h.text);
    }
    return {};
}

QString ButtonHint(HintSpot button) {
    return HintAt(button, 0, 0, true);
}

}  // namespace q417
