#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

// Values of the project file: each is the text of an element of its own.
// Numbers go through to_chars and from_chars only.
namespace project_file {

// ---- Writing ----

// Appends <name>value</name>; nothing for an empty value. Every text is
// written as the reader gives it back: cleaned (MyStrF::xml_clean), with
// single line feeds.
void add_text(pugi::xml_node parent, const char* name, const std::string& value);
// The text as add_text writes it.
std::string file_text(const std::string& value);
// Booleans are always written, as "true" or "false".
void add_bool(pugi::xml_node parent, const char* name, bool value);
void add_integer(pugi::xml_node parent, const char* name, int64_t value);
void add_unsigned(pugi::xml_node parent, const char* name, uint64_t value);
// Shortest text that reads back to the same double.
void add_real(pugi::xml_node parent, const char* name, double value);

// ---- Reading ----

class ReadReport;

// The text of the first child called name, "" when there is none; entities
// decoded and cleaned as the writers clean (xml_reading::element_text), with a
// note when characters XML 1.0 does not allow had to go. Line ends become
// single line feeds, also those written as character references.
std::string text_of(pugi::xml_node element, const char* name, ReadReport& report);
// The same for a value element already found (null: "").
std::string text_in(pugi::xml_node value_element, ReadReport& report);
// The text of a value element as the document holds it, when reading it
// changes nothing (no entity, no carriage return, nothing to clean): a view
// of the document, no copy. Nullopt when it must be read with text_in.
std::optional<std::string_view> text_as_stored(pugi::xml_node value_element);
// The texts of all children called name, in document order.
std::vector<std::string> texts_of(pugi::xml_node element, const char* name, ReadReport& report);

// Lenient readers (leading blanks skipped, trailing characters ignored);
// nothing when the text holds no number or no boolean word.
std::optional<int> parse_int(const std::string& text);
std::optional<uint64_t> parse_unsigned(const std::string& text);
// Only finite numbers count.
std::optional<double> parse_real(const std::string& text);
// "true", "True", "TRUE", "false", "False", "FALSE".
std::optional<bool> parse_bool(const std::string& text);

// The problems met while reading one file, each kind told once with its count,
// so that the caller can show them in a single message.
class ReadReport {
public:
    void note(const std::string& problem);
    // Lines of another step, one problem each.
    void note_lines(const std::string& lines);
    bool empty() const { return problems.empty(); }
    std::string text() const;

private:
    struct Problem {
        std::string text;
        size_t count;
    };
    std::vector<Problem> problems;
    bool truncated = false;
};

// Element readers that never show a message: a missing element gives the
// default silently, an unreadable one gives the default and a note.
int read_int(pugi::xml_node element, const char* name, int default_value, ReadReport& report);
double read_real(pugi::xml_node element, const char* name, double default_value, ReadReport& report);
bool read_bool(pugi::xml_node element, const char* name, bool default_value, ReadReport& report);
// The same for a value element already found (null when missing); name is
// the element's name, for the note.
int read_int_value(pugi::xml_node value_element, const char* name, int default_value, ReadReport& report);
double read_real_value(pugi::xml_node value_element, const char* name, double default_value, ReadReport& report);
bool read_bool_value(pugi::xml_node value_element, const char* name, bool default_value, ReadReport& report);

}  // namespace project_file
