#include "tests/support/core/model_dump.h"

#include <array>
#include <charconv>
#include <unordered_map>
#include <vector>

#include "core/model/argument.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/user_story.h"
#include "core/model/verb_cap_param_base.h"
#include "core/quantity/parameter.h"
#include "core/text/number_format.h"

namespace testing_support {
namespace {

std::string number(double value) { return MyStrF::_double_to_roundtrip_string(value); }
template <typename Integer>
std::string integer(Integer value) {
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}
std::string flag(bool value) { return value ? "yes" : "no"; }
// One line per value: line breaks and backslashes are escaped.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out + "\"";
}

std::string uids(const NodeList& nodes) {
    std::string text;
    for (const Node* n : nodes) text += " " + n->get_uid();
    return text;
}

bool has_verb_capability(const Node* n) { return n->is_usy() || n->is_req() || n->is_evd(); }

// For each shared object, the uid of the first object in registry order that holds it.
template <typename Key, typename Get>
std::unordered_map<const Node*, std::string> first_holders(const Project& project, Get get) {
    std::unordered_map<const void*, std::string> first_by_key;
    std::unordered_map<const Node*, std::string> holder;
    for (const auto& [uid, node] : project.get_nd_map()) {
        const Key* key = get(node);
        if (!key) continue;
        holder[node] = first_by_key.emplace(key, node->get_uid()).first->second;
    }
    return holder;
}

void dump_quantity_table(std::string& out) {
    out += "quantity types:\n";
    for (const PossPar& type : Parameter::_possible_par_types) {
        out += "  " + quoted(type.name) + (type.is_custom ? " custom" : "") + " targets:";
        for (const std::string& t : type.target_texts) out += " " + quoted(t);
        out += "\n";
        for (size_t u = 0; u < type.unit_count(); ++u)
            out += "    unit " + quoted(type.unit_symbols[u]) + " factor " + number(type.factors[u]) + " delta " +
                   number(type.deltas[u]) + " active " + flag(type.unit_is_active[u]) + " custom " +
                   flag(type.unit_is_custom[u]) + "\n";
    }
}

void dump_project_values(const Project& project, std::string& out) {
    const ProjectSettings& s = project.get_settings();
    out += "project " + quoted(project.get_name()) + " description " + quoted(project.get_description()) + "\n";
    out += "required level " + integer(ReadinessLevel::get_reqd_level()) + "\n";
    out += "settings: font " + integer(s.font_size) + " zooms";
    for (uint16_t z : {s.zoom_prj, s.zoom_prb, s.zoom_opt, s.zoom_val, s.zoom_req, s.zoom_vdi})
        out += " " + integer(z);
    out += " show " + quoted(s.show_str) + "\n  colours";
    for (const RGB_Color* c :
         {&s.box_color_prj, &s.box_color_usy, &s.box_color_man, &s.box_color_dpr, &s.box_color_req,
          &s.box_color_opt_inv, &s.box_color_opt_val, &s.box_color_opt_opt, &s.box_color_arg, &s.box_color_evd,
          &s.box_color_par, &s.txt_color_prj, &s.txt_color_usy, &s.txt_color_man, &s.txt_color_dpr,
          &s.txt_color_req, &s.txt_color_opt_inv, &s.txt_color_opt_val, &s.txt_color_opt_opt, &s.txt_color_arg,
          &s.txt_color_evd, &s.txt_color_par, &s.panel_color, &s.panel_color_sel, &s.panel_text_color,
          &s.panel_text_color_sel, &s.box_connect_color, &s.box_border_color, &s.button_color,
          &s.btn_border_color})
        out += " " + c->get_rgb_str();
    out += "\n  tree";
    for (bool f : {s.prj_node_expanded, s.req_node_expanded, s.dpr_node_expanded, s.opt_node_expanded,
                   s.arg_node_expanded, s.evd_node_expanded})
        out += " " + flag(f);
    out += "\nreferences:\n";
    for (const auto& [id, r] : project.get_references())
        out += "  " + integer(id) + " " + quoted(r.name()) + " " +
               quoted(r.description()) + " " + quoted(r.link()) + " " + quoted(r.type()) + "\n";
}

void dump_object(const Node* n, const std::string& subject_holder, const std::string& vc_holder, std::string& out) {
    out += n->get_nd_type() + " " + n->get_uid() + "\n";
    out += "  text " + quoted(n->get_txt()) + "\n";
    out += "  subject " + quoted(n->get_subject()) + " held by " + subject_holder + "\n";
    if (has_verb_capability(n)) {
        const auto& vc = static_cast<const VerbCapBase*>(n)->get_verb_cap();
        out += "  verb " + quoted(vc->get_verb()) + " capability " + quoted(vc->get_capability()) + " held by " +
               vc_holder + "\n";
    }
    if (n->is_req() || n->is_evd()) {
        const Parameter& p = static_cast<const VerbCapParamBase*>(n)->get_par();
        out += "  quantity type " + integer(p.get_type_int()) + " unit " +
               integer(p.get_unit_int()) + " base " + number(p.get_base_value()) + " target " +
               integer(p.get_target_int()) + " weight " +
               integer(p.get_goal_weight()) + "\n";
    }
    const ReadinessLevel& level = n->get_rlevel();
    out += "  level " + integer(level.get_min_level(false)) + " max " +
           integer(level.get_max_level()) + " average " + number(level.get_av_level()) +
           " valid " + flag(level.is_valid()) + "\n";
    if (n->is_opt()) {
        const auto* option = static_cast<const Option*>(n);
        out += "  optimal " + flag(option->is_optimal()) + " totals";
        for (double total : option->get_par_base_value_sum()) out += " " + number(total);
        out += "\n";
    }
    if (n->is_arg()) out += "  validates " + flag(static_cast<const Argument*>(n)->get_validates()) + "\n";
    if (n->is_usy()) out += "  description " + quoted(static_cast<const UserStory*>(n)->get_description()) + "\n";
    if (n->is_man()) out += "  remark " + quoted(static_cast<const Mandate*>(n)->get_remark()) + "\n";
    out += "  tooltip " + quoted(n->get_tooltip_txt()) + "\n";
    out += "  parents" + uids(n->get_parents()) + "\n";
    out += "  children" + uids(n->get_children()) + "\n";
    for (size_t i = 0; i < n->get_comments_size(); ++i)
        out += "  comment " + quoted(n->get_authors()[i]) + " " + quoted(n->get_comments()[i]) + "\n";
    out += "  refs";
    for (uint64_t id : n->get_ref_ids()) out += " " + integer(id);
    out += "\n";
}

}  // namespace

std::string dump_project(const Project& project) {
    std::string out;
    dump_quantity_table(out);
    dump_project_values(project, out);
    // Subjects are resolved before the sharing is looked at.
    for (const auto& [uid, node] : project.get_nd_map()) node->get_subject();
    const auto subject_holders =
        first_holders<std::string>(project, [](const Node* n) { return n->subject_ptr().get(); });
    const auto vc_holders = first_holders<VerbCapability>(project, [](const Node* n) -> const VerbCapability* {
        return has_verb_capability(n) ? static_cast<const VerbCapBase*>(n)->get_verb_cap().get() : nullptr;
    });
    for (const auto& [uid, node] : project.get_nd_map()) {
        auto vc = vc_holders.find(node);
        dump_object(node, subject_holders.at(node), vc == vc_holders.end() ? std::string() : vc->second, out);
    }
    return out;
}

std::string dump_difference(const std::string& expected, const std::string& actual) {
    if (expected == actual) return {};
    auto lines = [](const std::string& text) {
        std::vector<std::string> result;
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            result.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return result;
    };
    const auto a = lines(expected);
    const auto b = lines(actual);
    size_t i = 0;
    std::string owner;
    while (i < a.size() && i < b.size() && a[i] == b[i]) {
        if (!a[i].empty() && a[i][0] != ' ') owner = a[i];
        ++i;
    }
    return "in " + owner + "\nexpected: " + (i < a.size() ? a[i] : "<end>") + "\nactual:   " +
           (i < b.size() ? b[i] : "<end>");
}

}  // namespace testing_support
