#include "core/history/memento_state.h"

#include <algorithm>
#include <cassert>
#include <utility>

MementoState& MementoState::operator=(const MementoState& other) {
    if (this == &other) return *this;
    runs = other.runs;
    starts = other.starts;
    count = other.count;
    growing.reset();
    return *this;
}

const MementoPtr& MementoState::operator[](size_t index) const {
    assert(index < count);
    const size_t r = run_of(index);
    return (*runs[r])[index - starts[r]];
}

size_t MementoState::run_of(size_t index) const {
    return static_cast<size_t>(std::upper_bound(starts.begin(), starts.end(), index) - starts.begin()) - 1;
}

void MementoState::push_back(MementoPtr memento) {
    // A run another state holds too never changes.
    if (!growing || runs.back() != growing || growing.use_count() > 2 || growing->size() >= run_size) {
        growing = std::make_shared<Run>();
        growing->reserve(run_size);
        starts.push_back(count);
        runs.push_back(growing);
    }
    growing->push_back(std::move(memento));
    ++count;
}

void MementoState::append_run(RunPtr run) {
    if (run->empty()) return;
    starts.push_back(count);
    count += run->size();
    runs.push_back(std::move(run));
    growing.reset();
}

void MementoStateBuilder::keep(size_t index) {
    if (taken > 0 && index == previous.run_start(pending_run) + taken) {
        ++taken;
    } else {
        flush();
        const size_t r = previous.run_of(index);
        if (index != previous.run_start(r)) {
            state.push_back(previous[index]);
            return;
        }
        pending_run = r;
        taken = 1;
    }
    if (taken == previous.run(pending_run)->size()) {
        state.append_run(previous.run(pending_run));
        taken = 0;
    }
}

void MementoStateBuilder::add(MementoPtr memento) {
    flush();
    state.push_back(std::move(memento));
}

// A run taken over only in part is copied.
void MementoStateBuilder::flush() {
    if (taken == 0) return;
    const auto& run = *previous.run(pending_run);
    for (size_t i = 0; i < taken; ++i) state.push_back(run[i]);
    taken = 0;
}

MementoState MementoStateBuilder::finish() {
    flush();
    return std::move(state);
}
