#include <cstdio>
#include <utility>

#include "app/machine_state.h"
#include "io/cp1251.h"
#include "io/feed.h"
#include "io/json.h"

namespace q417 {

namespace {

using json::Value;
using Kind = Value::Kind;

// Takes the fields of a parsed file into a state, stopping at the first field that is
// missing, of the wrong kind or out of range; `error` then names it.
class StateReader {
public:
    std::string error;

    bool Fail(const std::string& message) {
        error = message;
        return false;
    }

    const Value* Member(const Value& object, const std::string& label, const char* name, Kind kind,
                        const char* what) {
        const Value* v = object.Find(name);
        if (!v) return Fail(label + " is missing"), nullptr;
        if (v->kind != kind) return Fail(label + " must be " + what), nullptr;
        return v;
    }

    bool Int(const Value& v, const std::string& label, int32_t lo, int32_t hi, int32_t& out) {
        const std::string range = std::to_string(lo) + ".." + std::to_string(hi);
        if (v.kind != Kind::Number || !v.whole)
            return Fail(label + " must be a whole number in " + range);
        if (v.number < lo || v.number > hi)
            return Fail(label + " is " + std::to_string(v.number) + "; it must lie in " + range);
        out = static_cast<int32_t>(v.number);
        return true;
    }

    bool Int(const Value& object, const std::string& prefix, const char* name, int32_t lo,
             int32_t hi, int32_t& out) {
        const Value* v = object.Find(name);
        if (!v) return Fail(prefix + name + " is missing");
        return Int(*v, prefix + name, lo, hi, out);
    }

    bool Bool(const Value& object, const std::string& prefix, const char* name, bool& out) {
        const Value* v = Member(object, prefix + name, name, Kind::Bool, "true or false");
        if (v) out = v->boolean;
        return v != nullptr;
    }

    // A list of exactly `count` whole numbers in lo..hi, into out[first..].
    template <typename Numbers>
    bool List(const Value& object, const std::string& label, const char* name, std::size_t count,
              int32_t lo, int32_t hi, Numbers& out, std::size_t first) {
        const std::string what = "a list of " + std::to_string(count) + " numbers";
        const Value* v = Member(object, label, name, Kind::Array, what.c_str());
        if (!v) return false;
        if (v->items.size() != count) return Fail(label + " must be " + what);
        for (std::size_t i = 0; i < count; ++i)
            if (!Int(v->items[i], label + " entry " + std::to_string(i + 1), lo, hi,
                     out[first + i]))
                return false;
        return true;
    }

    // UTF-8 as Windows-1251 bytes; U+FFFD stands for the one byte without a character.
    bool Text(const Value& object, const char* name, std::string& out) {
        const Value* v = Member(object, name, name, Kind::String, "a text in double quotes");
        if (!v) return false;
        std::string bytes;
        bytes.reserve(v->text.size());
        for (std::size_t i = 0; i < v->text.size();) {
            char32_t u = 0;
            const std::size_t len = DecodeUtf8(v->text, i, u);
            const int b =
                u == 0xFFFD ? static_cast<unsigned char>(kNoCharacter) : UnicodeToCp1251(u);
            if (len == 0 || b < 0) {
                char code[16];
                std::snprintf(code, sizeof code, "U+%04lX", static_cast<unsigned long>(u));
                return Fail(std::string(name) + " holds the character " + code +
                            ", which Windows-1251 cannot hold");
            }
            bytes.push_back(static_cast<char>(b));
            i += len;
        }
        out = std::move(bytes);
        return true;
    }

    bool Version(const Value& root);
    bool Settings(const Value& root, MachineSettings& s);
    bool Key(const Value& root, MachineState& st);
    bool Rotors(const Value& root, MachineState& st);
    bool Tapes(const Value& root, MachineState& st);
    bool Texts(const Value& root, MachineState& st);
};

bool StateReader::Version(const Value& root) {
    const Value* format = root.kind == Kind::Object ? root.Find("format") : nullptr;
    if (!format || format->kind != Kind::String || format->text != kStateFormatName)
        return Fail("this is not a Q417 machine state file");
    const Value* version = root.Find("version");
    if (!version) return Fail("version is missing");
    if (version->kind != Kind::Number || !version->whole || version->number < 1)
        return Fail("version must be a whole number from 1 on");
    if (version->number > kStateFormatVersion)
        return Fail("the file was made by a newer version of the program (state format version " +
                    std::to_string(version->number) + "; this program reads version " +
                    std::to_string(kStateFormatVersion) + ")");
    return true;
}

bool StateReader::Settings(const Value& root, MachineSettings& s) {
    const Value* o = Member(root, "Settings", "Settings", Kind::Object, "a set of named fields");
    if (!o) return false;
    const std::string p = "Settings.";
    // The file's numbers, each checked, and then the positions they stand for.
    StoredSettings f;
    int32_t module = 0;
    if (!Int(*o, p, "Machine", 0, 2, f.Machine) || !Int(*o, p, "Module", 10, 30, module) ||
        !Int(*o, p, "Plug", 1, 2, f.Plug) || !Int(*o, p, "Rod", 0, 2, f.Rod) ||
        !Bool(*o, p, "Sound", f.Sound) || !Int(*o, p, "Layot", 1, 4, f.Layot) ||
        !Int(*o, p, "Sposob", 1, 2, f.Sposob) || !Int(*o, p, "Language", 1, 2, f.Language) ||
        !Int(*o, p, "Mode", 1, 3, f.Mode) || !Int(*o, p, "Wheel", 1, 4, f.Wheel) ||
        !Bool(*o, p, "Divider", f.Divider) || !Int(*o, p, "Serie", 3, 6, f.Serie) ||
        !Int(*o, p, "Tech", 0, 9999, f.Tech))
        return false;
    if (module != 10 && module != 30) return Fail("Settings.Module must be 10 or 30");
    f.Module = module;
    if (f.Serie == 5) return Fail("Settings.Serie must be 3, 4 or 6");
    if (f.Machine == 0 && (f.Module != 30 || f.Plug != 1 || f.Mode != 1 || f.Wheel != f.Layot))
        return Fail(
            "Settings: the Q-417M has module 30, plug 1, mode 1 and the wheel of its "
            "keyboard (Wheel equal to Layot)");
    s = SettingsFromStored(f);
    return true;
}

bool StateReader::Key(const Value& root, MachineState& st) {
    if (!Int(root, "", "KeyNumber", 0, 99, st.KeyNumber) ||
        !List(root, "Card", "Card", 30, 0, 30, st.Card, 1))
        return false;
    std::array<int, 31> row_of{};
    for (int r = 1; r <= 30; ++r) {
        const int32_t c = st.Card[r];
        if (c > 0 && row_of[c] > 0)
            return Fail("Card: column " + std::to_string(c) + " is punched in rows " +
                        std::to_string(row_of[c]) + " and " + std::to_string(r));
        if (c > 0) row_of[c] = r;
    }
    const Value* t = Member(root, "KeyTable", "KeyTable", Kind::Object, "a set of named fields");
    if (!t) return false;
    // A key file can leave any byte in a slot out of use, and a setting read from it is the
    // byte plus one: 0..256.
    for (int row = KeyTable::kRotorNumber; row <= KeyTable::kCoreSetting; ++row) {
        const std::string label = std::string("KeyTable.") + kKeyTableRowNames[row];
        if (!List(*t, label, kKeyTableRowNames[row], 10, 0, 256, st.Table.v[row], 1)) return false;
    }
    return true;
}

bool StateReader::Rotors(const Value& root, MachineState& st) {
    const Value* list = Member(root, "Rotors", "Rotors", Kind::Array, "a list of ten rotors");
    if (!list) return false;
    if (list->items.size() != RotorStack::kSlots)
        return Fail("Rotors must be a list of ten rotors");
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot) {
        const Value& r = list->items[slot - 1];
        const std::string p = "Rotors slot " + std::to_string(slot) + ": ";
        if (r.kind != Kind::Object) return Fail(p + "a rotor must be a set of named fields");
        RotorState& s = st.Rotors[slot];
        if (!Int(r, p, "Position", 1, 30, s.Position) ||
            !Int(r, p, "RotorNumber", 1, 10, s.RotorNumber) ||
            !Int(r, p, "RingSetting", 1, 30, s.RingSetting) ||
            !Int(r, p, "CoreNumber", 1, 10, s.CoreNumber) ||
            !Int(r, p, "CoreSide", 1, 2, s.CoreSide) ||
            !Int(r, p, "CoreSetting", 1, 30, s.CoreSetting))
            return false;
    }
    return true;
}

bool StateReader::Tapes(const Value& root, MachineState& st) {
    const Value* paper = Member(root, "PaperTape", "PaperTape", Kind::Array, "a list of cells");
    if (!paper) return false;
    st.PaperTape.assign(paper->items.size(), {});
    for (std::size_t i = 0; i < paper->items.size(); ++i) {
        const Value& v = paper->items[i];
        const std::string p = "PaperTape cell " + std::to_string(i + 1) + ": ";
        if (v.kind == Kind::Null) continue;
        if (v.kind != Kind::Object) return Fail(p + "a cell must be null or a printed glyph");
        PaperCell& c = st.PaperTape[i];
        int32_t band = 0, machine = 0;
        if (!Int(v, p, "Band", 1, 8, band) || !Int(v, p, "Contact", 0, 31, c.Contact) ||
            !Int(v, p, "Machine", 0, 2, machine))
            return false;
        c.Printed = true;
        c.Band = band;
        c.Machine = *SettingFromStored<Model>(machine);
    }
    const Value* punched =
        Member(root, "PunchedTape", "PunchedTape", Kind::Array, "a list of contacts");
    if (!punched) return false;
    st.PunchedTape.assign(punched->items.size(), 0);
    for (std::size_t i = 0; i < punched->items.size(); ++i)
        if (!Int(punched->items[i], "PunchedTape column " + std::to_string(i + 1), 0, 31,
                 st.PunchedTape[i]))
            return false;
    return true;
}

bool StateReader::Texts(const Value& root, MachineState& st) {
    if (!Text(root, "InputText", st.InputText) ||
        !Bool(root, "", "InputTextLoaded", st.InputTextLoaded) ||
        !Int(root, "", "FeedPosition", 0, 0x7FFFFFFF, st.FeedPosition) ||
        !Text(root, "OutputText", st.OutputText))
        return false;
    // Left out by a file that has nothing to say about it: no line break pending.
    if (root.Find("PendingLineBreak")) {
        if (!Text(root, "PendingLineBreak", st.PendingLineBreak)) return false;
        if (st.PendingLineBreak != "" && st.PendingLineBreak != "\r" &&
            st.PendingLineBreak != "\n")
            return Fail("PendingLineBreak must be \"\", \"\\r\" or \"\\n\"");
    }
    const int32_t last = FeedLengthOf(st.InputText) + 1;
    if (st.FeedPosition > last)
        return Fail("FeedPosition " + std::to_string(st.FeedPosition) +
                    " lies beyond the input text (at most " + std::to_string(last) + ")");
    return true;
}

}  // namespace

bool ReadMachineState(std::string_view bytes, MachineState& out, std::string& error) {
    if (bytes.size() > kStateFileLimit) {
        error = "a machine state file is at most " + std::to_string(kStateFileLimit >> 20) +
                " MiB; this one is larger";
        return false;
    }
    Value root;
    if (!json::Parse(bytes, root, error)) return false;
    StateReader r;
    MachineState st;
    if (!r.Version(root) || !r.Settings(root, st.Settings) || !r.Key(root, st) ||
        !r.Rotors(root, st) || !r.Int(root, "", "GroupCount", 0, 999, st.GroupCount) ||
        !r.Int(root, "", "GroupPosition", 0, 4, st.GroupPosition) ||
        !r.Int(root, "", "PrintRegister", 1, 2, st.PrintRegister) || !r.Tapes(root, st) ||
        !r.Texts(root, st)) {
        error = r.error;
        return false;
    }
    out = std::move(st);
    return true;
}

}  // namespace q417
