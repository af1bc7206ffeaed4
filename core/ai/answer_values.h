#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Numbers, target phrases and units as an AI answer writes them. Nothing here
// shows a message: the readers collect the problems into one report.
namespace MyAI {

enum class ValueKind { Number, NotANumber, NotFinite };

struct ValueReading {
    ValueKind kind = ValueKind::NotANumber;
    double value = 0.0;  // 0.0 unless kind is Number
};

// Lenient, like every number the system reads: leading blanks and one '+'
// skipped, trailing characters ignored; '.' is the decimal point.
ValueReading read_value(const std::string& text);

// The target type 0..6 of one of the seven target phrases, compared after
// trimming and ignoring ASCII case; nothing for any other phrase.
std::optional<uint16_t> target_of_phrase(const std::string& phrase);

struct UnitQuantity {
    std::string type_name;
    std::string unit_symbol;  // empty when the unit is unknown
    bool known = false;
};

// The quantity type that has this unit symbol (compared in lower case), in
// table order. A value is a quantity, so the "function" row never answers.
// An empty or unknown unit gives the type "real" without unit.
UnitQuantity quantity_of_unit(const std::string& unit_symbol);

}  // namespace MyAI
