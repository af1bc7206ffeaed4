// The file commands as a table: a start state, a command with the user's
// answers and a condition of the file system give the file state, the lock,
// the files on disk, the saved flag and the messages shown. File contents are
// checked against the project's saved text.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/constants/gcc.h"
#include "core/io/project_writer.h"
#include "core/model/project.h"
#include "tests/support/core/core_test.h"
#include "tests/ui_files/file_commands_support.h"
#include "ui/files/file_controller.h"
#include "ui/files/posix_file_lock.h"

namespace {

using file_commands::Answer;
using file_commands::FileState;
namespace fs = std::filesystem;

using file_testing::decimal;

enum class Start { NewSaved, NewEdited, NewWithFile, BoundSaved, BoundEdited, ReadOnlyCopy };
enum class Command { Save, SaveAs, New, Open, Exit, GateExample };
enum class Condition { None, HeldElsewhere, DiskFull, ReadOnlyFolder, NotXml };
// What a file holds afterwards: what it held before the command, the current
// project's saved text, or the saved text the project had before the command.
enum class Content { Before, Project, OldProject };

struct Case {
    const char* name;
    Start start;
    const char* start_file = "a.xml";  // saved or opened by the start state
    Command command;
    std::vector<Answer> answers = {};
    std::vector<const char*> choices = {};  // nullptr: the chooser is cancelled
    Condition condition = Condition::None;
    const char* condition_file = "";  // held elsewhere, or not XML
    // Afterwards:
    FileState state;
    const char* file = "";  // the project's file; "" while new
    bool lock = false;      // this instance holds the file's lock
    bool saved;
    // "{docs}" stands for the Documents folder; a trailing "*" matches any rest.
    std::vector<std::string> messages = {};
    // Every project file under the Documents folder.
    std::vector<std::pair<const char*, Content>> files = {};
    std::optional<bool> result = std::nullopt;  // of Save, Save as and Exit
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

const std::string save_question = "question: Do you want to save the existing Project?";
const std::string not_saved = "error: The project was not saved.\n*";

const Case cases[] = {
    // Saving
    {.name = "NewProjectSaveAsksForANameAndBinds", .start = Start::NewEdited, .command = Command::Save,
     .choices = {"a.xml"}, .state = FileState::Bound, .file = "a.xml", .lock = true, .saved = true,
     .files = {{"a.xml", Content::Project}}, .result = true},
    {.name = "NewProjectSaveCancelled", .start = Start::NewEdited, .command = Command::Save, .choices = {nullptr},
     .state = FileState::New, .saved = false, .result = false},
    {.name = "BoundSaveWritesInPlace", .start = Start::BoundEdited, .command = Command::Save,
     .state = FileState::Bound, .file = "a.xml", .lock = true, .saved = true,
     .files = {{"a.xml", Content::Project}}, .result = true},
    {.name = "SaveAsMovesTheLock", .start = Start::BoundEdited, .command = Command::SaveAs, .choices = {"b.xml"},
     .state = FileState::Bound, .file = "b.xml", .lock = true, .saved = true,
     .files = {{"a.xml", Content::Before}, {"b.xml", Content::Project}}, .result = true},
    {.name = "SaveAsAppendsXml", .start = Start::NewEdited, .command = Command::SaveAs, .choices = {"plan"},
     .state = FileState::Bound, .file = "plan.xml", .lock = true, .saved = true,
     .files = {{"plan.xml", Content::Project}}, .result = true},
    {.name = "SaveAsOntoAFileHeldElsewhere", .start = Start::BoundEdited, .command = Command::SaveAs,
     .choices = {"b.xml"}, .condition = Condition::HeldElsewhere, .condition_file = "b.xml",
     .state = FileState::Bound, .file = "a.xml", .lock = true, .saved = false,
     .messages = {"information: The file is already in use by another user.\nThe file could not be saved."
                  "\n\nIt is held by other-morvanta (process *"},
     .files = {{"a.xml", Content::Before}}, .result = false},
    {.name = "SaveOnAFullDisk", .start = Start::BoundEdited, .command = Command::Save,
     .condition = Condition::DiskFull, .state = FileState::Bound, .file = "a.xml", .lock = true, .saved = false,
     .messages = {not_saved}, .files = {{"a.xml", Content::Before}}, .result = false},
    {.name = "SaveAsOnAFullDiskLeavesNoFile", .start = Start::NewEdited, .command = Command::SaveAs,
     .choices = {"b.xml"}, .condition = Condition::DiskFull, .state = FileState::New, .saved = false,
     .messages = {not_saved}, .result = false},
    {.name = "SaveAsIntoAReadOnlyFolder", .start = Start::BoundEdited, .command = Command::SaveAs,
     .choices = {"ro/b.xml"}, .condition = Condition::ReadOnlyFolder, .state = FileState::Bound, .file = "a.xml",
     .lock = true, .saved = false,
     .messages = {"error: The file could not be saved.\nCannot create {docs}/ro/.b.xml.lock: Permission denied"},
     .files = {{"a.xml", Content::Before}}, .result = false},
    {.name = "ReadOnlyCopySaveAsksForAName", .start = Start::ReadOnlyCopy, .command = Command::Save,
     .choices = {"c.xml"}, .state = FileState::Bound, .file = "c.xml", .lock = true, .saved = true,
     .files = {{"a.xml", Content::Before}, {"c.xml", Content::Project}}, .result = true},
    // Opening
    {.name = "OpenBindsAndLocks", .start = Start::NewWithFile, .command = Command::Open, .choices = {"a.xml"},
     .state = FileState::Bound, .file = "a.xml", .lock = true, .saved = true,
     .files = {{"a.xml", Content::Project}}},
    {.name = "OpenAFileHeldElsewhereReadsACopy", .start = Start::NewWithFile, .command = Command::Open,
     .choices = {"a.xml"}, .condition = Condition::HeldElsewhere, .condition_file = "a.xml",
     .state = FileState::ReadOnly, .file = "a.xml", .saved = true,
     .messages = {"information: This file is already in use by another user.\nThe file has been opened read-only."
                  "\n\nIt is held by other-morvanta (process *"},
     .files = {{"a.xml", Content::Project}}},
    {.name = "OpenInAReadOnlyFolderReadsACopy", .start = Start::NewWithFile, .start_file = "ro/a.xml",
     .command = Command::Open, .choices = {"ro/a.xml"}, .condition = Condition::ReadOnlyFolder,
     .state = FileState::ReadOnly, .file = "ro/a.xml", .saved = true,
     .messages = {"information: You may not write to this file or its folder.\nThe file has been opened read-only."},
     .files = {{"ro/a.xml", Content::Project}}},
    {.name = "OpenAMissingFileReplacesNothing", .start = Start::BoundEdited, .command = Command::Open,
     .choices = {"gone.xml"}, .state = FileState::Bound, .file = "a.xml", .lock = true, .saved = false,
     .messages = {"error: The file\n{docs}/gone.xml\ndoes not exist."}, .files = {{"a.xml", Content::Before}}},
    {.name = "OpenAFolderReplacesNothing", .start = Start::BoundEdited, .command = Command::Open,
     .choices = {"ro"}, .state = FileState::Bound, .file = "a.xml", .lock = true, .saved = false,
     .messages = {"error: The path\n{docs}/ro\nis a folder or a device, not a file."},
     .files = {{"a.xml", Content::Before}}},
    {.name = "OpenAFileThatIsNotAProjectLeavesANewProject", .start = Start::BoundEdited, .command = Command::Open,
     .answers = {Answer::No}, .choices = {"junk.xml"}, .condition = Condition::NotXml, .condition_file = "junk.xml",
     .state = FileState::New, .saved = true,
     .messages = {save_question, "error: Parse error when reading file: {docs}/junk.xml*"},
     .files = {{"a.xml", Content::Before}, {"junk.xml", Content::Before}}},
    {.name = "OpenCancelledAtTheSaveQuestion", .start = Start::BoundEdited, .command = Command::Open,
     .answers = {Answer::Cancel}, .choices = {"a.xml"}, .state = FileState::Bound, .file = "a.xml", .lock = true,
     .saved = false, .messages = {save_question}, .files = {{"a.xml", Content::Before}}},
    {.name = "OpenWhenTheSaveDialogIsCancelled", .start = Start::BoundEdited, .command = Command::Open,
     .answers = {Answer::Yes}, .choices = {"a.xml", nullptr}, .state = FileState::Bound, .file = "a.xml",
     .lock = true, .saved = false, .messages = {save_question}, .files = {{"a.xml", Content::Before}}},
    {.name = "OpenWhenTheSaveFails", .start = Start::BoundEdited, .command = Command::Open,
     .answers = {Answer::Yes}, .choices = {"a.xml", "b.xml"}, .condition = Condition::DiskFull,
     .state = FileState::Bound, .file = "a.xml", .lock = true, .saved = false,
     .messages = {save_question, not_saved}, .files = {{"a.xml", Content::Before}}},
    // New, examples and exit
    {.name = "NewDropsChangesOnNo", .start = Start::BoundEdited, .command = Command::New, .answers = {Answer::No},
     .state = FileState::New, .saved = true, .messages = {save_question}, .files = {{"a.xml", Content::Before}}},
    {.name = "NewCancelledKeepsEverything", .start = Start::BoundEdited, .command = Command::New,
     .answers = {Answer::Cancel}, .state = FileState::Bound, .file = "a.xml", .lock = true, .saved = false,
     .messages = {save_question}, .files = {{"a.xml", Content::Before}}},
    {.name = "NewSavesOnYes", .start = Start::NewEdited, .command = Command::New, .answers = {Answer::Yes},
     .choices = {"b.xml"}, .state = FileState::New, .saved = true, .messages = {save_question},
     .files = {{"b.xml", Content::OldProject}}},
    {.name = "ExampleReleasesTheLock", .start = Start::BoundSaved, .command = Command::GateExample,
     .state = FileState::New, .saved = false, .files = {{"a.xml", Content::Before}}},
    {.name = "ExitWithNothingUnsavedAsksNothing", .start = Start::BoundSaved, .command = Command::Exit,
     .state = FileState::New, .saved = true, .files = {{"a.xml", Content::Before}}, .result = true},
    {.name = "ExitWhenTheSaveFailsStays", .start = Start::BoundEdited, .command = Command::Exit,
     .answers = {Answer::Yes}, .choices = {"b.xml"}, .condition = Condition::DiskFull, .state = FileState::Bound,
     .file = "a.xml", .lock = true, .saved = false, .messages = {save_question, not_saved},
     .files = {{"a.xml", Content::Before}}, .result = false},
};

std::string project_text() { return GCC::RP ? project_file::project_file_text(*GCC::RP) : "(no project)"; }

// Every file under folder by its path relative to it, with its content; lock
// files are left out (the probe below checks them).
std::map<std::string, std::string> files_under(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file() || (name.front() == '.' && name.ends_with(".lock"))) continue;
        files[fs::relative(entry.path(), folder).string()] = testing_support::read_file(entry.path().string());
    }
    return files;
}

bool message_matches(const std::string& expected, const std::string& shown) {
    if (!expected.empty() && expected.back() == '*') return shown.starts_with(expected.substr(0, expected.size() - 1));
    return shown == expected;
}

// Runs one case from program start; "" when everything is as expected,
// otherwise one line per difference.
std::string run_case(const Case& c, const fs::path& documents, const fs::path& config) {
    file_testing::ScriptedDialogs dialogs;
    file_testing::RecordingWindow window;
    file_commands::PosixFileLocks locks;
    file_commands::FileController files(dialogs, window, locks);
    auto path = [&](const std::string& name) { return documents / name; };
    auto edit = [&] {
        GCC::RP->add_user_story("open", "remotely", "gate", "", false);
        files.set_saved(false);
    };
    auto save_as = [&](const char* name) {
        dialogs.choices.push_back(path(name));
        files.save_to_file(true);
    };
    fs::create_directory(path("ro"));
    files.start();

    std::optional<file_testing::LockHoldingProcess> holder;
    switch (c.start) {
    case Start::NewSaved:
        break;
    case Start::NewEdited:
        edit();
        break;
    case Start::NewWithFile:
        edit();
        save_as(c.start_file);
        files.make_new_file();
        break;
    case Start::BoundSaved:
        edit();
        save_as(c.start_file);
        break;
    case Start::BoundEdited:
        edit();
        save_as(c.start_file);
        edit();
        break;
    case Start::ReadOnlyCopy:
        edit();
        save_as(c.start_file);
        files.make_new_file();
        holder.emplace(path(c.start_file));
        files.open_file_path(path(c.start_file));
        break;
    }
    switch (c.condition) {
    case Condition::HeldElsewhere:
        holder.emplace(path(c.condition_file));
        break;
    case Condition::NotXml:
        std::ofstream(path(c.condition_file)) << "a letter, not a project\n";
        break;
    case Condition::ReadOnlyFolder:
        fs::permissions(path("ro"), fs::perms::owner_read | fs::perms::owner_exec);
        break;
    case Condition::None:
    case Condition::DiskFull:
        break;
    }

    std::string problems;
    auto expect = [&](bool ok, const std::string& what) {
        if (!ok) problems += what + "\n";
    };
    if (holder) expect(holder->holds(), "the second process holds no lock");
    const std::map<std::string, std::string> before = files_under(documents);
    const std::string old_project = project_text();
    dialogs.shown.clear();
    dialogs.choosers.clear();
    dialogs.answers.assign(c.answers.begin(), c.answers.end());
    for (const char* choice : c.choices)
        dialogs.choices.push_back(choice ? std::optional<fs::path>(path(choice)) : std::nullopt);

    std::optional<bool> result;
    {
        std::optional<file_testing::DiskFull> full;
        if (c.condition == Condition::DiskFull) full.emplace();
        switch (c.command) {
        case Command::Save:
            result = files.save_to_file(false);
            break;
        case Command::SaveAs:
            result = files.save_to_file(true);
            break;
        case Command::New:
            files.make_new_file();
            break;
        case Command::Open:
            files.open_from_file();
            break;
        case Command::Exit:
            result = files.exit_application();
            break;
        case Command::GateExample:
            files.open_example(file_commands::Example::Gate);
            break;
        }
    }

    expect(files.state() == c.state, "state " + decimal(static_cast<int>(files.state())));
    const fs::path expected_file = *c.file ? path(c.file) : fs::path();
    expect(files.status().file == expected_file, "file " + files.status().file.string());
    expect(files.is_saved() == c.saved, std::string("saved ") + (files.is_saved() ? "yes" : "no"));
    if (c.command != Command::Exit) expect(window.last_status == files.status(), "the window shows an old status");
    if (c.result) expect(result == c.result, "the command's result");
    expect(dialogs.unexpected.empty() && dialogs.answers.empty() && dialogs.choices.empty(),
           "the dialogs did not go as scripted");

    std::vector<std::string> expected_messages;
    for (std::string m : c.messages) {
        if (const size_t at = m.find("{docs}"); at != std::string::npos) m.replace(at, 6, documents.string());
        expected_messages.push_back(m);
    }
    bool messages_match = expected_messages.size() == dialogs.shown.size();
    for (size_t i = 0; messages_match && i < expected_messages.size(); ++i)
        messages_match = message_matches(expected_messages[i], dialogs.shown[i]);
    if (!messages_match)
        for (const std::string& m : dialogs.shown) problems += "shown: " + m + "\n";

    const std::map<std::string, std::string> after = files_under(documents);
    expect(after.size() == c.files.size(), "files on disk: " + decimal(static_cast<int>(after.size())));
    for (const auto& [name, content] : c.files) {
        const auto found = after.find(name);
        if (found == after.end()) {
            problems += std::string("missing file ") + name + "\n";
            continue;
        }
        const std::string& expected = content == Content::Project      ? project_text()
                                      : content == Content::OldProject ? old_project
                                                                       : before.at(name);
        expect(found->second == expected, std::string("content of ") + name);
    }

    // The lock, as another instance sees it.
    file_commands::PosixFileLocks probe("probe");
    for (const auto& [name, content] : c.files) {
        const file_commands::LockAttempt attempt = probe.take(path(name));
        const bool ours = attempt.outcome == file_commands::LockAttempt::Outcome::HeldElsewhere &&
                          attempt.holder.pid == ::getpid();
        expect(ours == (c.lock && name == std::string(c.file)), std::string("lock of ") + name);
    }
    // No private copy of an opened file is left behind.
    for (const auto& entry : fs::recursive_directory_iterator(config))
        expect(entry.path().filename().string().find("copy") == std::string::npos,
               "left behind: " + entry.path().string());

    fs::permissions(path("ro"), fs::perms::owner_all);
    return problems;
}

class FileCommandTable : public testing_support::CoreTest, public ::testing::WithParamInterface<Case> {};

TEST_P(FileCommandTable, GivesTheStateFilesAndMessages) {
    const Case& c = GetParam();
    auto run = [&] { return run_case(c, fake().documents, fake().config); };
    // Permissions do not stop root: a read-only folder needs an ordinary user.
    const std::string problems =
        c.condition == Condition::ReadOnlyFolder ? file_testing::run_without_privileges(fake().root, run) : run();
    EXPECT_EQ(problems, "");
}

INSTANTIATE_TEST_SUITE_P(FileCommands, FileCommandTable, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
