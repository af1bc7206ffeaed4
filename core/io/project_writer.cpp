#include "core/io/project_writer.h"

#include <cmath>
#include <limits>

#include "core/constants/gcc.h"
#include "core/io/project_element.h"
#include "core/io/project_file_names.h"
#include "core/io/quantity_table_xml.h"
#include "core/io/xml_values.h"
#include "core/model/argument.h"
#include "core/model/mandate.h"
#include "core/model/project.h"
#include "core/model/user_story.h"
#include "core/model/verb_cap_param_base.h"
#include "core/settings/replace_file.h"
#include "core/text/number_format.h"
#include "core/text/sentences.h"

namespace project_file {
namespace {

// Collects the serialised document so that the file is replaced in one step.
struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
};

void write_common(pugi::xml_node element, const Node* node) {
    add_text(element, DEFAULT_UID_ATT_NAME, node->get_uid());
    add_text(element, SUBJECT_ATT_NAME, node->get_subject());
    if (node->get_tooltip_txt() != GCC::default_ttt) add_text(element, TOOLTIP_ATT_NAME, node->get_tooltip_txt());
    for (const Node* parent : node->get_parents()) add_text(element, PARENT_ATT_NAME, parent->get_uid());
    for (const Node* child : node->get_children()) add_text(element, CHILD_ATT_NAME, child->get_uid());
    if (node->get_comments_size() > 0) {
        pugi::xml_node comments = element.append_child(COMMENTS_TAG);
        for (size_t i = 0; i < node->get_comments_size(); ++i) {
            pugi::xml_node comment = comments.append_child(COMMENT_TAG);
            add_text(comment, COMMENT_AUTHOR_TAG, node->get_authors()[i]);
            add_text(comment, COMMENT_CONTENT_TAG, node->get_comments()[i]);
        }
    }
    for (const uint64_t id : node->get_ref_ids()) add_unsigned(element, REF_ID_ATT_NAME, id);
}

void write_verb_capability(pugi::xml_node element, const VerbCapBase* node) {
    add_text(element, VERB_ATT_NAME, node->get_verb_cap()->get_verb());
    add_text(element, CAPABILITY_ATT_NAME, node->get_verb_cap()->get_capability());
}

void write_quantified(pugi::xml_node element, const VerbCapParamBase* node, bool is_evidence) {
    write_verb_capability(element, node);
    const Parameter& par = node->get_par();
    add_text(element, PAR_TYPE_ATT_NAME, par.get_type());
    add_text(element, PAR_UNIT_SYMBOL_ATT_NAME, par.get_unit_symbol());
    add_text(element, PAR_VALUE_ATT_NAME, stored_value_text(par));
    add_integer(element, PAR_TARGET_INT_ATT_NAME, par.get_target_int());
    add_integer(element, PAR_WEIGHT_ATT_NAME, par.get_goal_weight());
    add_text(element, PAR_TARGET_REF_ONLY_ATT_NAME, par.get_target_txt());
    if (is_evidence) add_integer(element, ACHIEVED_LEVEL_ATT_NAME, node->get_rlevel().get_min_level(false));
}

// The kind's own values, after the common part.
void write_kind_values(pugi::xml_node element, const Node* node) {
    if (node->is_usy()) {
        write_verb_capability(element, static_cast<const UserStory*>(node));
        add_text(element, DESCRIPTION_ATT_NAME, static_cast<const UserStory*>(node)->get_description());
    } else if (node->is_man()) {
        add_integer(element, REQD_LEVEL_ATT_NAME, ReadinessLevel::get_reqd_level());
        add_text(element, REMARK_ATT_NAME, static_cast<const Mandate*>(node)->get_remark());
    } else if (node->is_req()) {
        write_quantified(element, static_cast<const VerbCapParamBase*>(node), false);
    } else if (node->is_dpr() || node->is_opt()) {
        // Their links and subject say everything.
    } else if (node->is_arg()) {
        add_bool(element, VALIDATES_ATT_NAME, static_cast<const Argument*>(node)->get_validates());
    } else if (node->is_evd()) {
        write_quantified(element, static_cast<const VerbCapParamBase*>(node), true);
    }
}

// Plain nodes have no element of their own.
bool has_element(const Node* node) {
    return node->is_usy() || node->is_man() || node->is_req() || node->is_dpr() || node->is_opt() || node->is_arg() ||
           node->is_evd();
}

// The unit the reader finds for the written symbol (the first with its key).
size_t unit_read_back(const PossPar& type, const std::string& symbol) {
    const std::string key = MyStrF::_trimLwr(symbol);
    for (size_t unit = 0; unit < type.unit_count(); ++unit)
        if (type.unit_symbols_lc[unit] == key) return unit;
    return 0;
}

}  // namespace

std::string stored_value_text(const Parameter& par) {
    const auto& table = Parameter::_possible_par_types;
    const PossPar& type = table[par.get_type_int() < table.size() ? par.get_type_int() : 1];
    const size_t unit = unit_read_back(type, par.get_unit_symbol());
    const double factor = type.factors[unit];
    const double delta = type.deltas[unit];
    const double base = par.get_base_value();
    // The reader computes factor * value - delta; the quotient below may miss
    // the base by an ulp, so its neighbours are tried too.
    const double first_guess = (base + delta) / factor;
    std::string best = MyStrF::_double_to_roundtrip_string(first_guess);
    bool exact = false;
    double below = first_guess;
    double above = first_guess;
    for (int step = 0; step <= 4 && std::isfinite(first_guess); ++step) {
        for (const double candidate : {below, above}) {
            if (factor * candidate - delta != base) continue;
            std::string text = MyStrF::_double_to_roundtrip_string(candidate);
            if (!exact || text.size() < best.size()) best = std::move(text);
            exact = true;
        }
        below = std::nextafter(below, -std::numeric_limits<double>::infinity());
        above = std::nextafter(above, std::numeric_limits<double>::infinity());
    }
    return best;
}

pugi::xml_document build_project_document(Project& project) {
    pugi::xml_document doc;
    pugi::xml_node declaration = doc.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    declaration.append_attribute("encoding").set_value("UTF-8");
    pugi::xml_node root = doc.append_child(DEFAULT_ROOT_EL_NAME);

    write_quantity_types(root);

    pugi::xml_node project_element = root.append_child(project.get_nd_type().c_str());
    write_common(project_element, &project);
    write_project_values(project_element, project);

    for (const auto& [uid, node] : project.get_nd_map()) {
        if (node->is_prj() || !has_element(node)) continue;
        pugi::xml_node element = root.append_child(node->get_nd_type().c_str());
        write_common(element, node);
        write_kind_values(element, node);
    }
    return doc;
}

std::string project_file_text(Project& project) {
    StringWriter writer;
    build_project_document(project).save(writer, "\t", pugi::format_default, pugi::encoding_utf8);
    return writer.text;
}

std::string save_project_file(Project& project, const std::string& path) {
    return settings_io::replace_file(path, project_file_text(project));
}

}  // namespace project_file
