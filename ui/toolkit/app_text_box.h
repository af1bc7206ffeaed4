#pragma once

#include <QPlainTextEdit>
#include <QWidget>
#include <string>

namespace toolkit {

// The text field inside an AppTextBox: Enter and Esc are reported instead of
// typed (unless Enter makes new lines), and a paste inserts the clipboard's
// text in one step.
class AppTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit AppTextEdit(QWidget* parent);
    void set_enter_makes_new_lines(bool on) { enter_makes_new_lines_ = on; }

signals:
    void enterPressed();
    void escapePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    bool enter_makes_new_lines_ = false;
};

// A text field framed by a border in the scheme colours, with a vertical
// scroll bar only when the text is taller than the field. It holds model text:
// read back unchanged, the text is byte for byte what it was given; edited,
// it enters the model with "\n" line breaks.
class AppTextBox : public QWidget {
    Q_OBJECT
public:
    // Height 0: one line of the application font (F + 2b + 7).
    AppTextBox(QWidget* parent, const std::string& model_text, int x, int y, int w, int h = 0);

    void set_model_text(const std::string& model_text);
    std::string model_text() const;
    bool is_changed() const;

    QString text() const;
    void set_text(const QString& text);

    AppTextEdit* edit() const { return edit_; }
    // The height that shows the whole text, wrapped at the field's width.
    int height_showing_text() const;
    // Grows the box to show its whole text, but never beyond limit; returns the height added.
    int grow_to_show_text(int limit);

signals:
    void enterPressed();
    void escapePressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A vertical scroll bar only while the text is taller than the field.
    void update_scroll_bar();

    AppTextEdit* edit_;
    std::string original_;
    QString original_shown_;
};

}  // namespace toolkit
