#pragma once

#include <functional>
#include <map>

// The commands of the main window's menus, tool strip and keys. A command is
// offered (its items enabled) once a handler is installed for it; the state
// rules of Save, Undo, Redo and the font buttons apply on top.
enum class Command {
    New,
    Open,
    Save,
    SaveAs,
    ExportPdf,
    ExportReqPdf,
    ExportReqIf,
    ExportSysml,
    ImportComments,
    Close,
    Exit,
    Undo,
    Redo,
    Find,
    FindComments,
    FindUid,
    Appearance,
    AppearanceDefault,
    CustomizeParameters,
    References,
    ReviewIntReqs,
    ReviewEvidence,
    About,
    Privacy,
    ExplainExample,
    GateExample,
    Explain,
    Screenshot,
    ScreenGrab,
    FontDecrease,
    FontIncrease,
    ZoomOut,
    ZoomReset,
    ZoomIn,
};

class CommandTable {
public:
    using Handler = std::function<void()>;

    void install(Command command, Handler handler) { handlers_[command] = std::move(handler); }
    bool has(Command command) const { return handlers_.count(command) != 0; }
    // Runs the command's handler; false when none is installed.
    bool run(Command command) const {
        const auto found = handlers_.find(command);
        if (found == handlers_.end()) return false;
        // A copy: the handler may install another one for its own command.
        const Handler handler = found->second;
        handler();
        return true;
    }

private:
    std::map<Command, Handler> handlers_;
};
