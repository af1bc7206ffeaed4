#pragma once

#include <QPixmap>
#include <string>
#include <vector>

#include "ui/main_window/main_window_services.h"

namespace ui_testing {

// A main window that only counts what the rest of the user interface asks of
// it; while it exists it is the one main_window() returns.
class RecordingServices : public MainWindowServices {
public:
    int tree_rebuilds = 0;
    int page_rebuilds = 0;
    int rebuilds_after_undo_or_redo = 0;
    int undo_redo_updates = 0;
    bool saved = true;

    void request_tree_rebuild() override {
        ++tree_rebuilds;
        saved = false;
    }
    void request_page_rebuild(bool) override { ++page_rebuilds; }
    void request_rebuild_after_undo_or_redo() override {
        ++rebuilds_after_undo_or_redo;
        saved = false;
    }
    void set_saved(bool on) override { saved = on; }
    bool is_saved() const override { return saved; }
    std::vector<std::string> selected_uids() const override { return {}; }
    std::string first_selected_uid() const override { return {}; }
    void set_selection(const std::vector<std::string>&) override {}
    void select_uid(const std::string&) override {}
    void add_to_selection(const std::string&) override {}
    void deselect_uid(const std::string&) override {}
    void selection_from_project() override {}
    TabPage active_page() const override { return TabPage::Project; }
    void activate_page(TabPage) override {}
    QPixmap readiness_icon(int, int) override { return {}; }
    std::vector<QPixmap> readiness_icon_list(int) override { return {}; }
    QPixmap comment_icon(CommentIcon, bool, int) override { return {}; }
    void update_undo_redo_buttons() override { ++undo_redo_updates; }
    bool offers(Window) const override { return false; }
    void open_comment_popup(const std::string&, const QPoint&) override {}
    void show_related_objects(const std::string&, const QPoint&) override {}
    void show_hide_nodes(const std::vector<std::string>&, const QPoint&) override {}
    bool show_search_results(const std::string&, const std::vector<std::string>&, const std::vector<size_t>&,
                             const QPoint&) override {
        return false;
    }
    void show_int_req_review(const std::vector<std::string>&, const QPoint&) override {}
    void show_evidence_review(const std::string&, const QPoint&) override {}
    void show_origin_tree(const std::string&, const QPoint&) override {}
};

}  // namespace ui_testing
