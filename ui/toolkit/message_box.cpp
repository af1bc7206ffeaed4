#include "ui/toolkit/message_box.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QStyle>
#include <vector>

#include "ui/dialogs/dialog_seam.h"
#include "ui/glue/screen_placement.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/app_button.h"
#include "ui/toolkit/app_label.h"

namespace toolkit {
namespace {

struct KindLook {
    QString title;
    QStyle::StandardPixmap icon;
    std::vector<std::pair<QString, Answer>> buttons;
    bool ok_is_default;
};

KindLook look_of(AppMessageBox::Kind kind) {
    using K = AppMessageBox::Kind;
    const auto ok = std::pair{QStringLiteral("OK"), Answer::Ok};
    switch (kind) {
    case K::Error: return {QStringLiteral("Error"), QStyle::SP_MessageBoxCritical, {ok}, true};
    case K::Warning:
        return {QStringLiteral("Warning"), QStyle::SP_MessageBoxWarning,
                {ok, {QStringLiteral("Cancel"), Answer::Cancel}}, true};
    case K::Information: return {QStringLiteral("Information"), QStyle::SP_MessageBoxInformation, {ok}, true};
    case K::Question:
        return {QString(), QStyle::SP_MessageBoxQuestion,
                {{QStringLiteral("Yes"), Answer::Yes},
                 {QStringLiteral("No"), Answer::No},
                 {QStringLiteral("Cancel"), Answer::Cancel}},
                false};
    }
    return {};
}

}  // namespace

Answer show_message_box(AppMessageBox::Kind kind, const QString& text, const QString& title) {
    AppMessageBox box(kind, text, title, QApplication::activeWindow());
    dialogs::run_modal(box);
    return box.answer();
}

AppMessageBox::AppMessageBox(Kind kind, const QString& text, const QString& title, QWidget* parent)
    : AppFormBase(title.isEmpty() ? look_of(kind).title : title, parent), kind_(kind) {
    setModal(true);
    const KindLook look = look_of(kind);
    const int f = gcm::app_font_height();
    const int tb = title_bar_height();
    const int icon_size = 2 * f;
    const int width = 26 * f;

    auto* icon = new QLabel(this);
    icon->setScaledContents(true);
    icon->setPixmap(style()->standardIcon(look.icon).pixmap(icon_size, icon_size));
    icon->setGeometry(f, tb + f, icon_size, icon_size);
    const int icon_right = f + icon_size;

    message_ = new AppLabel(this, text, icon_right + f, tb + f, gcm::scheme().panel_text_color);
    message_->setWordWrap(true);
    const int label_width = width - 2 * f - icon_right;
    message_->setFixedWidth(label_width);
    message_->setMinimumHeight(2 * f);
    message_->adjustSize();
    message_->resize(label_width, std::max(2 * f, message_->heightForWidth(label_width)));

    const int button_y = message_->geometry().bottom() + 1 + f;
    int x = f;
    for (const auto& [caption, answer] : look.buttons) {
        auto* button = new AppButton(this, caption, x, button_y, 4 * (f + 8), f + 8);
        const Answer given = answer;
        connect(button, &QPushButton::clicked, this, [this, given] { press(given); });
        if (look.ok_is_default && answer == Answer::Ok) {
            button->setDefault(true);
            button->setFocus();
        }
        x = button->geometry().right() + 1 + f;
    }
    resize(width, button_y + 2 * (f + 4));
    glue::place_near_edges(*this, QCursor::pos(), icon_size);
}

QString AppMessageBox::text() const { return message_->text(); }

void AppMessageBox::press(Answer answer) {
    answer_ = answer;
    done(answer == Answer::Cancel ? QDialog::Rejected : QDialog::Accepted);
}

void AppMessageBox::reject() {
    answer_ = Answer::Cancel;
    AppFormBase::reject();
}

void show_error(const QString& text) { show_message_box(AppMessageBox::Kind::Error, text, QString()); }

Answer show_warning(const QString& text) {
    return show_message_box(AppMessageBox::Kind::Warning, text, QString());
}

void show_info(const QString& text) { show_message_box(AppMessageBox::Kind::Information, text, QString()); }

Answer ask_question(const QString& text, const QString& title) {
    return show_message_box(AppMessageBox::Kind::Question, text, title);
}

}  // namespace toolkit
