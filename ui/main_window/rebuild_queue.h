#pragma once

#include <QObject>
#include <functional>

// Rebuild requests of one turn of the event loop, merged into one rebuild
// that runs on the next turn, never inside the handler that asked. A full
// rebuild (after undo, redo or open) includes the tree and the page from the
// top; a page asked for both with and without keeping its scroll position
// starts from the top. Requests made while a rebuild runs wait for the next turn.
class RebuildQueue : public QObject {
    Q_OBJECT
public:
    struct Steps {
        std::function<void()> full;
        std::function<void()> tree;
        std::function<void(bool keep_scroll)> page;
    };

    explicit RebuildQueue(Steps steps, QObject* parent = nullptr);

    void request_tree();
    void request_page(bool keep_scroll);
    void request_full();
    bool pending() const { return scheduled_; }

private:
    void schedule();
    void run();

    Steps steps_;
    bool scheduled_ = false;
    bool full_ = false;
    bool tree_ = false;
    bool page_ = false;
    bool keep_scroll_ = true;
};
