#include "core/ai/answer_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "core/constants/ai_prompt_texts.h"
#include "core/quantity/parameter.h"
#include "core/text/ascii.h"
#include "core/text/sentences.h"

namespace MyAI {

ValueReading read_value(const std::string& text) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    while (first != last && MyStrF::ascii::is_space(*first)) ++first;
    if (first != last && *first == '+') {
        ++first;
        if (first != last && *first == '-') return {};
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) return {ValueKind::NotFinite, 0.0};
    if (error != std::errc{}) return {};
    if (!std::isfinite(value)) return {ValueKind::NotFinite, 0.0};
    return {ValueKind::Number, value};
}

std::optional<uint16_t> target_of_phrase(const std::string& phrase) {
    const std::string key = MyStrF::_trimLwr(phrase);
    for (size_t target = 0; target < GCC::ai_target_phrases.size(); ++target)
        if (GCC::ai_target_phrases[target] == key) return static_cast<uint16_t>(target);
    return std::nullopt;
}

UnitQuantity quantity_of_unit(const std::string& unit_symbol) {
    const auto rows = Parameter::get_poss_parameters();
    const std::string real = rows.size() > 1 ? rows[1]->name : "real";
    if (unit_symbol.empty()) return {real, "", true};
    const std::string key = MyStrF::_trimLwr(unit_symbol);
    for (size_t i = 1; i < rows.size(); ++i) {
        const auto& symbols = rows[i]->unit_symbols_lc;
        const auto found = std::find(symbols.begin(), symbols.end(), key);
        if (found != symbols.end()) return {rows[i]->name, rows[i]->unit_symbols[found - symbols.begin()], true};
    }
    return {real, "", false};
}

}  // namespace MyAI
