#include "core/ai/answer_records.h"

#include "core/text/sentences.h"
#include "core/text/tag_parser.h"
#include "core/text/xml_text.h"

namespace MyAI {

std::string clean_field(const std::string& raw) {
    // Model texts hold only what every file can hold.
    return MyStrF::_trimString(MyStrF::xml_clean(MyStrF::_decode_xml_entities(raw)));
}

std::vector<AnswerRecord> read_answer_records(const std::string& text, const std::string& record_tag,
                                              const std::vector<std::string>& field_tags) {
    std::vector<AnswerRecord> records;
    size_t position = 0;
    while (true) {
        const size_t before = position;
        // Unlike the plain record list, this keeps apart a missing field
        // element and an empty one: the extractor only moves on a find.
        const std::string body = MyStrF::_extract_tag_content(text, record_tag, position);
        if (position == before) break;
        AnswerRecord record;
        record.complete = true;
        for (const std::string& tag : field_tags) {
            size_t field_position = 0;
            const std::string raw = MyStrF::_extract_tag_content(body, tag, field_position);
            if (field_position == 0) record.complete = false;
            record.fields.push_back(clean_field(raw));
        }
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace MyAI
