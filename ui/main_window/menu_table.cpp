#include "ui/main_window/menu_table.h"

namespace {

MenuItemEntry item(Command command, gcm::Caption caption) { return {command, caption, {}}; }
MenuItemEntry separator() { return {std::nullopt, {}, {}}; }

}  // namespace

const std::vector<MenuEntry>& main_menu_table() {
    namespace m = gcm::menu;
    static const std::vector<MenuEntry> table{
        {m::file,
         {item(Command::New, m::new_file), item(Command::Open, m::open), item(Command::Save, m::save),
          item(Command::SaveAs, m::save_as), separator(), item(Command::ExportPdf, m::export_pdf),
          item(Command::ExportReqPdf, m::export_req_pdf), item(Command::ExportReqIf, m::export_reqif),
          item(Command::ExportSysml, m::export_sysml), item(Command::ImportComments, m::import_comments),
          separator(), item(Command::Close, m::close), item(Command::Exit, m::exit), separator()}},
        {m::edit,
         {item(Command::Undo, m::undo), item(Command::Redo, m::redo), item(Command::Find, m::find),
          item(Command::FindComments, m::find_comments), item(Command::FindUid, m::find_uid)}},
        {m::view,
         {item(Command::Appearance, m::appearance), item(Command::AppearanceDefault, m::appearance_default)}},
        {m::tools,
         {item(Command::CustomizeParameters, m::customize_parameters), item(Command::References, m::references),
          item(Command::ReviewIntReqs, m::review_int_reqs), item(Command::ReviewEvidence, m::review_evidence)}},
        {m::help,
         {item(Command::About, m::about), item(Command::Privacy, m::privacy),
          {std::nullopt,
           m::examples,
           {item(Command::ExplainExample, m::explain_example), item(Command::GateExample, m::gate_example)}},
          item(Command::Explain, m::explain)}},
    };
    return table;
}

const std::vector<ToolEntry>& tool_strip_table() {
    namespace t = gcm::tool;
    static const std::vector<ToolEntry> table{
        {Command::New, "new", t::new_file},
        {Command::Open, "open", t::open},
        {Command::Save, "save", t::save},
        {Command::SaveAs, "save_as", t::save_as},
        {Command::Undo, "undo", t::undo},
        {Command::Redo, "redo", t::redo},
        {Command::Find, "search", t::find},
        {Command::FindUid, "UIDsearch", t::find_uid},
        {Command::Screenshot, "screenshot", t::screenshot},
        {Command::ScreenGrab, "screen_grab", t::screen_grab},
        {Command::FontDecrease, "font_decrease", t::font_decrease},
        {Command::FontIncrease, "font_increase", t::font_increase},
        {Command::ZoomOut, "zoom_out", t::zoom_out},
        {Command::ZoomReset, "zoom_0", t::zoom_reset},
        {Command::ZoomIn, "zoom_in", t::zoom_in},
    };
    return table;
}
