#include "ui/toolkit/app_text_box.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/glue/text_conversion.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"

namespace toolkit {
namespace {

constexpr int b = gcm::box_border_thickness;

// The document's own paragraph and line separators read back as "\n".
QString plain_text_of(const QPlainTextEdit& edit) {
    QString text = edit.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

}  // namespace

AppTextEdit::AppTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    document()->setDocumentMargin(1);
}

void AppTextEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !enter_makes_new_lines_ && event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit enterPressed();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        emit escapePressed();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void AppTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return;
    // One step: the selection is replaced, the caret stands after the pasted text.
    textCursor().insertText(source->text());
    ensureCursorVisible();
}

AppTextBox::AppTextBox(QWidget* parent, const std::string& model_text, int x, int y, int w, int h)
    : QWidget(parent), edit_(new AppTextEdit(this)) {
    if (h == 0) h = gcm::app_font_height() + 2 * b + 7;
    setGeometry(x, y, std::max(w, 3 * b), h);
    edit_->setFont(gcm::app_font());
    const gcm::Scheme& scheme = gcm::scheme();
    QPalette palette = edit_->palette();
    palette.setColor(QPalette::Base, scheme.button_color);
    palette.setColor(QPalette::Text, scheme.panel_text_color);
    edit_->setPalette(palette);
    connect(edit_, &QPlainTextEdit::textChanged, this, &AppTextBox::update_scroll_bar);
    connect(edit_, &AppTextEdit::enterPressed, this, &AppTextBox::enterPressed);
    connect(edit_, &AppTextEdit::escapePressed, this, &AppTextBox::escapePressed);
    setFocusProxy(edit_);
    set_model_text(model_text);
}

void AppTextBox::set_model_text(const std::string& model_text) {
    original_ = model_text;
    edit_->setPlainText(glue::to_ui(model_text));
    // What the field shows of it: the widget may normalise line breaks.
    original_shown_ = text();
}

std::string AppTextBox::model_text() const {
    if (!is_changed()) return original_;
    return glue::to_model(text());
}

bool AppTextBox::is_changed() const { return text() != original_shown_; }

QString AppTextBox::text() const { return plain_text_of(*edit_); }

void AppTextBox::set_text(const QString& text) { edit_->setPlainText(text); }

void AppTextBox::resizeEvent(QResizeEvent*) {
    edit_->setGeometry(2 * b, b + 2, width() - 3 * b, height() - 4 * b - 2);
    update_scroll_bar();
}

int AppTextBox::height_showing_text() const {
    // The field sits inside the border as resizeEvent places it; the text inside the field's frame and margin.
    const int frame = edit_->frameWidth();
    const int margin = static_cast<int>(std::ceil(edit_->document()->documentMargin()));
    const int text_width = std::max(1, width() - 3 * b - 2 * frame - 2 * margin);
    const QFontMetrics metrics(edit_->font());
    const QString shown = text().isEmpty() ? QStringLiteral(" ") : text();
    const int spacing = std::max(1, metrics.lineSpacing());
    const int text_height = metrics.boundingRect(QRect(0, 0, text_width, 1 << 24), Qt::TextWordWrap, shown).height();
    const int lines = std::max(1, (text_height + spacing - 1) / spacing);
    return lines * spacing + 2 * margin + 2 * frame + 4 * b + 2;
}

int AppTextBox::grow_to_show_text(int limit) {
    const int added = std::max(0, std::min(height_showing_text(), limit) - height());
    if (added > 0) resize(width(), height() + added);
    return added;
}

void AppTextBox::update_scroll_bar() {
    // The text and one blank, wrapped at the field's width, against the field's height.
    const QRect needed = QFontMetrics(edit_->font())
                             .boundingRect(QRect(0, 0, std::max(1, edit_->width() - 4), 1 << 24), Qt::TextWordWrap,
                                           text() + QLatin1Char(' '));
    edit_->setVerticalScrollBarPolicy(needed.height() > edit_->height() ? Qt::ScrollBarAlwaysOn
                                                                         : Qt::ScrollBarAlwaysOff);
}

void AppTextBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const gcm::Scheme& scheme = gcm::scheme();
    painter.fillRect(rect(), scheme.btn_border_color);
    painter.fillRect(rect().adjusted(b, b, -b, -b), scheme.button_color);
}

}  // namespace toolkit
