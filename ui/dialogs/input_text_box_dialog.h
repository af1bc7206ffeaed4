#pragma once

#include <QPoint>
#include <string>

#include "ui/toolkit/app_form_base.h"

namespace toolkit {
class AppButton;
class AppTextBox;
}  // namespace toolkit

namespace dialogs {

// Shows or edits one long text in a multi-line field. Read-only it has one
// "Close" button; editable, Enter makes a new line and "OK" or "Cancel" end it.
class InputTextBoxDialog : public toolkit::AppFormBase {
    Q_OBJECT
public:
    InputTextBoxDialog(const std::string& title, const std::string& label, const std::string& text,
                       const QPoint& pos, bool read_only, int width, int height, QWidget* parent = nullptr);

    // The field's text as model text; unchanged, byte for byte what was given.
    std::string result_text() const;
    toolkit::AppTextBox* text_box() const { return text_box_; }

private:
    toolkit::AppTextBox* text_box_;
};

}  // namespace dialogs
