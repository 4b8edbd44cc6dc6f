#include "app/machine_state.h"

#include "io/cp1251.h"
#include "io/json.h"

namespace q417 {

namespace {

// Writes the fields of one object, a field per line at the given indent, commas between.
class ObjectWriter {
public:
    ObjectWriter(std::string& out, int indent) : out_(out), indent_(indent) { out_ += "{\n"; }

    void Int(const char* name, int32_t value) { Field(name) += std::to_string(value); }
    void Bool(const char* name, bool value) { Field(name) += value ? "true" : "false"; }
    void Text(const char* name, const std::string& cp1251) {
        json::AppendString(Field(name), Cp1251ToUtf8(cp1251));
    }
    template <typename Numbers>
    void List(const char* name, const Numbers& values, std::size_t from = 0) {
        std::string& out = Field(name);
        out += '[';
        for (std::size_t i = from; i < values.size(); ++i) {
            if (i > from) out += ", ";
            out += std::to_string(values[i]);
        }
        out += ']';
    }
    // A field whose value the caller appends.
    std::string& Field(const char* name) {
        if (fields_++ > 0) out_ += ",\n";
        out_.append(indent_ + 2, ' ');
        json::AppendString(out_, name);
        out_ += ": ";
        return out_;
    }
    void Close() {
        out_ += '\n';
        out_.append(indent_, ' ');
        out_ += '}';
    }

private:
    std::string& out_;
    int indent_;
    int fields_ = 0;
};

void WriteSettings(std::string& out, const MachineSettings& s) {
    ObjectWriter o(out, 2);
    o.Int("Machine", StoredValue(s.Machine));
    o.Int("Module", StoredValue(s.Module));
    o.Int("Plug", StoredValue(s.Plug));
    o.Int("Rod", StoredValue(s.Rod));
    o.Bool("Sound", s.Sound);
    o.Int("Layot", StoredValue(s.Layot));
    o.Int("Sposob", StoredValue(s.Sposob));
    o.Int("Language", StoredValue(s.Language));
    o.Int("Mode", StoredValue(s.Mode));
    o.Int("Wheel", StoredValue(s.Wheel));
    o.Bool("Divider", s.Divider);
    o.Int("Serie", StoredValue(s.Serie));
    o.Int("Tech", s.Tech);
    o.Close();
}

void WriteKeyTable(std::string& out, const KeyTable& t) {
    ObjectWriter o(out, 2);
    for (int row = KeyTable::kRotorNumber; row <= KeyTable::kCoreSetting; ++row)
        o.List(kKeyTableRowNames[row], t.v[row], 1);
    o.Close();
}

void WriteRotor(std::string& out, const RotorState& r) {
    out += "{\"Position\": " + std::to_string(r.Position) +
           ", \"RotorNumber\": " + std::to_string(r.RotorNumber) +
           ", \"RingSetting\": " + std::to_string(r.RingSetting) +
           ", \"CoreNumber\": " + std::to_string(r.CoreNumber) +
           ", \"CoreSide\": " + std::to_string(r.CoreSide) +
           ", \"CoreSetting\": " + std::to_string(r.CoreSetting) + "}";
}

void WriteCell(std::string& out, const PaperCell& c) {
    if (!c.Printed) {
        out += "null";
        return;
    }
    out += "{\"Band\": " + std::to_string(c.Band) + ", \"Contact\": " + std::to_string(c.Contact) +
           ", \"Machine\": " + std::to_string(StoredValue(c.Machine)) + "}";
}

// A list of objects, one per line.
template <typename Items, typename WriteItem>
void WriteLines(std::string& out, const Items& items, std::size_t from, WriteItem write) {
    if (items.size() <= from) {
        out += "[]";
        return;
    }
    out += "[\n";
    for (std::size_t i = from; i < items.size(); ++i) {
        out += "    ";
        write(out, items[i]);
        out += i + 1 < items.size() ? ",\n" : "\n";
    }
    out += "  ]";
}

}  // namespace

std::string WriteMachineState(const MachineState& st) {
    std::string out;
    ObjectWriter o(out, 0);
    o.Field("format") += "\"" + std::string(kStateFormatName) + "\"";
    o.Int("version", kStateFormatVersion);
    WriteSettings(o.Field("Settings"), st.Settings);
    o.Int("KeyNumber", st.KeyNumber);
    o.List("Card", st.Card, 1);
    WriteKeyTable(o.Field("KeyTable"), st.Table);
    WriteLines(o.Field("Rotors"), st.Rotors, 1, WriteRotor);
    o.Int("GroupCount", st.GroupCount);
    o.Int("GroupPosition", st.GroupPosition);
    o.Int("PrintRegister", st.PrintRegister);
    WriteLines(o.Field("PaperTape"), st.PaperTape, 0, WriteCell);
    o.List("PunchedTape", st.PunchedTape);
    o.Text("InputText", st.InputText);
    o.Bool("InputTextLoaded", st.InputTextLoaded);
    o.Int("FeedPosition", st.FeedPosition);
    o.Text("OutputText", st.OutputText);
    o.Text("PendingLineBreak", st.PendingLineBreak);
    o.Close();
    out += '\n';
    return out;
}

}  // namespace q417
