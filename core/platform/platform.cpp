#include "core/platform/platform.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <vector>

#ifndef MORVANTA_VERSION
#define MORVANTA_VERSION "Unknown"
#endif

namespace platform {
namespace {

std::unique_ptr<Services>& installed() {
    static std::unique_ptr<Services> current = std::make_unique<Services>();
    return current;
}

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string home_folder() {
    std::string home = env("HOME");
    if (!home.empty()) return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* result = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result && result->pw_dir)
        return result->pw_dir;
    return {};
}

std::string strip_trailing_separators(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// Reads XDG_DOCUMENTS_DIR from user-dirs.dirs ("$HOME/..." or an absolute path).
std::string xdg_documents_from(const std::string& config, const std::string& home) {
    std::ifstream in(config + "/user-dirs.dirs");
    std::string line;
    const std::string key = "XDG_DOCUMENTS_DIR=";
    while (std::getline(in, line)) {
        auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
        std::string value = line.substr(start + key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
        if (!value.empty() && value.front() == '/') return strip_trailing_separators(value);
    }
    return {};
}

}  // namespace

void Services::show_message(MessageKind kind, const std::string& caption, const std::string& text) {
    const char* label = kind == MessageKind::Error ? "error" : kind == MessageKind::Warning ? "warning" : "info";
    std::cerr << "[" << label << "] " << caption << ": " << text << '\n';
}

void Services::set_clipboard_text(const std::string& utf8) { clipboard_ = utf8; }

std::string Services::clipboard_text() { return clipboard_; }

std::string Services::open_link(const std::string&) { return "No desktop is available to open links."; }

std::string Services::config_folder() {
    std::string config = env("XDG_CONFIG_HOME");
    if (!config.empty() && config.front() == '/') return strip_trailing_separators(config);
    std::string home = home_folder();
    return home.empty() ? std::string() : strip_trailing_separators(home) + "/.config";
}

std::string Services::documents_folder() {
    std::string home = home_folder();
    if (home.empty()) return {};
    home = strip_trailing_separators(home);
    std::string from_user_dirs = xdg_documents_from(config_folder(), home);
    return from_user_dirs.empty() ? home + "/Documents" : from_user_dirs;
}

std::string Services::user_name() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* result = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result && result->pw_name &&
        result->pw_name[0] != '\0')
        return result->pw_name;
    return "UnknownUser";
}

std::tm Services::local_time() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string Services::program_version() { return MORVANTA_VERSION; }

Services& services() { return *installed(); }

void install(std::unique_ptr<Services> replacement) {
    installed() = replacement ? std::move(replacement) : std::make_unique<Services>();
}

void show_error(const std::string& text) { services().show_message(MessageKind::Error, "Error", text); }

}  // namespace platform
