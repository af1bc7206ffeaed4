#include "core/io/project_reader.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/constants/gcc.h"
#include "core/io/project_element.h"
#include "core/io/project_file_names.h"
#include "core/io/quantity_table_xml.h"
#include "core/io/xml_values.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/graph_builder.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/quantity/parameter.h"
#include "core/text/number_format.h"
#include "core/text/sentences.h"

namespace project_file {
namespace {

using Sharing = GraphBuilder::SubjectSharing;

bool named(pugi::xml_node element, const char* name) { return std::strcmp(element.name(), name) == 0; }

bool is_project_element(pugi::xml_node element) { return named(element, PRJ) || named(element, FLN); }

bool is_quantity_type_element(pugi::xml_node element) {
    return named(element, STANDARD_TYPE_ACTIVE_NODE) || named(element, CUSTOM_TYPE_NODE) ||
           named(element, CUSTOM_UNIT_NODE);
}

// Turns the elements of one file into objects handed to the graph builder.
class ObjectReader {
public:
    ObjectReader(Project& p, GraphBuilder& b, ReadReport& r) : project(p), builder(b), report(r) {}

    // The project's own part: the common part of the first "PRJ" or "FLN"
    // element, the values of the first "PRJ" element.
    void read_project(pugi::xml_node root);
    void read_object(pugi::xml_node element);

private:
    bool adopt(Node* node, const std::string& uid);
    void read_common(Node* node, pugi::xml_node element, Sharing sharing);
    void read_verb_capability(Node* node, pugi::xml_node element);
    void read_quantity(VerbCapParamBase* node, pugi::xml_node element, bool is_evidence);
    int read_level(pugi::xml_node element, const char* name, int default_value);

    Project& project;
    GraphBuilder& builder;
    ReadReport& report;
};

void ObjectReader::read_project(pugi::xml_node root) {
    pugi::xml_node common;
    pugi::xml_node values;
    size_t project_elements = 0;
    for (const pugi::xml_node element : root.children()) {
        if (!is_project_element(element)) continue;
        ++project_elements;
        if (!common) common = element;
        if (!values && named(element, PRJ)) values = element;
    }
    if (project_elements > 1) report.note("Only the first project element was read; further ones were left out.");
    // The project keeps nothing of its own part from before.
    project.set_tooltip_txt(GCC::default_ttt);
    project.clear_comments();
    project.set_ref_ids({});
    builder.set_subject(&project, "", Sharing::Own);
    if (common) {
        builder.adopt_project(text_of(common, DEFAULT_UID_ATT_NAME));
        read_common(&project, common, Sharing::Own);
    }
    if (values) read_project_values(values, project, report);
}

bool ObjectReader::adopt(Node* node, const std::string& uid) {
    if (uid.empty()) {
        // The fresh uid the object was made with may be one the file uses.
        for (int attempt = 0; attempt < 100 && project._get_pointer_to_node_with_uid(node->get_uid()) != node;
             ++attempt)
            node->set_uid("");
        if (project._get_pointer_to_node_with_uid(node->get_uid()) != node) {
            report.note("An object without uid was left out.");
            delete node;
            return false;
        }
    }
    return builder.adopt(node, uid);
}

void ObjectReader::read_common(Node* node, pugi::xml_node element, Sharing sharing) {
    node->set_tooltip_txt(text_of(element, TOOLTIP_ATT_NAME));
    node->clear_comments();
    for (const pugi::xml_node comment : element.child(COMMENTS_TAG).children(COMMENT_TAG))
        node->add_comment(text_of(comment, COMMENT_AUTHOR_TAG), text_of(comment, COMMENT_CONTENT_TAG));
    std::vector<uint64_t> ref_ids;
    for (const std::string& text : texts_of(element, REF_ID_ATT_NAME)) {
        if (const auto id = parse_unsigned(text))
            ref_ids.push_back(*id);
        else
            report.note(std::string("A value of \"") + REF_ID_ATT_NAME + "\" could not be read; it was left out.");
    }
    node->set_ref_ids(std::move(ref_ids));
    builder.set_links(node, texts_of(element, PARENT_ATT_NAME), texts_of(element, CHILD_ATT_NAME));
    builder.set_subject(node, text_of(element, SUBJECT_ATT_NAME), sharing);
}

void ObjectReader::read_verb_capability(Node* node, pugi::xml_node element) {
    // Group 0: a requirement shares an equal pair of the story or the
    // requirement it derives from, as it did when it was saved.
    builder.set_verb_capability(node, text_of(element, VERB_ATT_NAME), text_of(element, CAPABILITY_ATT_NAME), 0);
}

int ObjectReader::read_level(pugi::xml_node element, const char* name, int default_value) {
    const int level = read_int(element, name, default_value, report);
    if (level < 0 || level > 9)
        report.note(std::string("A value of \"") + name + "\" outside 0..9 was moved into that range.");
    return std::clamp(level, 0, 9);
}

void ObjectReader::read_quantity(VerbCapParamBase* node, pugi::xml_node element, bool is_evidence) {
    const auto& table = Parameter::_possible_par_types;
    uint32_t type = 1;
    const std::string type_name = text_of(element, PAR_TYPE_ATT_NAME);
    if (!type_name.empty()) {
        const std::string key = MyStrF::_trimLwr(type_name);
        const auto found = std::find_if(table.begin(), table.end(), [&](const PossPar& p) { return p.name_lc == key; });
        if (found != table.end())
            type = static_cast<uint32_t>(found - table.begin());
        else
            report.note("A quantity of an unknown type was read as a real number.");
    }
    const PossPar& row = table[type];

    uint16_t unit = 0;
    const std::string symbol = text_of(element, PAR_UNIT_SYMBOL_ATT_NAME);
    if (!symbol.empty()) {
        const std::string key = MyStrF::_trimLwr(symbol);
        const auto found = std::find(row.unit_symbols_lc.begin(), row.unit_symbols_lc.end(), key);
        if (found != row.unit_symbols_lc.end())
            unit = static_cast<uint16_t>(found - row.unit_symbols_lc.begin());
        else
            report.note("A quantity in an unknown unit was read in the base unit of its type.");
    }

    double value = read_real(element, PAR_VALUE_ATT_NAME, 0.0, report);
    if (!std::isfinite(row.factors[unit] * value - row.deltas[unit])) {
        report.note("A quantity too large for its unit was read as 0.");
        value = 0.0;
    }

    int target = read_int(element, PAR_TARGET_INT_ATT_NAME, 0, report);
    if (target < 0 || target >= static_cast<int>(row.target_texts.size())) {
        report.note("A quantity with an unknown target was read with the target \"equal to\".");
        target = 3;
    }

    int weight = 100;
    if (!is_evidence) {
        weight = read_int(element, PAR_WEIGHT_ATT_NAME, 100, report);
        if (weight < 1 || weight > 100)
            report.note(std::string("A value of \"") + PAR_WEIGHT_ATT_NAME + "\" outside 1..100 was moved into that range.");
    }
    node->get_par().assign(type, value, unit, static_cast<uint16_t>(target),
                           static_cast<uint16_t>(std::clamp(weight, 1, 100)));
}

void ObjectReader::read_object(pugi::xml_node element) {
    const std::string uid = text_of(element, DEFAULT_UID_ATT_NAME);
    if (named(element, USY)) {
        auto* story = new UserStory(nullptr, text_of(element, VERB_ATT_NAME), text_of(element, CAPABILITY_ATT_NAME),
                                    "", text_of(element, DESCRIPTION_ATT_NAME), false);
        if (!adopt(story, uid)) return;
        read_common(story, element, Sharing::SameTextAsSource);
        read_verb_capability(story, element);
    } else if (named(element, MAN)) {
        auto* mandate = new Mandate(nullptr, text_of(element, REMARK_ATT_NAME),
                                    read_level(element, REQD_LEVEL_ATT_NAME, 1), false);
        if (adopt(mandate, uid)) read_common(mandate, element, Sharing::SameTextAsSource);
    } else if (named(element, REQ)) {
        auto* requirement = new Requirement(nullptr, "", "");
        if (!adopt(requirement, uid)) return;
        read_common(requirement, element, Sharing::SameTextAsSource);
        read_verb_capability(requirement, element);
        read_quantity(requirement, element, false);
    } else if (named(element, DPR)) {
        auto* problem = new DesignProblem(nullptr);
        if (adopt(problem, uid)) read_common(problem, element, Sharing::SameTextAsSource);
    } else if (named(element, OPT)) {
        // Every option has a subject text of its own, also an empty one.
        auto* option = new Option(nullptr, text_of(element, SUBJECT_ATT_NAME));
        if (adopt(option, uid)) read_common(option, element, Sharing::Own);
    } else if (named(element, ARG)) {
        auto* argument = new Argument(nullptr, nullptr, true);
        if (!adopt(argument, uid)) return;
        read_common(argument, element, Sharing::SameTextAsSource);
        argument->set_validates(read_bool(element, VALIDATES_ATT_NAME, true, report));
    } else if (named(element, EVD)) {
        auto* evidence = new Evidence(nullptr, "");
        if (!adopt(evidence, uid)) return;
        read_common(evidence, element, Sharing::SameTextAsSource);
        read_verb_capability(evidence, element);
        read_quantity(evidence, element, true);
        evidence->get_rlevel().set_levels(read_level(element, ACHIEVED_LEVEL_ATT_NAME, 0));
    } else if (named(element, NDE)) {
        report.note("Plain objects (\"NDE\") carry nothing of their own and were left out.");
    } else if (!is_project_element(element) && !is_quantity_type_element(element)) {
        report.note(std::string("Unknown acronym ") + element.name() +
                    " encountered when reading file.\nOpening file will continue, but one object skipped.");
    }
}

ReadOutcome read_parsed(Project& project, const pugi::xml_document& doc, const pugi::xml_parse_result& parsed,
                        const std::string& source) {
    if (!parsed)
        return {false, "Parse error when reading file: " + source + "\n" + parsed.description() + " (at byte " +
                           MyStrF::_intToStringWithLength(static_cast<int>(parsed.offset), 1) + ")."};
    const pugi::xml_node root = doc.child(DEFAULT_ROOT_EL_NAME);
    if (!root)
        return {false, "The file " + source + " holds no project: it has no \"" + DEFAULT_ROOT_EL_NAME + "\" element."};
    return {true, read_project_root(project, root)};
}

}  // namespace

std::string read_project_root(Project& project, pugi::xml_node root) {
    // Objects register in the current project as they are made.
    Project* previous = GCC::RP;
    GCC::RP = &project;
    ReadReport report;
    {
        GraphBuilder builder(project);
        read_quantity_types(root, report);
        ObjectReader reader(project, builder, report);
        reader.read_project(root);
        for (const pugi::xml_node element : root.children())
            if (element.type() == pugi::node_element) reader.read_object(element);
        report.note_lines(builder.finish());
    }
    GCC::RP = previous;
    return report.text();
}

ReadOutcome read_project_file(Project& project, const std::string& path) {
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed = doc.load_file(path.c_str(), pugi::parse_default, pugi::encoding_auto);
    return read_parsed(project, doc, parsed, path);
}

ReadOutcome read_project_buffer(Project& project, const void* data, size_t size, const std::string& source) {
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed = doc.load_buffer(data, size, pugi::parse_default, pugi::encoding_auto);
    return read_parsed(project, doc, parsed, source);
}

}  // namespace project_file
