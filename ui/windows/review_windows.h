#pragma once

#include <QPoint>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/toolkit/app_form_base.h"

namespace toolkit {
class AppButton;
class AppComboBox;
class AppLabel;
}  // namespace toolkit

namespace windows {

class BoxView;

// The frame of the two review windows (modal): a label, optionally a choice
// below it, two rows of object boxes with their full commands, and "Close".
// After every rebuild of the main window's page the rows are filled again
// from the objects that exist then.
class ReviewWindow : public toolkit::AppFormBase {
    Q_OBJECT
public:
    BoxView* rows() const { return rows_; }
    toolkit::AppButton* close_button() const { return close_; }
    // The labels shown in the rows area instead of boxes.
    std::vector<QString> row_messages() const;

public slots:
    virtual void refresh() = 0;

protected:
    ReviewWindow(const QString& title, const QString& label, bool with_choice, const QPoint& at, QWidget* parent);

    // Draws the rows: each row's objects from x = 0 at a pitch of a box and two
    // gaps, and a message where a row is empty and has one; the content is as
    // wide as the longer row.
    struct Row {
        std::vector<std::string> uids;
        int y = 0;
        QString empty_message;
    };
    void show_rows(const std::vector<Row>& rows);
    void show_message(const QString& text);

    int gap() const;
    toolkit::AppComboBox* choice_ = nullptr;

private:
    void clear_messages();

    BoxView* rows_ = nullptr;
    toolkit::AppButton* close_ = nullptr;
    std::vector<toolkit::AppLabel*> messages_;
};

// The options among a list that lack an integration requirement: k = n / 2
// rounded up in the first row, the rest in the second.
class IntReqReviewWindow : public ReviewWindow {
    Q_OBJECT
public:
    IntReqReviewWindow(std::vector<std::string> option_uids, const QPoint& at, QWidget* parent = nullptr);
    void refresh() override;

private:
    std::vector<std::string> option_uids_;
};

// What under a mandate needs evidence of a higher readiness level than the
// chosen one: the evidence in the first row, the other objects in the second.
class EvidenceReviewWindow : public ReviewWindow {
    Q_OBJECT
public:
    EvidenceReviewWindow(std::string mandate_uid, const QPoint& at, QWidget* parent = nullptr);
    void refresh() override;

    toolkit::AppComboBox* level_choice() const { return choice_; }
    int level() const { return to_level_; }

private:
    std::string mandate_uid_;
    int to_level_ = 0;
};

}  // namespace windows
