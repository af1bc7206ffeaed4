#pragma once

#include <QComboBox>
#include <string>
#include <vector>

namespace toolkit {

// A read-only choice box in the scheme colours. It shows the collapsed text
// of the chosen entry, opens its list (at most 11 lines) with a click, Down
// or F4, never changes the choice by the wheel or by typing, pastes a
// clipboard text that names an entry exactly, and passes every other key on
// (keyPassed), so that a dialog can react to Enter and Esc.
class AppComboBox : public QComboBox {
    Q_OBJECT
public:
    // Width 0: fitted to the widest collapsed entry.
    AppComboBox(QWidget* parent, int x, int y, int width, const std::vector<std::string>& items, int selected);

    // The part before a "|" that is not the first character, without
    // trailing blanks; otherwise the whole text.
    static QString collapsed_text(const QString& text);

    // Replaces the entries; selected as in set_selected_index (none when outside).
    void set_items(const std::vector<std::string>& items, int selected);

    // The chosen entry as the model text it was given, byte for byte.
    std::string selected_model_text() const;
    // Outside 0 .. count - 1: ignored. Raises no selectedIndexChanged.
    void set_selected_index(int index);
    // Selects the first entry equal to text; false (nothing changes) when none.
    bool set_selected_item(const QString& text);
    // The first entry equal to text (case-sensitive), -1 for none or an empty text.
    int find_string_exact(const QString& text) const;
    // Chooses the entry the clipboard names exactly, as the user would.
    void paste();

    // Height: 2b + application font height + 7.
    int v_size() const;
    void set_size(int width);
    // Fits the width to the widest collapsed entry + the button + extra; returns it.
    int set_font_and_fit(int extra);
    // The width set_font_and_fit(0) gives a box of these entries in the application font.
    static int fitted_width(const std::vector<std::string>& items);
    void set_colours(const QColor& background, const QColor& text, const QColor& border);
    void set_tool_tip_text(const QString& text);

signals:
    // The user chose an entry (click, Enter in the list, or paste).
    void selectedIndexChanged(int index);
    void keyPassed(int key, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;
    void showPopup() override;

private:
    int button_width() const;
    QRect text_rect() const;

    std::vector<std::string> model_items_;
    // Kept apart from the palette, which style sheets of enclosing widgets replace.
    QColor background_;
    QColor text_;
    QColor border_;
    QString tool_tip_text_;
};

}  // namespace toolkit
