#include "core/io/project_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

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
#include "core/settings/read_file.h"
#include "core/settings/xml_element_text.h"
#include "core/text/number_format.h"
#include "core/text/sentences.h"

namespace project_file {
namespace {

using Sharing = GraphBuilder::SubjectSharing;

// What an element of the root holds, told by its name once: every pass over
// the root (quantity types, the project, the objects) reads the kinds instead
// of comparing names again.
enum class ElementKind : uint8_t {
    Project, File, Plain,
    // The objects, from Story to Evidence.
    Story, Mandate, Requirement, Problem, Option, Argument, Evidence,
    QuantityType, Unknown
};

struct RootElement {
    ElementKind kind;
    pugi::xml_node element;
};

ElementKind kind_of(pugi::xml_node element) {
    static constexpr std::array<std::pair<std::string_view, ElementKind>, 13> kinds = {{
        {PRJ, ElementKind::Project}, {FLN, ElementKind::File}, {NDE, ElementKind::Plain},
        {USY, ElementKind::Story}, {MAN, ElementKind::Mandate}, {REQ, ElementKind::Requirement},
        {DPR, ElementKind::Problem}, {OPT, ElementKind::Option}, {ARG, ElementKind::Argument},
        {EVD, ElementKind::Evidence}, {STANDARD_TYPE_ACTIVE_NODE, ElementKind::QuantityType},
        {CUSTOM_TYPE_NODE, ElementKind::QuantityType}, {CUSTOM_UNIT_NODE, ElementKind::QuantityType},
    }};
    const std::string_view name = element.name();
    for (const auto& [kind_name, kind] : kinds)
        if (name == kind_name) return kind;
    return ElementKind::Unknown;
}

bool is_project_element(ElementKind kind) { return kind == ElementKind::Project || kind == ElementKind::File; }

bool is_object(ElementKind kind) { return kind >= ElementKind::Story && kind <= ElementKind::Evidence; }

// The children of one object element by name, looked at once. An object has
// a dozen or more children and each is asked for by name: looking each up
// among all children cost more than the rest of reading the object.
class ObjectChildren {
public:
    enum Field : uint8_t {
        Uid, Tooltip, Comments, RefId, Parent, Child, Subject, Verb, Capability, Description, Remark, ReqdLevel,
        ParType, ParUnitSymbol, ParValue, ParTargetInt, ParWeight, Validates, AchievedLevel, FieldCount
    };

    // Forgets the previous element; the lists keep their storage.
    void index(pugi::xml_node element) {
        for (auto& found : children) found.clear();
        for (const pugi::xml_node child : element.children())
            if (const auto field = field_named(child.name())) children[*field].push_back(child);
    }

    static const char* name(Field field) { return field_names[field].data(); }
    // The first child of that name, as pugi::xml_node::child finds it.
    pugi::xml_node first(Field field) const { return children[field].empty() ? pugi::xml_node() : children[field].front(); }
    const std::vector<pugi::xml_node>& all(Field field) const { return children[field]; }
    std::string text(Field field, ReadReport& report) const { return text_in(first(field), report); }
    std::vector<std::string> texts(Field field, ReadReport& report) const {
        std::vector<std::string> texts;
        texts.reserve(children[field].size());
        for (const pugi::xml_node child : children[field]) texts.push_back(text_in(child, report));
        return texts;
    }

private:
    static constexpr std::array<std::string_view, FieldCount> field_names = {
        DEFAULT_UID_ATT_NAME,    TOOLTIP_ATT_NAME,        COMMENTS_TAG,         REF_ID_ATT_NAME,
        PARENT_ATT_NAME,         CHILD_ATT_NAME,          SUBJECT_ATT_NAME,     VERB_ATT_NAME,
        CAPABILITY_ATT_NAME,     DESCRIPTION_ATT_NAME,    REMARK_ATT_NAME,      REQD_LEVEL_ATT_NAME,
        PAR_TYPE_ATT_NAME,       PAR_UNIT_SYMBOL_ATT_NAME, PAR_VALUE_ATT_NAME,  PAR_TARGET_INT_ATT_NAME,
        PAR_WEIGHT_ATT_NAME,     VALIDATES_ATT_NAME,      ACHIEVED_LEVEL_ATT_NAME};

    // The fields whose names have one length; no more than three names share
    // a length, so a name is compared with at most three others, unhashed.
    struct SameLength {
        std::array<Field, 3> fields;
        uint8_t count;
    };
    static constexpr size_t longest_name = std::max_element(field_names.begin(), field_names.end(),
                                                            [](auto a, auto b) { return a.size() < b.size(); })->size();
    static constexpr std::array<SameLength, longest_name + 1> fields_by_length = [] {
        std::array<SameLength, longest_name + 1> table{};
        for (uint8_t f = 0; f < FieldCount; ++f) {
            SameLength& same = table[field_names[f].size()];
            same.fields.at(same.count++) = static_cast<Field>(f);
        }
        return table;
    }();

    static std::optional<Field> field_named(std::string_view name) {
        if (name.size() > longest_name) return std::nullopt;
        const SameLength& same = fields_by_length[name.size()];
        for (uint8_t i = 0; i < same.count; ++i)
            if (field_names[same.fields[i]] == name) return same.fields[i];
        return std::nullopt;
    }

    // Every child of each name, in document order.
    std::array<std::vector<pugi::xml_node>, FieldCount> children;
};

// Turns the elements of one file into objects handed to the graph builder.
class ObjectReader {
public:
    ObjectReader(Project& p, GraphBuilder& b, ReadReport& r) : project(p), builder(b), report(r) {}

    // The project's own part: the common part of the first "PRJ" or "FLN"
    // element, the values of the first "PRJ" element.
    void read_project(const std::vector<RootElement>& elements);
    void read_object(const RootElement& element);

private:
    using Field = ObjectChildren::Field;

    bool adopt(Node* node, const std::string& uid);
    // The uids of the links of one field, valid while the builder lives.
    const std::vector<std::string_view>& link_uids(Field field, std::vector<std::string_view>& uids);
    std::string_view link_uid(pugi::xml_node element);
    // These read the element last indexed in `children`.
    void read_common(Node* node, Sharing sharing);
    void read_verb_capability(Node* node);
    void read_quantity(VerbCapParamBase* node, bool is_evidence);
    int read_level(Field field, int default_value);
    int read_int(Field field, int default_value) {
        return read_int_value(children.first(field), ObjectChildren::name(field), default_value, report);
    }

    Project& project;
    GraphBuilder& builder;
    ReadReport& report;
    ObjectChildren children;
    std::vector<std::string_view> parent_uids;
    std::vector<std::string_view> child_uids;
};

void ObjectReader::read_project(const std::vector<RootElement>& elements) {
    pugi::xml_node common;
    pugi::xml_node values;
    size_t project_elements = 0;
    for (const auto& [kind, element] : elements) {
        if (!is_project_element(kind)) continue;
        ++project_elements;
        if (!common) common = element;
        if (!values && kind == ElementKind::Project) values = element;
    }
    if (project_elements > 1) report.note("Only the first project element was read; further ones were left out.");
    // The project keeps nothing of its own part from before.
    project.set_tooltip_txt(GCC::default_ttt);
    project.clear_comments();
    project.set_ref_ids({});
    builder.set_subject(&project, "", Sharing::Own);
    if (common) {
        children.index(common);
        builder.adopt_project(children.text(Field::Uid, report));
        read_common(&project, Sharing::Own);
    }
    if (values) read_project_values(values, project, report);
}

bool ObjectReader::adopt(Node* node, const std::string& uid) {
    if (uid.empty()) {
        // Objects are made without uid while the graph is rebuilt; one stored
        // without uid gets a fresh one, which may be one the file uses.
        node->set_uid(node->_generate_uid());
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

std::string_view ObjectReader::link_uid(pugi::xml_node element) {
    // The document's own text when it needs no decoding, as nearly always: no
    // copy per link. Otherwise the decoded text, kept by the builder.
    if (const auto stored = text_as_stored(element)) return *stored;
    return builder.keep(text_in(element, report));
}

const std::vector<std::string_view>& ObjectReader::link_uids(Field field, std::vector<std::string_view>& uids) {
    uids.clear();
    for (const pugi::xml_node element : children.all(field)) uids.push_back(link_uid(element));
    return uids;
}

void ObjectReader::read_common(Node* node, Sharing sharing) {
    node->set_tooltip_txt(children.text(Field::Tooltip, report));
    node->clear_comments();
    for (const pugi::xml_node comment : children.first(Field::Comments).children(COMMENT_TAG))
        node->add_comment(text_of(comment, COMMENT_AUTHOR_TAG, report), text_of(comment, COMMENT_CONTENT_TAG, report));
    std::vector<uint64_t> ref_ids;
    for (const std::string& text : children.texts(Field::RefId, report)) {
        if (const auto id = parse_unsigned(text))
            ref_ids.push_back(*id);
        else
            report.note(std::string("A value of \"") + REF_ID_ATT_NAME + "\" could not be read; it was left out.");
    }
    node->set_ref_ids(std::move(ref_ids));
    builder.set_links(node, link_uids(Field::Parent, parent_uids), link_uids(Field::Child, child_uids));
    builder.set_subject(node, children.text(Field::Subject, report), sharing);
}

void ObjectReader::read_verb_capability(Node* node) {
    // Group 0: a requirement shares an equal pair of the story or the
    // requirement it derives from, as it did when it was saved.
    builder.set_verb_capability(node, children.text(Field::Verb, report), children.text(Field::Capability, report), 0);
}

int ObjectReader::read_level(Field field, int default_value) {
    const int level = read_int(field, default_value);
    if (level < 0 || level > 9)
        report.note(std::string("A value of \"") + ObjectChildren::name(field) +
                    "\" outside 0..9 was moved into that range.");
    return std::clamp(level, 0, 9);
}

void ObjectReader::read_quantity(VerbCapParamBase* node, bool is_evidence) {
    const auto& table = Parameter::_possible_par_types;
    uint32_t type = 1;
    const std::string type_name = children.text(Field::ParType, report);
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
    const std::string symbol = children.text(Field::ParUnitSymbol, report);
    if (!symbol.empty()) {
        const std::string key = MyStrF::_trimLwr(symbol);
        const auto found = std::find(row.unit_symbols_lc.begin(), row.unit_symbols_lc.end(), key);
        if (found != row.unit_symbols_lc.end())
            unit = static_cast<uint16_t>(found - row.unit_symbols_lc.begin());
        else
            report.note("A quantity in an unknown unit was read in the base unit of its type.");
    }

    double value = read_real_value(children.first(Field::ParValue), PAR_VALUE_ATT_NAME, 0.0, report);
    if (!std::isfinite(row.factors[unit] * value - row.deltas[unit])) {
        report.note("A quantity too large for its unit was read as 0.");
        value = 0.0;
    }

    int target = read_int(Field::ParTargetInt, 0);
    if (target < 0 || target >= static_cast<int>(row.target_texts.size())) {
        report.note("A quantity with an unknown target was read with the target \"equal to\".");
        target = 3;
    }

    int weight = 100;
    if (!is_evidence) {
        weight = read_int(Field::ParWeight, 100);
        if (weight < 1 || weight > 100)
            report.note(std::string("A value of \"") + PAR_WEIGHT_ATT_NAME + "\" outside 1..100 was moved into that range.");
    }
    node->get_par().assign(type, value, unit, static_cast<uint16_t>(target),
                           static_cast<uint16_t>(std::clamp(weight, 1, 100)));
}

void ObjectReader::read_object(const RootElement& root_element) {
    const auto& [kind, element] = root_element;
    if (kind == ElementKind::Plain)
        report.note("Plain objects (\"NDE\") carry nothing of their own and were left out.");
    else if (kind == ElementKind::Unknown)
        report.note(std::string("Unknown acronym ") + element.name() +
                    " encountered when reading file.\nOpening file will continue, but one object skipped.");
    // The project and the quantity types are read before the objects.
    if (!is_object(kind)) return;
    children.index(element);
    const std::string uid = children.text(Field::Uid, report);
    if (kind == ElementKind::Story) {
        auto* story = new UserStory(nullptr, children.text(Field::Verb, report), children.text(Field::Capability, report), "",
                                    children.text(Field::Description, report), false);
        if (!adopt(story, uid)) return;
        read_common(story, Sharing::SameTextAsSource);
        read_verb_capability(story);
    } else if (kind == ElementKind::Mandate) {
        auto* mandate = new Mandate(nullptr, children.text(Field::Remark, report), read_level(Field::ReqdLevel, 1), false);
        if (adopt(mandate, uid)) read_common(mandate, Sharing::SameTextAsSource);
    } else if (kind == ElementKind::Requirement) {
        auto* requirement = new Requirement(nullptr, "", "");
        if (!adopt(requirement, uid)) return;
        read_common(requirement, Sharing::SameTextAsSource);
        read_verb_capability(requirement);
        read_quantity(requirement, false);
    } else if (kind == ElementKind::Problem) {
        auto* problem = new DesignProblem(nullptr);
        if (adopt(problem, uid)) read_common(problem, Sharing::SameTextAsSource);
    } else if (kind == ElementKind::Option) {
        // Every option has a subject text of its own, also an empty one.
        auto* option = new Option(nullptr, children.text(Field::Subject, report));
        if (adopt(option, uid)) read_common(option, Sharing::Own);
    } else if (kind == ElementKind::Argument) {
        auto* argument = new Argument(nullptr, nullptr, true);
        if (!adopt(argument, uid)) return;
        read_common(argument, Sharing::SameTextAsSource);
        argument->set_validates(read_bool_value(children.first(Field::Validates), VALIDATES_ATT_NAME, true, report));
    } else if (kind == ElementKind::Evidence) {
        auto* evidence = new Evidence(nullptr, "");
        if (!adopt(evidence, uid)) return;
        read_common(evidence, Sharing::SameTextAsSource);
        read_verb_capability(evidence);
        read_quantity(evidence, true);
        evidence->get_rlevel().set_levels(read_level(Field::AchievedLevel, 0));
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
        std::vector<RootElement> elements;
        std::vector<pugi::xml_node> quantity_types;
        for (const pugi::xml_node element : root.children()) {
            if (element.type() != pugi::node_element) continue;
            elements.push_back({kind_of(element), element});
            if (elements.back().kind == ElementKind::QuantityType) quantity_types.push_back(element);
        }
        // Most elements are objects.
        builder.expect(elements.size());
        read_quantity_types(quantity_types, report);
        ObjectReader reader(project, builder, report);
        reader.read_project(elements);
        for (const RootElement& element : elements) reader.read_object(element);
        report.note_lines(builder.finish());
    }
    GCC::RP = previous;
    return report.text();
}

ReadOutcome read_project_file(Project& project, const std::string& path) {
    settings_io::FileContent file = settings_io::read_regular_file(path);
    if (!file.error.empty()) return {false, file.error};
    // The content is ours: parsed where it lies instead of copied first.
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer_inplace(file.content.data(), file.content.size(), xml_reading::parse_options, pugi::encoding_auto);
    return read_parsed(project, doc, parsed, path);
}

ReadOutcome read_project_buffer(Project& project, const void* data, size_t size, const std::string& source) {
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed = doc.load_buffer(data, size, xml_reading::parse_options, pugi::encoding_auto);
    return read_parsed(project, doc, parsed, source);
}

}  // namespace project_file
