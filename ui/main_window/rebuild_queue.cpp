#include "ui/main_window/rebuild_queue.h"

#include <QMetaObject>

RebuildQueue::RebuildQueue(Steps steps, QObject* parent) : QObject(parent), steps_(std::move(steps)) {}

void RebuildQueue::request_tree() {
    tree_ = true;
    schedule();
}

void RebuildQueue::request_page(bool keep_scroll) {
    keep_scroll_ = page_ ? keep_scroll_ && keep_scroll : keep_scroll;
    page_ = true;
    schedule();
}

void RebuildQueue::request_full() {
    full_ = true;
    schedule();
}

void RebuildQueue::schedule() {
    if (scheduled_) return;
    scheduled_ = true;
    QMetaObject::invokeMethod(this, &RebuildQueue::run, Qt::QueuedConnection);
}

void RebuildQueue::run() {
    // Take this turn's requests; whatever the steps request lands in the next turn.
    const bool full = full_;
    const bool tree = tree_ && !full;
    const bool page = page_ && !full;
    const bool keep_scroll = keep_scroll_;
    full_ = tree_ = page_ = false;
    keep_scroll_ = true;
    scheduled_ = false;
    if (full) steps_.full();
    if (tree) steps_.tree();
    if (page) steps_.page(keep_scroll);
}
