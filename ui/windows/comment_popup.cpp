#include "ui/windows/comment_popup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <optional>

#include "core/constants/gcc.h"
#include "core/history/mementos.h"
#include "core/model/node.h"
#include "core/model/project.h"
#include "core/text/text_utils.h"
#include "ui/glue/colours.h"
#include "ui/glue/screen_placement.h"
#include "ui/glue/text_conversion.h"
#include "ui/main_window/main_window_services.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"

namespace windows {
namespace {

QPointer<CommentPopup> open_popup;

Node* resolve(const std::string& uid) {
    if (!main_window() || !GCC::RP) return nullptr;
    return GCC::RP->_get_pointer_to_node_with_uid(uid);
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string field_text(const QPlainTextEdit* edit) { return glue::to_model(edit->toPlainText()); }

// All authors followed by all texts of the object's comments in a state;
// nullopt when the state holds no memento of the object.
std::optional<std::vector<std::string>> comments_in_state(uint16_t state, const std::string& uid) {
    const auto memento = GCC::RP->get_mc_with_uid(state, uid);
    if (!memento) return std::nullopt;
    std::vector<std::string> all = memento->authors;
    all.insert(all.end(), memento->comments.begin(), memento->comments.end());
    return all;
}

bool is_key(const QKeyEvent& key, Qt::Key which) {
    return key.key() == which && (key.modifiers() & Qt::ControlModifier);
}

}  // namespace

CommentPopup* CommentPopup::open(const std::string& uid, const QPoint& at) {
    auto* window = dynamic_cast<QWidget*>(main_window());
    if (!window || !resolve(uid)) return nullptr;
    if (open_popup) open_popup->close();
    auto* popup = new CommentPopup(uid, at, window);
    open_popup = popup;
    return popup;
}

CommentPopup* CommentPopup::current() { return open_popup; }

CommentPopup::CommentPopup(std::string uid, const QPoint& at, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), uid_(std::move(uid)), requested_pos_(at) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(gcm::app_font());
    const int f = gcm::app_font_height();
    button_size_ = f + 5;
    panel_width_ = 12 * f;
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidgetResizable(false);
    setWindowTitle(QStringLiteral("Comments"));
    show();
    populate();
    activateWindow();
}

std::vector<QPlainTextEdit*> CommentPopup::fields() const {
    std::vector<QPlainTextEdit*> all;
    for (size_t i = 0; i < authors_.size(); ++i) {
        all.push_back(authors_[i].edit);
        all.push_back(comments_[i].edit);
    }
    all.push_back(new_author_);
    all.push_back(new_comment_);
    return all;
}

QPushButton* CommentPopup::delete_button(size_t i) const {
    return i < delete_buttons_.size() ? delete_buttons_[i] : nullptr;
}

QPlainTextEdit* CommentPopup::add_field(QWidget* panel, const std::string& text, int x, int y, int width, bool fit) {
    auto* edit = new QPlainTextEdit(panel);
    edit->setFrameShape(QFrame::NoFrame);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Fitted fields show their whole text; only the new comment may grow beyond its field.
    edit->setVerticalScrollBarPolicy(fit || !text.empty() ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setFont(font());
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Base, gcm::comment_color);
    colours.setColor(QPalette::Text, Qt::black);
    edit->setPalette(colours);
    edit->setPlainText(glue::to_ui(text));
    int height = text.empty() ? 5 * button_size_ : button_size_;
    if (fit && !text.empty()) {
        const QRect measured = QFontMetrics(font()).boundingRect(QRect(0, 0, width, 100000),
                                                                 Qt::TextWordWrap, glue::to_ui(text));
        height = std::max(measured.height() + 10, 20);
    }
    edit->setGeometry(x, y, width, height);
    edit->installEventFilter(this);
    return edit;
}

QPushButton* CommentPopup::add_icon_button(QWidget* panel, bool add, int x, int y) {
    auto* button = new QPushButton(panel);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(x, y, button_size_, button_size_);
    button->setStyleSheet(QStringLiteral("QPushButton { border: none; background: %1; }").arg(gcm::comment_color.name()));
    const bool dark = glue::is_dark(gcm::comment_color);
    using Icon = MainWindowServices::CommentIcon;
    if (MainWindowServices* window = main_window()) {
        const QPixmap picture = window->comment_icon(add ? Icon::Add : Icon::Delete, dark, button_size_);
        button->setIcon(picture);
        button->setIconSize(picture.size());
    }
    button->setToolTip(add ? QStringLiteral("Add this comment.") : QStringLiteral("Delete this comment."));
    return button;
}

void CommentPopup::populate() {
    const Node* node = resolve(uid_);
    // The old fields may be handling the key that asked for this: released later.
    if (QWidget* old = scroll_->takeWidget()) old->deleteLater();
    authors_.clear();
    comments_.clear();
    delete_buttons_.clear();
    auto* panel = new QWidget;
    panel->setAutoFillBackground(true);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, gcm::scheme().panel_color);
    panel->setPalette(colours);

    int y = 0;
    const size_t count = node ? node->get_comments_size() : 0;
    for (size_t i = 0; i < count; ++i) {
        const std::string& author = node->get_authors()[i];
        QPlainTextEdit* author_field = add_field(panel, author, 0, y, panel_width_ - button_size_, false);
        authors_.push_back({author, author_field});
        y += author_field->height();
        QPushButton* remove = add_icon_button(panel, false, panel_width_ - button_size_, y - button_size_);
        connect(remove, &QPushButton::clicked, this, [this, i] { delete_clicked(i); });
        delete_buttons_.push_back(remove);
        const std::string& text = node->get_comments()[i];
        QPlainTextEdit* text_field = add_field(panel, text, 0, y, panel_width_, true);
        comments_.push_back({text, text_field});
        y += text_field->height() + 5;
    }
    new_author_ = add_field(panel, MyStrF::find_current_user_name(), 0, y, panel_width_ - button_size_, false);
    y += new_author_->height();
    add_button_ = add_icon_button(panel, true, panel_width_ - button_size_, y - button_size_);
    connect(add_button_, &QPushButton::clicked, this, [this] { add_clicked(); });
    new_comment_ = add_field(panel, std::string(), 0, y, panel_width_, false);
    y += new_comment_->height();
    panel->resize(panel_width_, y);

    auto* window = dynamic_cast<QWidget*>(main_window());
    const int limit = window ? static_cast<int>(0.6 * window->height()) : y;
    const bool scrolls = y >= limit;
    const int height = scrolls ? limit : y;
    const int width = panel_width_ + (scrolls ? 20 : 0);
    scroll_->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(panel);
    scroll_->setGeometry(0, 0, width, height);
    resize(width, height);
    glue::place_near_edges(*this, requested_pos_, gcm::app_font_height());
    new_comment_->setFocus();
    scroll_->horizontalScrollBar()->setValue(0);
}

bool CommentPopup::write_back() {
    Node* node = resolve(uid_);
    if (!node) return false;
    bool changed = false;
    for (size_t i = 0; i < authors_.size(); ++i) {
        const std::string text = field_text(authors_[i].edit);
        if (text == authors_[i].original) continue;
        node->set_comment_author(static_cast<uint32_t>(i), text);
        authors_[i].original = text;
        changed = true;
    }
    for (size_t i = 0; i < comments_.size(); ++i) {
        const std::string text = field_text(comments_[i].edit);
        if (text == comments_[i].original) continue;
        node->set_comment_content(static_cast<uint32_t>(i), text);
        comments_[i].original = text;
        changed = true;
    }
    const std::string comment = trimmed(field_text(new_comment_));
    if (!comment.empty()) {
        node->add_comment(trimmed(field_text(new_author_)), comment);
        // Written once: the field no longer counts as new.
        new_comment_->clear();
        changed = true;
    }
    if (changed) {
        GCC::RP->add_uid_state(node);
        recorded_change();
    }
    return changed;
}

// The tree and the boxes show whether an object has comments.
void CommentPopup::recorded_change() {
    MainWindowServices* window = main_window();
    window->update_undo_redo_buttons();
    window->request_tree_rebuild();
    window->request_page_rebuild(true);
}

void CommentPopup::add_clicked() {
    if (trimmed(field_text(new_comment_)).empty()) return;
    write_back();
    populate();
}

void CommentPopup::delete_clicked(size_t index) {
    write_back();
    Node* node = resolve(uid_);
    if (!node || index >= node->get_comments_size()) {
        populate();
        return;
    }
    node->delete_comment(static_cast<uint32_t>(index));
    GCC::RP->add_uid_state(node);
    recorded_change();
    populate();
}

void CommentPopup::undo_comments() { step_history(-1); }

void CommentPopup::redo_comments() { step_history(+1); }

void CommentPopup::step_history(int step) {
    if (!resolve(uid_)) return;
    // Pending edits are a state of their own, so the index is taken after them.
    write_back();
    const int current = GCC::RP->get_current_state();
    const int target = current + step;
    if (target < 0 || target >= static_cast<int>(GCC::RP->get_state_count())) return;
    const auto now = comments_in_state(static_cast<uint16_t>(current), uid_);
    const auto then = comments_in_state(static_cast<uint16_t>(target), uid_);
    // A state without the object has nothing to restore: the comments stay.
    if (!now || !then || *now == *then) return;
    if (step < 0)
        GCC::RP->goto_previous_state();
    else
        GCC::RP->goto_next_state();
    MainWindowServices* window = main_window();
    window->request_rebuild_after_undo_or_redo();
    window->update_undo_redo_buttons();
    populate();
}

bool CommentPopup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool undo = is_key(*key, Qt::Key_Z);
        const bool redo = is_key(*key, Qt::Key_Y);
        if (undo || redo) {
            // The popup's keys, never the text field's own undo.
            event->accept();
            if (event->type() == QEvent::KeyPress) {
                if (undo)
                    undo_comments();
                else
                    redo_comments();
            }
            return true;
        }
        if (key->key() == Qt::Key_Escape && event->type() == QEvent::KeyPress) {
            close();
            return true;
        }
    }
    if (event->type() == QEvent::Wheel && scroll_->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn) {
        // The wheel over any field scrolls the whole list.
        QApplication::sendEvent(scroll_->verticalScrollBar(), event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CommentPopup::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            was_active_ = true;
        else if (was_active_)
            close();
    }
    QWidget::changeEvent(event);
}

void CommentPopup::closeEvent(QCloseEvent* event) {
    if (!written_back_) {
        written_back_ = true;
        write_back();
    }
    QWidget::closeEvent(event);
}

}  // namespace windows
