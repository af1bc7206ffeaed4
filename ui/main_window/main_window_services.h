#pragma once

#include <QPixmap>
#include <QPoint>
#include <cstddef>
#include <string>
#include <vector>

#include "ui/main_window/tab_page.h"

// What the main window offers the other parts of the user interface (boxes,
// tree, pages, dialogs, secondary windows). They are built and tested against
// this interface, never against the window itself.
//
// Conventions every user of it keeps:
// - Objects are named by uid. Open rebuilds every model object at a new
//   address, and undo or redo may delete, recreate or rebuild any of them,
//   so nothing keeps a Node* across a command; a handler
//   resolves its uid first and does nothing when the object is gone.
// - Rebuilds are requested, never run by the handler that asks: requests are
//   queued and coalesced into one rebuild per turn of the event loop. After
//   asking, a handler does not touch its own box or item again.
class MainWindowServices {
public:
    MainWindowServices();
    virtual ~MainWindowServices();
    MainWindowServices(const MainWindowServices&) = delete;
    MainWindowServices& operator=(const MainWindowServices&) = delete;

    // ---- Rebuilds (queued, coalesced) ----
    // The left tree. Every model change asks for it, so asking marks the
    // project unsaved at once (a later set_saved(true) is not undone by the
    // queued rebuild).
    virtual void request_tree_rebuild() = 0;
    // The active page; keep_scroll false scrolls to the top-left.
    virtual void request_page_rebuild(bool keep_scroll) = 0;
    // Everything after undo, redo or open: colours, fonts, filter chooser, zoom,
    // tree, the selection from the project, and the page from the top. Marks
    // the project unsaved at once.
    virtual void request_rebuild_after_undo_or_redo() = 0;

    // ---- Saved state ----
    virtual void set_saved(bool saved) = 0;
    virtual bool is_saved() const = 0;

    // ---- The selection, by uid, in the order objects were selected ----
    // One selection, shown by the left tree and kept in the project's selected
    // uids. Every change of it: the project's selected uids follow (selecting is
    // no edit: no undo state, the saved state stays), selectionChanged is
    // emitted, and the active page, unless it is the Project page, is redrawn
    // from the top (the other pages start from the first selected object). A
    // change made while the page is painted (the Validation page following its
    // option) redraws nothing more. Only objects the tree shows can be selected;
    // other uids are ignored. Undo, redo and rebuilds keep the selection and its
    // order, less the objects that are gone.
    virtual std::vector<std::string> selected_uids() const = 0;
    // "" when nothing is selected.
    virtual std::string first_selected_uid() const = 0;
    // The selection becomes uids, in this order (repeated uids count once).
    virtual void set_selection(const std::vector<std::string>& uids) = 0;
    // Makes uid the only selected object.
    virtual void select_uid(const std::string& uid) = 0;
    // Appends uid to the selection (no effect when selected already).
    virtual void add_to_selection(const std::string& uid) = 0;
    virtual void deselect_uid(const std::string& uid) = 0;
    // After something set the project's selected uids itself: the selection
    // follows them, selected objects in their order first, the others in
    // registry order.
    virtual void selection_from_project() = 0;

    // ---- Pages ----
    virtual TabPage active_page() const = 0;
    // As a click on the page's button: nothing when it is active already.
    virtual void activate_page(TabPage page) = 0;

    // ---- Pictures ----
    // Readiness icon `index` (the display code of a level, 0..12) of the list
    // for the required level, (size - 1) square; null for size <= 1 or an
    // unknown index.
    virtual QPixmap readiness_icon(int size, int index) = 0;
    // The whole list of 13 icons at size x size (the tree's icons).
    virtual std::vector<QPixmap> readiness_icon_list(int size) = 0;
    enum class CommentIcon { Add, Text, Delete };
    // Light variant for dark backgrounds, dark variant for light ones.
    virtual QPixmap comment_icon(CommentIcon icon, bool dark_background, int size) = 0;

    virtual void update_undo_redo_buttons() = 0;

    // ---- Secondary windows, opened at a screen position ----
    // They come with their own parts; until a window is installed, asking for it
    // does nothing, and offers() says whether it is there.
    enum class Window { CommentPopup, RelatedObjects, HideShow, SearchResults };
    virtual bool offers(Window window) const = 0;
    virtual void open_comment_popup(const std::string& uid, const QPoint& at) = 0;
    virtual void show_related_objects(const std::string& uid, const QPoint& at) = 0;
    // The hide/show choice of a stacked box of the V-diagram among its
    // candidates (those that exist, the shown one first). The window applies
    // the choice to the project's shown-uid set; when that changed, it records
    // one undo state of the project and asks for the tree and page rebuilds.
    virtual void show_hide_nodes(const std::vector<std::string>& candidate_uids, const QPoint& at) = 0;
    // The modal search results for text: the objects found and the quantity
    // types found (indexes of the quantity-type table). True when the user
    // chose to select the objects; false without the window.
    virtual bool show_search_results(const std::string& text, const std::vector<std::string>& uids,
                                     const std::vector<size_t>& quantity_types, const QPoint& at) = 0;
    // The modal reviews: the options among option_uids that lack an
    // integration requirement, and what under the mandate needs evidence of a
    // higher readiness level.
    virtual void show_int_req_review(const std::vector<std::string>& option_uids, const QPoint& at) = 0;
    virtual void show_evidence_review(const std::string& mandate_uid, const QPoint& at) = 0;
    // The modal origin tree of a requirement ("Show Why"): the requirements it
    // comes from above it.
    virtual void show_origin_tree(const std::string& requirement_uid, const QPoint& at) = 0;
};

// The main window while it exists, else null.
MainWindowServices* main_window();
