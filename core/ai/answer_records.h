#pragma once

#include <string>
#include <vector>

// Records of an AI answer with their fields ready for the model: the five
// predefined XML entities decoded and white space trimmed at both ends.
namespace MyAI {

struct AnswerRecord {
    std::vector<std::string> fields;  // one per field tag, in tag order
    bool complete = false;            // every field element was present (possibly empty)
};

// The records of record_tag in text order, cut by the tag grammar of the
// answers (first closing mark ends a record, an unclosed record ends the
// reading, fields searched from the start of the record in any order).
std::vector<AnswerRecord> read_answer_records(const std::string& text, const std::string& record_tag,
                                              const std::vector<std::string>& field_tags);

// Decodes the entities and trims the result.
std::string clean_field(const std::string& raw);

}  // namespace MyAI
