#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A small, strict reader of JSON (RFC 8259) for the program's own files, and the writing of
// JSON strings. It holds the whole document in memory, so it is meant for files of a few
// megabytes whose size the caller has already checked.
namespace q417::json {

struct Value {
    struct Member;
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    // A number is whole when it has no fraction or exponent and fits in a long long.
    bool whole = false;
    long long number = 0;
    std::string text;             // a string's characters, UTF-8
    std::vector<Value> items;     // an array's elements
    std::vector<Member> members;  // an object's, in the file's order

    // The member of that name, or nullptr.
    const Value* Find(std::string_view name) const;
};

struct Value::Member {
    std::string name;
    Value value;
};

struct Limits {
    std::size_t max_depth = 16;       // arrays and objects inside each other
    std::size_t max_values = 200000;  // values in the whole document
};

// Reads one JSON document: the bytes must be well-formed UTF-8 (a byte-order mark at the start
// is passed over) and hold exactly one value, with whitespace around it. A name used twice in
// one object, a lone surrogate in an escape and anything beyond the limits are refused. On
// refusal returns false with a short sentence saying what and where (line and column), and
// leaves `out` as it was.
bool Parse(std::string_view bytes, Value& out, std::string& error, const Limits& limits = {});

// Appends a UTF-8 text as a JSON string in double quotes: quote, backslash and control
// characters escaped, everything else as it is.
void AppendString(std::string& out, std::string_view utf8);

}  // namespace q417::json
