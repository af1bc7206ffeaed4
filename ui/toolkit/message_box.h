#pragma once

#include <QString>

#include "ui/toolkit/app_form_base.h"

namespace toolkit {

class AppLabel;

enum class Answer { Ok, Cancel, Yes, No };

// The program's message box: a themed window with an icon, the message
// (shown literally, wrapped) and its buttons. Closing it by its close button
// or Esc answers Cancel.
class AppMessageBox : public AppFormBase {
    Q_OBJECT
public:
    enum class Kind { Error, Warning, Information, Question };

    // title: the kind's own title when empty ("Error", "Warning", "Information").
    AppMessageBox(Kind kind, const QString& text, const QString& title = QString(), QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    QString text() const;
    Answer answer() const { return answer_; }
    // Ends the box with this answer, as its button would.
    void press(Answer answer);

protected:
    bool is_message_box() const override { return true; }
    void reject() override;

private:
    Kind kind_;
    AppLabel* message_;
    Answer answer_ = Answer::Cancel;
};

// A box of any kind with its title (the kind's own when empty), shown modally
// through the dialog seam over the active window.
Answer show_message_box(AppMessageBox::Kind kind, const QString& text, const QString& title);

// The four boxes.
void show_error(const QString& text);
// OK or Cancel.
Answer show_warning(const QString& text);
void show_info(const QString& text);
// Yes, No or Cancel.
Answer ask_question(const QString& text, const QString& title);

}  // namespace toolkit
