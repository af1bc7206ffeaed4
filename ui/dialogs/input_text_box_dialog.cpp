#include "ui/dialogs/input_text_box_dialog.h"

#include <QTextCursor>
#include <cmath>

#include "ui/glue/screen_placement.h"
#include "ui/glue/text_conversion.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/app_button.h"
#include "ui/toolkit/app_label.h"
#include "ui/toolkit/app_text_box.h"

namespace dialogs {

InputTextBoxDialog::InputTextBoxDialog(const std::string& title, const std::string& label, const std::string& text,
                                       const QPoint& pos, bool read_only, int width, int height, QWidget* parent)
    : AppFormBase(glue::to_ui(title), parent) {
    setModal(true);
    const int f = gcm::app_font_height();
    const int g = static_cast<int>(std::lround(f / 2.0));
    resize(width, height);

    auto* caption = new toolkit::AppLabel(this, glue::to_ui(label), f, title_bar_height() + g,
                                          gcm::scheme().panel_text_color);
    const int label_bottom = caption->geometry().bottom() + 1;
    text_box_ = new toolkit::AppTextBox(this, text, f, label_bottom + g, width - 2 * f - 5,
                                        height - label_bottom - 3 * f - 8);
    text_box_->edit()->set_enter_makes_new_lines(true);
    text_box_->edit()->setReadOnly(read_only);
    text_box_->edit()->moveCursor(QTextCursor::Start);
    if (read_only) {
        // A notice shows all it has to say, as far as the screen allows.
        const int room = glue::available_geometry_at(pos).height() - height;
        resize(width, height + text_box_->grow_to_show_text(text_box_->height() + std::max(room, 0)));
    }

    const int button_y = text_box_->geometry().bottom() + 1 + g;
    if (read_only) {
        auto* close = new toolkit::AppButton(this, QStringLiteral("Close"), f, button_y, 0, 0);
        connect(close, &QPushButton::clicked, this, &QDialog::reject);
        close->setDefault(true);
    } else {
        auto* ok = new toolkit::AppButton(this, QStringLiteral("OK"), f, button_y, 0, 0);
        auto* cancel =
            new toolkit::AppButton(this, QStringLiteral("Cancel"), ok->geometry().right() + 1 + f, button_y, 0, 0);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        ok->setDefault(true);
    }
    // Esc in the field cancels; Enter in the field makes a new line.
    connect(text_box_, &toolkit::AppTextBox::escapePressed, this, &QDialog::reject);
    text_box_->setFocus();
    glue::place_near_edges(*this, pos, f);
}

std::string InputTextBoxDialog::result_text() const { return text_box_->model_text(); }

}  // namespace dialogs
