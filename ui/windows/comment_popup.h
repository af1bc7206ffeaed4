#pragma once

#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace windows {

// The comments of one object in a small borderless popup beside its box: one
// author and one text field per comment with a delete button, empty fields for
// a new comment with an add button, and the object's own undo and redo keys.
// It writes every change back when it closes, which it does as soon as it
// loses the focus.
//
// The popup names its object by uid and resolves it whenever it reads or
// writes; when the object is gone it writes nothing. Every change written back
// records one undo state of the object. Its undo and redo keys move the
// project's history itself, as the main window's do, but only to a
// neighbouring state that holds other comments of this object.
class CommentPopup : public QWidget {
    Q_OBJECT
public:
    // Opens the popup of the object at the screen point, closing any other
    // one first (writing it back). Nothing opens without a main window or for
    // an object that does not exist.
    static CommentPopup* open(const std::string& uid, const QPoint& at);
    // The popup that is open, if any.
    static CommentPopup* current();

    const std::string& uid() const { return uid_; }

    // The fields in order: per comment its author and its text, then the new
    // author and the new text.
    std::vector<QPlainTextEdit*> fields() const;
    QPlainTextEdit* new_author_field() const { return new_author_; }
    QPlainTextEdit* new_comment_field() const { return new_comment_; }
    QPushButton* add_button() const { return add_button_; }
    // The delete button of comment i (null when there is none).
    QPushButton* delete_button(size_t i) const;
    QScrollArea* scroll_area() const { return scroll_; }

    // The keys: Ctrl+Z and Ctrl+Y inside the popup.
    void undo_comments();
    void redo_comments();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CommentPopup(std::string uid, const QPoint& at, QWidget* parent);

    struct Field {
        std::string original;
        QPlainTextEdit* edit = nullptr;
    };

    void populate();
    QPlainTextEdit* add_field(QWidget* panel, const std::string& text, int x, int y, int width, bool fit);
    QPushButton* add_icon_button(QWidget* panel, bool add, int x, int y);
    // Writes the edited fields and a typed new comment to the object; true
    // when that recorded an undo state.
    bool write_back();
    void add_clicked();
    void delete_clicked(size_t index);
    // Moves the history by one state (step -1 or +1) when that state holds
    // other comments of this object.
    void step_history(int step);
    void recorded_change();

    std::string uid_;
    QPoint requested_pos_;
    int button_size_ = 0;
    int panel_width_ = 0;
    QScrollArea* scroll_ = nullptr;
    std::vector<Field> authors_;
    std::vector<Field> comments_;
    std::vector<QPushButton*> delete_buttons_;
    QPlainTextEdit* new_author_ = nullptr;
    QPlainTextEdit* new_comment_ = nullptr;
    QPushButton* add_button_ = nullptr;
    bool was_active_ = false;
    bool written_back_ = false;
};

}  // namespace windows
