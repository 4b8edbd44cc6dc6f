#include "io/json.h"

#include <cstdio>
#include <set>

#include "io/cp1251.h"

namespace q417::json {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A field name as an error shows it: quoted when short and printable.
std::string Shown(const std::string& name) {
    bool printable = name.size() <= 40;
    for (const char c : name) printable = printable && static_cast<unsigned char>(c) >= 0x20;
    return printable ? "the field \"" + name + "\"" : "a field name";
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A recursive descent over the bytes; every failure records the first error and unwinds.
class Parser {
public:
    Parser(std::string_view s, const Limits& limits) : s_(s), limits_(limits) {}

    bool Document(Value& v) {
        if (s_.substr(0, 3) == "\xEF\xBB\xBF") at_ = 3;
        SkipSpace();
        if (!ParseValue(v, 0)) return false;
        SkipSpace();
        if (at_ != s_.size()) return Fail("more follows after the end of the document");
        return true;
    }

    std::string error;

private:
    bool Fail(const std::string& why) {
        if (!error.empty()) return false;
        std::size_t line = 1, column = 1;
        for (std::size_t i = 0; i < at_ && i < s_.size(); ++i) {
            if (s_[i] == '\n') {
                ++line, column = 1;
            } else if ((static_cast<unsigned char>(s_[i]) & 0xC0) != 0x80) {
                ++column;
            }
        }
        error = "not valid JSON at line " + std::to_string(line) + ", column " +
                std::to_string(column) + ": " + why;
        return false;
    }

    bool AtEnd() const { return at_ >= s_.size(); }
    char Peek() const { return AtEnd() ? '\0' : s_[at_]; }

    void SkipSpace() {
        while (!AtEnd() &&
               (s_[at_] == ' ' || s_[at_] == '\t' || s_[at_] == '\n' || s_[at_] == '\r'))
            ++at_;
    }

    bool Literal(std::string_view word) {
        if (s_.substr(at_, word.size()) != word) return Fail("unknown word");
        at_ += word.size();
        return true;
    }

    bool ParseValue(Value& v, std::size_t depth) {
        if (++values_ > limits_.max_values)
            return Fail("more than " + std::to_string(limits_.max_values) + " values");
        const char c = Peek();
        if (c == '{') return ParseObject(v, depth + 1);
        if (c == '[') return ParseArray(v, depth + 1);
        if (c == '-' || IsDigit(c)) return ParseNumber(v);
        if (c == '"') {
            v.kind = Value::Kind::String;
            return ParseString(v.text);
        }
        v.kind = c == 'n' ? Value::Kind::Null : Value::Kind::Bool;
        v.boolean = c == 't';
        if (c == 't') return Literal("true");
        if (c == 'f') return Literal("false");
        if (c == 'n') return Literal("null");
        return Fail(AtEnd() ? "the document ends where a value was expected"
                            : "a value was expected");
    }

    bool Enter(std::size_t depth) {
        if (depth > limits_.max_depth)
            return Fail("nested deeper than " + std::to_string(limits_.max_depth) + " levels");
        ++at_;
        SkipSpace();
        return true;
    }

    // After an element: a comma and the next one, or the closing bracket.
    bool Next(char close, bool& more) {
        SkipSpace();
        if (Peek() == ',') {
            ++at_;
            SkipSpace();
            more = true;
            return true;
        }
        more = false;
        if (Peek() == close) {
            ++at_;
            return true;
        }
        return Fail(AtEnd() ? "the document ends inside a list or object"
                            : std::string("expected ',' or '") + close + "'");
    }

    bool ParseArray(Value& v, std::size_t depth) {
        v.kind = Value::Kind::Array;
        if (!Enter(depth)) return false;
        if (Peek() == ']') return ++at_, true;
        for (bool more = true; more;) {
            v.items.emplace_back();
            if (!ParseValue(v.items.back(), depth) || !Next(']', more)) return false;
        }
        return true;
    }

    bool ParseObject(Value& v, std::size_t depth) {
        v.kind = Value::Kind::Object;
        if (!Enter(depth)) return false;
        if (Peek() == '}') return ++at_, true;
        std::set<std::string> names;
        for (bool more = true; more;) {
            if (Peek() != '"') return Fail("expected a field name in double quotes");
            std::string name;
            if (!ParseString(name)) return false;
            if (!names.insert(name).second) return Fail(Shown(name) + " appears twice");
            SkipSpace();
            if (Peek() != ':') return Fail("expected ':' after a field name");
            ++at_;
            SkipSpace();
            v.members.push_back({std::move(name), {}});
            if (!ParseValue(v.members.back().value, depth) || !Next('}', more)) return false;
        }
        return true;
    }

    bool ParseNumber(Value& v) {
        v.kind = Value::Kind::Number;
        const bool negative = Peek() == '-';
        if (negative) ++at_;
        if (!IsDigit(Peek())) return Fail("a digit was expected");
        bool fits = true;
        unsigned long long magnitude = 0;
        if (Peek() == '0') {
            ++at_;
            if (IsDigit(Peek())) return Fail("a number may not start with 0");
        } else {
            for (; IsDigit(Peek()); ++at_) {
                if (magnitude > (9223372036854775807ULL - 9) / 10) fits = false;
                if (fits) magnitude = magnitude * 10 + static_cast<unsigned>(Peek() - '0');
            }
        }
        bool whole = fits;
        if (Peek() == '.') {
            ++at_;
            if (!IsDigit(Peek())) return Fail("a digit was expected after the decimal point");
            while (IsDigit(Peek())) ++at_;
            whole = false;
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++at_;
            if (Peek() == '+' || Peek() == '-') ++at_;
            if (!IsDigit(Peek())) return Fail("a digit was expected in the exponent");
            while (IsDigit(Peek())) ++at_;
            whole = false;
        }
        v.whole = whole;
        if (whole)
            v.number =
                negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
        return true;
    }

    bool ParseEscape(std::string& out) {
        static constexpr std::string_view kNamed = "\"\\/bfnrt";
        static constexpr std::string_view kMeaning = "\"\\/\b\f\n\r\t";
        const std::size_t named = AtEnd() ? std::string_view::npos : kNamed.find(s_[at_]);
        if (named != std::string_view::npos) {
            out.push_back(kMeaning[named]);
            ++at_;
            return true;
        }
        if (Peek() != 'u') return Fail("unknown escape in a string");
        ++at_;
        char32_t u = 0;
        if (!Hex4(u)) return false;
        if (u >= 0xDC00 && u <= 0xDFFF) return Fail("a lone surrogate escape in a string");
        if (u >= 0xD800 && u <= 0xDBFF) {
            char32_t low = 0;
            if (s_.substr(at_, 2) != "\\u") return Fail("a lone surrogate escape in a string");
            at_ += 2;
            if (!Hex4(low)) return false;
            if (low < 0xDC00 || low > 0xDFFF) return Fail("a lone surrogate escape in a string");
            u = 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, u);
        return true;
    }

    bool Hex4(char32_t& u) {
        for (int k = 0; k < 4; ++k, ++at_) {
            const int d = AtEnd() ? -1 : HexDigit(s_[at_]);
            if (d < 0) return Fail("four hex digits were expected after \\u");
            u = (u << 4) | static_cast<char32_t>(d);
        }
        return true;
    }

    bool ParseString(std::string& out) {
        ++at_;  // the opening quote
        while (true) {
            if (AtEnd()) return Fail("the document ends inside a string");
            const auto c = static_cast<unsigned char>(s_[at_]);
            if (c == '"') return ++at_, true;
            if (c < 0x20) return Fail("a control character inside a string");
            if (c == '\\') {
                ++at_;
                if (!ParseEscape(out)) return false;
                continue;
            }
            char32_t u = 0;
            const std::size_t len = DecodeUtf8(s_, at_, u);
            if (len == 0) return Fail("invalid UTF-8");
            out.append(s_.substr(at_, len));
            at_ += len;
        }
    }

    std::string_view s_;
    Limits limits_;
    std::size_t at_ = 0;
    std::size_t values_ = 0;
};

}  // namespace

const Value* Value::Find(std::string_view name) const {
    for (const Member& m : members)
        if (m.name == name) return &m.value;
    return nullptr;
}

bool Parse(std::string_view bytes, Value& out, std::string& error, const Limits& limits) {
    Parser parser(bytes, limits);
    Value v;
    if (!parser.Document(v)) {
        error = parser.error;
        return false;
    }
    out = std::move(v);
    return true;
}

void AppendString(std::string& out, std::string_view utf8) {
    out.push_back('"');
    for (const char c : utf8) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(c));
                    out += buffer;
                } else {
                    out.push_back(c);
                }
        }
    }
    out.push_back('"');
}

}  // namespace q417::json
