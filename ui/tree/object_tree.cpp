#include "ui/tree/object_tree.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "core/constants/gcc.h"
#include "core/layout/tree_el.h"
#include "core/model/project.h"
#include "core/model/verb_cap_param_base.h"
#include "ui/glue/text_conversion.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/readiness_icons.h"
#include "ui/theme/captions.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/strip_style.h"
#include "ui/tree/tree_click.h"
#include "ui/tree/tree_rows.h"

namespace {

constexpr int category_icon = 11;

// The tree's text of an object: its short text without a length limit, for
// requirements and evidence with their subject.
std::string tree_text(const Node& node) {
    if (node.is_req() || node.is_evd()) return static_cast<const VerbCapParamBase&>(node).get_short_txt(0, true);
    return node.get_short_txt(0);
}

QTreeWidgetItem* group(const char* caption) { return new QTreeWidgetItem(QStringList(QString::fromLatin1(caption))); }

// Collapses every item below item, as new items are: kept items remember
// their expansion while their top item is collapsed.
void collapse_below(QTreeWidgetItem& item) {
    for (int index = 0; index < item.childCount(); ++index) {
        QTreeWidgetItem* child = item.child(index);
        if (child->isExpanded()) child->setExpanded(false);
        collapse_below(*child);
    }
}

// The options shown below an element of the option tree, in order: the
// problems themselves are not shown, their options hang on the option above.
void collect_options(const TreeEl& element, std::vector<const TreeEl*>& shown) {
    for (const TreeEl* child : element.get_children()) {
        const Node* node = child->get_node();
        if (!node) continue;
        if (node->is_opt())
            shown.push_back(child);
        else if (node->is_dpr())
            collect_options(*child, shown);
    }
}

bool& expansion_flag(ProjectSettings& s, ObjectTree::Top top) {
    switch (top) {
    case ObjectTree::Top::Project:
        return s.prj_node_expanded;
    case ObjectTree::Top::Requirements:
        return s.req_node_expanded;
    case ObjectTree::Top::DesignProblems:
        return s.dpr_node_expanded;
    case ObjectTree::Top::Options:
        return s.opt_node_expanded;
    case ObjectTree::Top::Arguments:
        return s.arg_node_expanded;
    case ObjectTree::Top::Evidences:
        return s.evd_node_expanded;
    }
    return s.prj_node_expanded;
}

constexpr ObjectTree::Top all_tops[] = {ObjectTree::Top::Project,        ObjectTree::Top::Requirements,
                                        ObjectTree::Top::DesignProblems, ObjectTree::Top::Options,
                                        ObjectTree::Top::Arguments,      ObjectTree::Top::Evidences};

}  // namespace

ObjectTree::ObjectTree(MainWindowServices& services, QWidget* parent) : QTreeWidget(parent), services_(services) {
    setHeaderHidden(true);
    setColumnCount(1);
    setFrameShape(QFrame::NoFrame);
    setIndentation(10);
    setSelectionMode(QAbstractItemView::NoSelection);
    setMouseTracking(true);  // hover highlight
    setUniformRowHeights(true);
    // Long texts scroll sideways instead of being cut. Measuring every row at
    // every rebuild is slow for large projects: the column fits the rows in
    // view and widens as wider rows come into view.
    header()->setStretchLastSection(false);
    header()->setResizeContentsPrecision(0);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ObjectTree::widen_to_rows_in_view);
    connect(this, &QTreeWidget::itemExpanded, this, &ObjectTree::widen_to_rows_in_view);
    connect(this, &QTreeWidget::itemExpanded, this, [this] { expansion_touched_ = true; });
    connect(this, &QTreeWidget::itemCollapsed, this, [this] { expansion_touched_ = true; });
    build_menu();
}

void ObjectTree::build_menu() {
    menu_ = new QMenu(this);
    menu_->setToolTipsVisible(true);
    related_ = menu_->addAction(glue::to_ui(gcm::tree_menu::show_related.txt));
    comments_ = menu_->addAction(glue::to_ui(gcm::tree_menu::edit_comments.txt));
    comments_->setToolTip(glue::to_ui(gcm::tree_menu::edit_comments.ttt));
    // Queued: a command runs once the menu has closed and its own handlers have returned.
    connect(
        related_, &QAction::triggered, this,
        [this] {
            // The object may be gone by now: the items name it by uid only.
            const std::vector<QTreeWidgetItem*> items = items_of(menu_uid_);
            if (items.empty()) return;
            services_.show_related_objects(menu_uid_, viewport()->mapToGlobal(visualItemRect(items.front()).topLeft()));
        },
        Qt::QueuedConnection);
    connect(
        comments_, &QAction::triggered, this,
        [this] {
            const std::vector<QTreeWidgetItem*> items = items_of(menu_uid_);
            if (items.empty()) return;
            const int level = visualItemRect(items.front()).top();
            services_.open_comment_popup(menu_uid_, viewport()->mapToGlobal(QPoint(viewport()->width(), level)));
        },
        Qt::QueuedConnection);
}

std::string ObjectTree::uid_of(const QTreeWidgetItem* item) {
    if (!item || item->type() != object_tree::ObjectItem::Type) return {};
    return static_cast<const object_tree::ObjectItem*>(item)->uid;
}

std::vector<QTreeWidgetItem*> ObjectTree::items_of(const std::string& uid) const {
    const auto found = items_.find(uid);
    return found == items_.end() ? std::vector<QTreeWidgetItem*>{} : found->second;
}

// ---------------------------------------------------------------- building

bool ObjectTree::refresh_icons() {
    const int size = static_cast<int>(std::lround(0.8 * gcm::app_font_height()));
    const int level = ReadinessLevel::get_reqd_level();
    if (size == icon_size_ && level == icon_level_) return false;
    icons_.clear();
    for (const QPixmap& picture : services_.readiness_icon_list(size)) icons_.emplace_back(picture);
    icon_size_ = size;
    icon_level_ = level;
    setIconSize(QSize(size, size));
    return true;
}

void ObjectTree::apply_colours() {
    // Only a change of colours is applied: restyling is slow, and most rebuilds keep them.
    const gcm::Scheme& scheme = gcm::scheme();
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window}) colours.setColor(role, scheme.panel_color);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText})
        colours.setColor(role, scheme.panel_text_color);
    if (colours != palette()) setPalette(colours);
    const QString menu_style = toolkit::menu_style_sheet(toolkit::button_strip_colours(), 0, 0);
    if (menu_style != menu_->styleSheet()) menu_->setStyleSheet(menu_style);
}

object_tree::TreeRow ObjectTree::row_of(const Node& node, std::string text) const {
    return {&node.get_uid(), std::move(text), node.get_rlevel().get_min_level(true)};
}

bool ObjectTree::sync_option_layer(QTreeWidgetItem& parent, const TreeEl& element,
                                   const object_tree::TreePictures& pictures) {
    std::vector<const TreeEl*> shown;
    collect_options(element, shown);
    std::vector<object_tree::TreeRow> rows;
    rows.reserve(shown.size());
    for (const TreeEl* option : shown)
        rows.push_back(row_of(*option->get_node(), option->get_node()->get_short_txt(0)));
    bool reshaped = object_tree::sync_children(parent, rows, pictures);
    for (size_t index = 0; index < shown.size(); ++index)
        reshaped = sync_option_layer(*parent.child(static_cast<int>(index)), *shown[index], pictures) || reshaped;
    return reshaped;
}

void ObjectTree::list_items(QTreeWidgetItem& item) {
    if (item.type() == object_tree::ObjectItem::Type)
        items_[static_cast<object_tree::ObjectItem&>(item).uid].push_back(&item);
    for (int index = 0; index < item.childCount(); ++index) list_items(*item.child(index));
}

void ObjectTree::build_top_items(const std::string& project_uid) {
    clear();
    auto* project_item = new object_tree::ObjectItem(project_uid);
    project_item->addChildren({group("User Stories"), group("Mandates")});
    addTopLevelItems({project_item, group("Requirements"), group("DesignProblems"), group("Options"),
                      group("Arguments"), group("Evidences")});
}

void ObjectTree::rebuild(bool from_settings) {
    Project* project = GCC::RP;
    if (!project) return;
    if (!from_settings) store_expansion();
    const object_tree::TreePictures pictures{icons_, refresh_icons()};
    apply_colours();

    setUpdatesEnabled(false);
    // The items stay from one rebuild to the next and follow the project by
    // uid: rebuilding every item of a large project costs far more than
    // finding the few that changed. Another project replaces them all.
    bool reshaped = false;
    if (topLevelItemCount() != static_cast<int>(std::size(all_tops)) ||
        uid_of(top_item(Top::Project)) != project->get_uid()) {
        build_top_items(project->get_uid());
        reshaped = true;
    }
    setCurrentItem(nullptr);
    auto* project_item = static_cast<object_tree::ObjectItem*>(top_item(Top::Project));
    object_tree::refresh_item(*project_item, row_of(*project, project->get_short_txt(0)), pictures);
    const QIcon category = icons_.size() > category_icon ? icons_[category_icon] : QIcon();
    for (QTreeWidgetItem* group_item :
         {project_item->child(0), project_item->child(1), top_item(Top::Requirements), top_item(Top::DesignProblems),
          top_item(Top::Options), top_item(Top::Arguments), top_item(Top::Evidences)})
        if (group_item->icon(0).cacheKey() != category.cacheKey()) group_item->setIcon(0, category);

    enum Group { Stories, Mandates, Requirements, Problems, Arguments, Evidence, group_count };
    std::vector<object_tree::TreeRow> rows[group_count];
    for (const auto& [uid, node] : project->get_nd_map()) {
        if (node == project) continue;
        const Group under = node->is_usy()   ? Stories
                            : node->is_man() ? Mandates
                            : node->is_req() ? Requirements
                            : node->is_dpr() ? Problems
                            : node->is_arg() ? Arguments
                            : node->is_evd() ? Evidence
                                             : group_count;
        if (under != group_count) rows[under].push_back(row_of(*node, tree_text(*node)));
    }
    QTreeWidgetItem* const group_items[group_count] = {project_item->child(0),      project_item->child(1),
                                                       top_item(Top::Requirements), top_item(Top::DesignProblems),
                                                       top_item(Top::Arguments),    top_item(Top::Evidences)};
    for (int index = 0; index < group_count; ++index)
        reshaped = object_tree::sync_children(*group_items[index], rows[index], pictures) || reshaped;
    const std::unique_ptr<TreeEl> option_tree(project->create_opt_tree());
    reshaped = sync_option_layer(*top_item(Top::Options), *option_tree, pictures) || reshaped;
    // The items of objects are listed anew only when some were added, removed
    // or moved: hashing every uid at every edit is a large part of a rebuild.
    if (reshaped) {
        items_.clear();
        items_.reserve(project->get_nd_map().size());
        for (const Top top : all_tops) list_items(*top_item(top));
    }

    apply_expansion(reshaped || from_settings);
    show_selection();
    setColumnWidth(0, sizeHintForColumn(0));
    setUpdatesEnabled(true);
}

void ObjectTree::widen_to_rows_in_view() {
    if (!updatesEnabled()) return;  // a rebuild fits the column once at its end
    if (const int wanted = sizeHintForColumn(0); wanted > columnWidth(0)) setColumnWidth(0, wanted);
}

void ObjectTree::apply_expansion(bool items_reshaped) {
    ProjectSettings& settings = GCC::RP->get_settings();
    std::vector<bool> flags;
    for (const Top top : all_tops) flags.push_back(expansion_flag(settings, top));
    if (!items_reshaped && !expansion_touched_ && flags == applied_expansion_) return;
    for (const Top top : all_tops) {
        QTreeWidgetItem* item = top_item(top);
        if (expansion_flag(settings, top)) {
            expandRecursively(indexFromItem(item));
        } else {
            collapseItem(item);
            collapse_below(*item);
        }
    }
    // The user stories and the mandate are always in view.
    for (int i = 0; i < top_item(Top::Project)->childCount(); ++i) expandItem(top_item(Top::Project)->child(i));
    applied_expansion_ = std::move(flags);
    expansion_touched_ = false;
}

void ObjectTree::store_expansion() const {
    if (!GCC::RP || topLevelItemCount() != static_cast<int>(std::size(all_tops))) return;
    ProjectSettings& settings = GCC::RP->get_settings();
    for (const Top top : all_tops) {
        const QTreeWidgetItem* item = top_item(top);
        if (item->childCount() > 0) expansion_flag(settings, top) = item->isExpanded();
    }
}

// ---------------------------------------------------------------- selection

void ObjectTree::show_selection() {
    for (const std::string& uid : coloured_)
        for (QTreeWidgetItem* item : items_of(uid)) {
            item->setData(0, Qt::BackgroundRole, QVariant());
            item->setData(0, Qt::ForegroundRole, QVariant());
        }
    coloured_ = services_.selected_uids();
    const gcm::Scheme& scheme = gcm::scheme();
    for (const std::string& uid : coloured_)
        for (QTreeWidgetItem* item : items_of(uid)) {
            item->setBackground(0, scheme.panel_color_sel);
            item->setForeground(0, scheme.panel_text_color_sel);
        }
}

void ObjectTree::clicked(const QTreeWidgetItem& item, bool ctrl) {
    const std::string uid = uid_of(&item);
    if (uid.empty()) return;  // a group: nothing to select
    services_.set_selection(object_tree::selection_after_click(services_.selected_uids(), uid, ctrl));
}

void ObjectTree::open_menu(QTreeWidgetItem& item, const QPoint& at) {
    menu_uid_ = uid_of(&item);
    if (menu_uid_.empty()) return;
    related_->setEnabled(services_.offers(MainWindowServices::Window::RelatedObjects));
    comments_->setEnabled(services_.offers(MainWindowServices::Window::CommentPopup));
    menu_->popup(at);
    // The menu's commands act on this item; it is not selected for that.
    setCurrentItem(&item);
}

void ObjectTree::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(at);
    // The row itself, not the expansion arrow beside it.
    const bool on_item = item && visualItemRect(item).contains(at);
    const Qt::MouseButton button = event->button();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    const QPoint global = event->globalPosition().toPoint();
    QTreeWidget::mousePressEvent(event);  // expansion arrows and the current item
    if (!on_item) return;
    if (button == Qt::LeftButton)
        clicked(*item, ctrl);
    else if (button == Qt::RightButton)
        open_menu(*item, global);
}

bool ObjectTree::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QTreeWidget::viewportEvent(event);
    // Tooltips are made when asked for: the full text of an object as it is now.
    const auto* help = static_cast<QHelpEvent*>(event);
    const std::string uid = uid_of(itemAt(help->pos()));
    const Node* node = GCC::RP && !uid.empty() ? GCC::RP->_get_pointer_to_node_with_uid(uid) : nullptr;
    if (node)
        QToolTip::showText(help->globalPos(), glue::wrapped_tooltip(node->get_txt()), viewport());
    else
        QToolTip::hideText();
    return true;
}

// ---------------------------------------------------------------- main window

ObjectTree* install_object_tree(MainWindow& window) {
    auto* tree = new ObjectTree(window, window.tree_area());
    window.tree_area()->layout()->addWidget(tree);
    window.install_tree_builder([tree](bool from_settings) { tree->rebuild(from_settings); });
    window.install_tree_expansion_store([tree] { tree->store_expansion(); });
    window.install_tree_lookup([tree](const std::string& uid) { return tree->shows(uid); });
    QObject::connect(&window, &MainWindow::selectionChanged, tree, &ObjectTree::show_selection);
    return tree;
}
