// The Qt platform services behind the core, and the contact links.
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "core/platform/platform.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/platform/links.h"
#include "ui/platform/qt_services.h"

namespace {

// The Qt services with a desktop that cannot open anything.
class RefusingDesktop : public ui_platform::QtServices {
public:
    std::string open_link(const std::string& target) override {
        targets.push_back(target);
        return "no handler is installed";
    }
    static inline std::vector<std::string> targets;
};

}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

private slots:
    void cleanup() { ui_platform::install_qt_services(); }

    void core_messages_are_the_programs_message_boxes() {
        ui_testing::ScriptedDialogs dialogs;
        dialogs.script()
            .answer(QStringLiteral("Error"), toolkit::Answer::Ok)
            .answer(QStringLiteral("Directory Error"), toolkit::Answer::Ok);
        platform::show_error("Cannot read \"x\".");
        platform::services().show_message(platform::MessageKind::Error, "Directory Error", "Failed.");
        QCOMPARE(dialogs.script().messages(), (QStringList{QStringLiteral("Cannot read \"x\"."), QStringLiteral("Failed.")}));
    }

    void the_clipboard_carries_utf8() {
        platform::services().set_clipboard_text("caf\xC3\xA9");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("caf") + QChar(0x00E9));
        QGuiApplication::clipboard()->setText(QStringLiteral("uid ") + QChar(0x00E9));
        QCOMPARE(platform::services().clipboard_text(), std::string("uid \xC3\xA9"));
    }

    void folders_are_the_users_standard_ones() {
        QCOMPARE(QString::fromStdString(platform::services().config_folder()), environment.config_folder());
        QCOMPARE(QString::fromStdString(platform::services().documents_folder()), environment.documents_folder());
    }

    void contact_links_report_failures() {
        platform::install(std::make_unique<RefusingDesktop>());
        ui_testing::ScriptedDialogs dialogs;
        dialogs.script()
            .answer(QStringLiteral("Error"), toolkit::Answer::Ok)
            .answer(QStringLiteral("Error"), toolkit::Answer::Ok);
        ui_platform::open_web_address(QStringLiteral("morvanta.invalid"));
        ui_platform::open_mail_address(QStringLiteral("contact@morvanta.invalid"));
        QCOMPARE(RefusingDesktop::targets,
                 (std::vector<std::string>{"https://morvanta.invalid", "mailto:contact@morvanta.invalid"}));
        QCOMPARE(dialogs.script().messages(),
                 (QStringList{QStringLiteral("Unable to open the link: no handler is installed"),
                              QStringLiteral("Unable to open the email client: no handler is installed")}));
    }
};

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
