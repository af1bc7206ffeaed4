#pragma once

#include <ctime>
#include <memory>
#include <string>

// The few desktop services the core model needs. The core never talks to a
// window system itself: it calls the installed Services. The defaults here are
// headless (tests and command-line tools); the application installs
// implementations backed by its toolkit at start-up, and tests install fakes.
namespace platform {

enum class MessageKind { Error, Warning, Information };

class Services {
public:
    virtual ~Services() = default;

    // A modal message box raised by the core. Headless: printed to stderr.
    virtual void show_message(MessageKind kind, const std::string& caption, const std::string& text);

    // Plain UTF-8 text on the clipboard. Headless: kept in this process.
    virtual void set_clipboard_text(const std::string& utf8);
    virtual std::string clipboard_text();

    // Hands a link or a document path to the desktop. Returns "" on success,
    // otherwise the reason. Headless: always refused.
    virtual std::string open_link(const std::string& target);

    // The user's Documents folder and the folder for configuration files,
    // without a trailing separator; "" when they cannot be determined.
    virtual std::string documents_folder();
    virtual std::string config_folder();

    // Login name of the current user; "UnknownUser" when it cannot be read.
    virtual std::string user_name();

    // The local time now, at seconds resolution, with tm_gmtoff holding the
    // UTC offset in force at that moment (daylight saving included).
    virtual std::tm local_time();

    // The program's version as major.minor.build.revision.
    virtual std::string program_version();

private:
    std::string clipboard_;
};

// The installed services; headless defaults until something is installed.
Services& services();

// Replaces the installed services; null restores the headless defaults.
void install(std::unique_ptr<Services> replacement);

// Convenience for the core's error boxes (caption "Error").
void show_error(const std::string& text);

}  // namespace platform
