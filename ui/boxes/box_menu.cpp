#include "ui/boxes/box_menu.h"

#include <QApplication>
#include <QMenu>

#include "ui/boxes/box_commands.h"
#include "ui/boxes/common_commands.h"
#include "ui/boxes/object_box.h"
#include "ui/glue/text_conversion.h"
#include "ui/theme/fonts.h"
#include "ui/toolkit/strip_style.h"

namespace boxes {
namespace {

BoxCommandContext context_of(const ObjectBox& box) {
    return {box.description(), box.dialog_position(), QPointer<ObjectBox>(const_cast<ObjectBox*>(&box))};
}

}  // namespace

QAction* add_item(QMenu& menu, const gcm::Caption& caption, std::function<void()> handler) {
    QAction* action = menu.addAction(glue::plain_caption(glue::to_ui(caption.txt)));
    if (!caption.ttt.empty()) action->setToolTip(glue::to_ui(caption.ttt));
    // Queued on the application: the command runs once the menu has closed and its
    // own handlers have returned, so its dialogs never run while the menu, which is
    // released when it hides, is still on the stack.
    QObject::connect(action, &QAction::triggered, qApp, std::move(handler), Qt::QueuedConnection);
    return action;
}

void add_separator(QMenu& menu) {
    const QList<QAction*> actions = menu.actions();
    if (actions.isEmpty() || actions.back()->isSeparator()) return;
    menu.addSeparator();
}

QMenu* build_box_menu(const ObjectBox& box, QWidget* parent) {
    Node* node = box.node();
    if (!node) return nullptr;
    auto* menu = new QMenu(parent);
    QObject::connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    menu->setToolTipsVisible(true);
    menu->setFont(gcm::app_font());
    menu->setStyleSheet(toolkit::menu_style_sheet(toolkit::button_strip_colours(), gcm::app_font_height() + 8, 0));
    const BoxCommandContext context = context_of(box);
    if (const BoxKindCommands* kind = kind_commands(box.description().kind); kind && kind->add_items)
        kind->add_items(*menu, context, *node);
    add_common_items(*menu, context, *node);
    return menu;
}

void run_double_click(const ObjectBox& box) {
    const BoxKindCommands* kind = kind_commands(box.description().kind);
    if (kind && kind->double_click) kind->double_click(context_of(box));
}

bool has_readiness_click(const ObjectBox& box) {
    const BoxKindCommands* kind = kind_commands(box.description().kind);
    return kind && kind->readiness_click;
}

void run_readiness_click(const ObjectBox& box) {
    const BoxKindCommands* kind = kind_commands(box.description().kind);
    if (kind && kind->readiness_click) kind->readiness_click(context_of(box));
}

}  // namespace boxes
