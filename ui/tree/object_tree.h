#pragma once

#include <QIcon>
#include <QTreeWidget>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/tree/tree_rows.h"

class MainWindow;
class MainWindowServices;
class Node;
class QMenu;
class TreeEl;

// The left tree of the main window: every object of the current project
// grouped by kind, with its readiness picture, its text and its full text as
// tooltip; options nested as sub-options and by the design problems below
// them. It shows the main window's selection in the selection colours (the
// view's own highlight is never used) and changes it by mouse: a click
// selects an object alone or empties the selection, a Ctrl-click toggles it,
// and a right click opens the object's menu without selecting. Items name
// their objects by uid; an object's item lives as long as the tree shows it
// at the same place.
class ObjectTree : public QTreeWidget {
    Q_OBJECT
public:
    // The six top items, in their order and in that of the expansion flags.
    enum class Top { Project, Requirements, DesignProblems, Options, Arguments, Evidences };

    explicit ObjectTree(MainWindowServices& services, QWidget* parent = nullptr);

    // Brings every item up to date with the current project (none: the tree
    // keeps what it shows), as if rebuilt from scratch: items of objects that
    // stay are kept and refreshed in place. from_settings: expand as the project's settings say (after an
    // open); otherwise the expansion of the moment is stored there and kept.
    void rebuild(bool from_settings);
    // The expansion of the six top items into the project's settings; an item
    // without children leaves its flag as it is.
    void store_expansion() const;
    // Colours the items of the selected objects, and only those, as selected.
    void show_selection();

    bool shows(const std::string& uid) const { return items_.count(uid) != 0; }
    // The items of an object (an option can be shown more than once).
    std::vector<QTreeWidgetItem*> items_of(const std::string& uid) const;
    QTreeWidgetItem* top_item(Top top) const { return topLevelItem(static_cast<int>(top)); }
    // The uid an item stands for; "" for group items.
    static std::string uid_of(const QTreeWidgetItem* item);

    // The context menu and the object it was opened for.
    QMenu* context_menu() const { return menu_; }
    const std::string& context_uid() const { return menu_uid_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void build_top_items(const std::string& project_uid);
    object_tree::TreeRow row_of(const Node& node, std::string text) const;
    // Returns whether the items below parent were added, removed or moved.
    bool sync_option_layer(QTreeWidgetItem& parent, const TreeEl& element, const object_tree::TreePictures& pictures);
    // Lists item and the object items below it in items_, in tree order.
    void list_items(QTreeWidgetItem& item);
    // The expansion the settings ask for; skipped when the items are already
    // so (nothing was added, moved or expanded and collapsed since then).
    void apply_expansion(bool items_reshaped);
    void widen_to_rows_in_view();
    // Remakes the pictures when their size or the required level changed; true if it did.
    bool refresh_icons();
    void apply_colours();
    void clicked(const QTreeWidgetItem& item, bool ctrl);
    void open_menu(QTreeWidgetItem& item, const QPoint& at);
    void build_menu();

    MainWindowServices& services_;
    // Keyed by the uids the items hold.
    std::unordered_map<std::string_view, std::vector<QTreeWidgetItem*>> items_;
    std::vector<std::string> coloured_;
    // Whether an item was expanded or collapsed since the expansion was last
    // applied, and the top items' flags it applied.
    bool expansion_touched_ = true;
    std::vector<bool> applied_expansion_;
    std::vector<QIcon> icons_;
    int icon_size_ = -1;
    int icon_level_ = -1;
    QMenu* menu_ = nullptr;
    QAction* related_ = nullptr;
    QAction* comments_ = nullptr;
    std::string menu_uid_;
};

// Puts the tree into the main window's tree area and installs it: its
// rebuild, its expansion store, its lookup and its colours on every change of
// the selection.
ObjectTree* install_object_tree(MainWindow& window);
