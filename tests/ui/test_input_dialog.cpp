// The generic input dialog: row kinds, results and fall-backs, Enter and Esc,
// unchanged defaults, the quantity row.
#include <QApplication>
#include <QTest>

#include "core/quantity/parameter.h"
#include "core/reference/reference.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/dialogs/input_text_box_dialog.h"
#include "ui/dialogs/quantity_row.h"
#include "ui/dialogs/reference_editor.h"
#include "ui/glue/screen_placement.h"
#include "ui/toolkit/app_button.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/app_label.h"
#include "ui/toolkit/app_text_box.h"

using dialogs::InputDialog;
using dialogs::QuantitySeed;
using Kind = InputDialog::RowKind;

namespace {

constexpr uint32_t length = 2;  // m, km, mm, in, ft
constexpr uint16_t target_equal = 3;

void show_active(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

QWidget* focused() { return QApplication::focusWidget(); }

}  // namespace

class InputDialogTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

private slots:
    void cleanup() { ui_testing::UiTestEnvironment::reset(); }

    void row_kinds_keep_their_indexes() {
        InputDialog dialog(QPoint(10, 10), "Rows", {"Name:", "", "Note", "Pick:", "Text:"},
                           {"gate", "", InputDialog::ONLY_LABEL, "b", "x"}, {{}, {}, {}, {"a", "b", "c"}, {}});
        QCOMPARE(dialog.row_kind(0), Kind::Text);
        QCOMPARE(dialog.row_kind(1), Kind::None);
        QCOMPARE(dialog.row_kind(2), Kind::Label);
        QCOMPARE(dialog.row_kind(3), Kind::Choice);
        QCOMPARE(dialog.row_kind(4), Kind::Text);
        QCOMPARE(dialog.row_kind(9), Kind::None);
        QCOMPARE(dialog.result_std_string(0), std::string("gate"));
        QCOMPARE(dialog.result_std_string(1), std::string());
        QCOMPARE(dialog.result_combo_index(3), 1);  // the entry equal to the default
        QCOMPARE(dialog.result_std_string(3), std::string("b"));
        QCOMPARE(dialog.result_combo_index(0), -1);
        QVERIFY(dialog.par() == nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Rows"));
        QVERIFY(dialog.width() >= 350 + 40);
    }

    void numbers_fall_back_to_the_defaults_value() {
        InputDialog dialog(QPoint(10, 10), "Numbers", {"a", "b", "c"}, {"7", "abc", "1,5"}, {{}, {}, {}});
        dialog.text_box(0)->set_text(QStringLiteral("abc"));
        dialog.text_box(1)->set_text(QStringLiteral("2,5"));
        QCOMPARE(dialog.result_int(0), 7);
        QCOMPARE(dialog.result_double(1), 2.5);
        QCOMPARE(dialog.result_int(1), 0);  // neither "2,5" nor the default "abc" is a whole number
        QCOMPARE(dialog.result_double(2), 1.5);
    }

    void long_defaults_come_back_unchanged_and_only_prompts_are_wrapped() {
        const int half = glue::screen_size(0.5, 1.0).width();
        std::string prompt;
        while (static_cast<int>(prompt.size()) * 4 < 3 * half) prompt += "word ";
        std::string description = "A long description\r\nover two lines with a \xFF byte;";
        while (static_cast<int>(description.size()) * 4 < 3 * half) description += " and more text";
        const std::string url = "https://example.invalid/" + std::string(static_cast<size_t>(half), 'a') + "?x=1&y=2";

        InputDialog dialog(QPoint(0, 0), "Edit", {prompt, "Link:"}, {description, url}, {{}, {}});
        QVERIFY(dialog.width() <= half + 40);
        QVERIFY(dialog.prompt_label(0)->text().contains(QLatin1Char('\n')));
        QCOMPARE(dialog.result_std_string(0), description);
        QCOMPARE(dialog.result_std_string(1), url);
    }

    void one_text_row_enter_is_ok_and_esc_is_cancel() {
        auto ok = InputDialog::one_text_row(QPoint(10, 10), "Name", "Name:", "x");
        show_active(*ok);
        QTest::keyClick(ok->text_box(0)->edit(), Qt::Key_Return);
        QCOMPARE(ok->result(), int(QDialog::Accepted));

        auto cancel = InputDialog::one_text_row(QPoint(10, 10), "Name", "Name:", "x");
        show_active(*cancel);
        QTest::keyClick(cancel->text_box(0)->edit(), Qt::Key_Escape);
        QCOMPARE(cancel->result(), int(QDialog::Rejected));
        QVERIFY(cancel->isHidden());
    }

    void enter_moves_to_the_next_text_field_skipping_other_rows() {
        InputDialog dialog(QPoint(10, 10), "Chain", {"a", "b", "c"}, {"1", "x", "3"}, {{}, {"x", "y"}, {}});
        show_active(dialog);
        QCOMPARE(focused(), dialog.text_box(0)->edit());
        QTest::keyClick(dialog.text_box(0)->edit(), Qt::Key_Return);
        QCOMPARE(focused(), dialog.text_box(2)->edit());
        QVERIFY(dialog.isVisible());
        QTest::keyClick(dialog.text_box(2)->edit(), Qt::Key_Enter);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void a_choice_row_accepts_enter_as_ok_and_esc_as_cancel() {
        auto ok = InputDialog::one_choice_row(QPoint(10, 10), "Find object with UID", "Select:", "", {"A", "B"});
        show_active(*ok);
        QCOMPARE(focused(), ok->combo_box(0));
        QTest::keyClick(ok->combo_box(0), Qt::Key_Return);
        QCOMPARE(ok->result(), int(QDialog::Accepted));
        QCOMPARE(ok->result_std_string(0), std::string("A"));

        auto cancel = InputDialog::one_choice_row(QPoint(10, 10), "Pick", "Select:", "B", {"A", "B"});
        show_active(*cancel);
        QTest::keyClick(cancel->combo_box(0), Qt::Key_Escape);
        QCOMPARE(cancel->result(), int(QDialog::Rejected));
    }

    void marked_rows_refuse_what_is_no_number() {
        InputDialog dialog(QPoint(10, 10), "Weight", {"Importance:"}, {"5"}, {{}});
        dialog.set_to_int_val(0);
        dialog.text_box(0)->set_text(QStringLiteral("lots"));
        dialog.press_ok();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.text_box(0)->text(), QStringLiteral("Input must be an Integer"));
        dialog.text_box(0)->set_text(QStringLiteral("12"));
        dialog.press_ok();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.result_int(0), 12);
    }

    void quantity_row_shows_what_its_type_and_target_need() {
        auto dialog = InputDialog::quantity_only(QPoint(10, 10), "Quantity", "Define:", QuantitySeed{0, 0.0, 0, 3});
        dialogs::QuantityRow* q = dialog->quantity_row();
        QCOMPARE(dialog->row_kind(2), Kind::Quantity);
        QVERIFY(q->target_choice()->isHidden());
        QVERIFY(q->value_field()->isHidden());
        QVERIFY(q->unit_choice()->isHidden());

        q->choose_type(2);  // length
        QCOMPARE(dialog->par()->get_type_int(), length);
        QVERIFY(!q->target_choice()->isHidden());
        QVERIFY(!q->value_field()->isHidden());
        QCOMPARE(q->unit_choice()->count(), 5);

        q->choose_target(6);  // max
        QVERIFY(q->value_field()->isHidden());
        QVERIFY(q->unit_choice()->isHidden());
        QCOMPARE(dialog->result_std_string(2), dialog->par()->get_txt_short());
    }

    void a_unit_change_takes_over_every_typed_change_and_nothing_else() {
        // 100.5 m typed over 100 m lies within 1 %: it is still taken over before the conversion.
        InputDialog typed(QPoint(10, 10), "Q", {"a", "b", "Length:"}, {"", "", ""}, {{}, {}, {}},
                          QuantitySeed{length, 100.0, 0, target_equal});
        dialogs::QuantityRow* q = typed.quantity_row();
        q->value_field()->set_text(QStringLiteral("100,5"));
        q->choose_unit(1);  // km
        QCOMPARE(typed.par()->get_base_value(), 100.5);
        QCOMPARE(q->value_field()->text(), QStringLiteral("0.1005"));

        // An untouched value keeps its full precision through unit changes and OK.
        InputDialog kept(QPoint(10, 10), "Q", {"a", "b", "Length:"}, {"", "", ""}, {{}, {}, {}},
                         QuantitySeed{length, 1.23456789, 0, target_equal});
        kept.quantity_row()->choose_unit(2);  // mm
        kept.quantity_row()->choose_unit(0);  // m
        kept.press_ok();
        QCOMPARE(kept.result(), int(QDialog::Accepted));
        QCOMPARE(kept.par()->get_base_value(), 1.23456789);
    }

    void choices_keep_the_table_indexes_behind_their_entries() {
        PossPar& lengths = Parameter::_possible_par_types[length];
        lengths.unit_is_active[1] = false;  // km
        PossPar& reals = Parameter::_possible_par_types[1];
        reals.set_all_units_inactive();

        auto dialog = InputDialog::quantity_only(QPoint(10, 10), "Q", "Define:", QuantitySeed{length, 1.0, 0, 3});
        dialogs::QuantityRow* q = dialog->quantity_row();
        QCOMPARE(q->unit_choice()->itemText(1), QStringLiteral("mm"));
        q->choose_unit(1);
        QCOMPARE(dialog->par()->get_unit_symbol(), std::string("mm"));

        const int length_entry = q->type_choice()->find_string_exact(QStringLiteral("length"));
        QCOMPARE(length_entry, 1);  // "real" has no active unit left
        q->choose_type(0);
        q->choose_type(length_entry);
        QCOMPARE(dialog->par()->get_type_int(), length);
    }

    void a_value_that_is_no_number_keeps_the_dialog_open() {
        auto dialog = InputDialog::quantity_only(QPoint(10, 10), "Q", "Define:", QuantitySeed{length, 4.0, 0, 3});
        dialog->quantity_row()->value_field()->set_text(QStringLiteral("abc"));
        dialog->press_ok();
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(dialog->quantity_row()->value_field()->text(), QStringLiteral("4"));
        dialog->press_ok();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }

    void quantity_row_enter_chain() {
        InputDialog dialog(QPoint(10, 10), "Q", {"Verb:", "Capability:", "Quantity:", "Note:"}, {"v", "c", "", "n"},
                           {{}, {}, {}, {}}, QuantitySeed{length, 2.0, 0, 3});
        dialogs::QuantityRow* q = dialog.quantity_row();
        show_active(dialog);
        QTest::keyClick(dialog.text_box(1)->edit(), Qt::Key_Return);
        QCOMPARE(focused(), q->type_choice());
        QTest::keyClick(q->type_choice(), Qt::Key_Return);
        QCOMPARE(focused(), q->target_choice());
        QTest::keyClick(q->target_choice(), Qt::Key_Return);
        QCOMPARE(focused(), q->value_field()->edit());
        q->value_field()->set_text(QStringLiteral("3.5"));
        QTest::keyClick(q->value_field()->edit(), Qt::Key_Return);
        QCOMPARE(dialog.par()->get_base_value(), 3.5);
        QCOMPARE(focused(), q->unit_choice());
        QTest::keyClick(q->unit_choice(), Qt::Key_Return);
        QCOMPARE(focused(), dialog.text_box(3)->edit());
        QTest::keyClick(dialog.text_box(3)->edit(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // Enter on a type that needs no target only focuses OK; the next Enter,
    // on the focused OK (or Cancel), presses it.
    void enter_presses_the_focused_button() {
        for (const bool on_ok : {true, false}) {
            auto dialog = InputDialog::quantity_only(QPoint(10, 10), "Quantity", "Define:", QuantitySeed{0, 0.0, 0, 3});
            show_active(*dialog);
            dialogs::QuantityRow* q = dialog->quantity_row();
            q->type_choice()->setFocus();
            QTest::keyClick(q->type_choice(), Qt::Key_Return);
            QCOMPARE(focused(), dialog->ok_button());
            QVERIFY(dialog->isVisible());
            if (!on_ok) QTest::keyClick(dialog->ok_button(), Qt::Key_Tab);
            QWidget* button = focused();
            QVERIFY(qobject_cast<toolkit::AppButton*>(button));
            QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->result(), int(on_ok ? QDialog::Accepted : QDialog::Rejected));
        }
    }

    void text_box_dialog_keeps_unchanged_text() {
        const std::string tooltip = "first line\r\nsecond line \xFF";
        dialogs::InputTextBoxDialog dialog("Modify ToolTip Text", "Modify:", tooltip, QPoint(10, 10), false, 400, 300);
        QCOMPARE(dialog.result_text(), tooltip);
        dialog.text_box()->set_text(QStringLiteral("new\r\ntext"));
        QCOMPARE(dialog.result_text(), std::string("new\ntext"));
    }

    void reference_editor() {
        ui_testing::ScriptedDialogs dialogs;
        Reference reference("Spec", "The gate's drawing", "https://example.invalid/gate");
        const auto fill = [](const char* name, const char* description, const char* link, int type) {
            return [=](QDialog& shown) {
                auto& dialog = static_cast<InputDialog&>(shown);
                dialog.text_box(0)->set_text(QString::fromUtf8(name));
                dialog.text_box(1)->set_text(QString::fromUtf8(description));
                dialog.text_box(2)->set_text(QString::fromUtf8(link));
                dialog.combo_box(3)->set_selected_index(type);
                dialog.press_ok();
                return dialog.result();
            };
        };
        const auto unchanged = [](QDialog& shown) {
            static_cast<InputDialog&>(shown).press_ok();
            return shown.result();
        };
        dialogs.script()
            .expect(QStringLiteral("Define Reference"), unchanged)
            .expect(QStringLiteral("Define Reference"), fill("", "", "", 2))
            .answer(QStringLiteral("Information"), toolkit::Answer::Ok)
            .expect(QStringLiteral("Define Reference"), fill("Drawing", "Rev B", "https://example.invalid/b", 7));
        QVERIFY(!dialogs::edit_reference(QPoint(10, 10), &reference));
        QVERIFY(!dialogs::edit_reference(QPoint(10, 10), &reference));
        QCOMPARE(dialogs.script().messages().value(0), QStringLiteral("Empty inpits are invalid for References."));
        QCOMPARE(reference.name(), std::string("Spec"));
        QVERIFY(dialogs::edit_reference(QPoint(10, 10), &reference));
        QCOMPARE(reference.name(), std::string("Drawing"));
        QCOMPARE(reference.link(), std::string("https://example.invalid/b"));
        QCOMPARE(reference.type(), Reference::possible_types()[7]);
        QVERIFY(!dialogs::edit_reference(QPoint(10, 10), nullptr));
    }
};

QTEST_MAIN(InputDialogTest)
#include "test_input_dialog.moc"
