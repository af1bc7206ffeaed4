#include "core/history/memento_state.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "core/history/mementos.h"

MementoState& MementoState::operator=(const MementoState& other) {
    if (this == &other) return *this;
    entries = other.entries;
    count = other.count;
    growing.reset();
    growing_keys.reset();
    return *this;
}

const MementoPtr& MementoState::operator[](size_t index) const {
    assert(index < count);
    const Entry& entry = entries[run_of(index)];
    return (*entry.run)[index - entry.start];
}

size_t MementoState::run_of(size_t index) const {
    const auto after = std::upper_bound(entries.begin(), entries.end(), index,
                                        [](size_t i, const Entry& entry) { return i < entry.start; });
    return static_cast<size_t>(after - entries.begin()) - 1;
}

void MementoState::reserve_runs(size_t run_count) { entries.reserve(run_count); }

void MementoState::push_back(MementoPtr memento) {
    // A run another state holds too never changes.
    if (!growing || entries.back().run != growing || growing.use_count() > 2 || growing->size() >= run_size) {
        growing = std::make_shared<Run>();
        growing->reserve(run_size);
        growing_keys = std::make_shared<RunKeys>();
        growing_keys->uid_hashes.reserve(run_size);
        entries.push_back({growing, growing_keys, count});
    }
    if (memento->is_node) {
        growing_keys->uid_hashes.push_back(static_cast<const MC_NDE&>(*memento).uid_hash);
    } else {
        growing_keys->uid_hashes.push_back(0);
        growing_keys->holds_others = true;
    }
    growing->push_back(std::move(memento));
    ++count;
}

void MementoState::append_run(const MementoState& from, size_t index) {
    entries.push_back({from.entries[index].run, from.entries[index].keys, count});
    count += from.entries[index].run->size();
    growing.reset();
    growing_keys.reset();
}

// A new state mostly shares the previous state's runs, with a few more
// where something changed or was added. Growing its list step by step would
// allocate it a dozen times at 100k objects, and on a heap fragmented by the
// rebuild of an undo every allocation of that size is slow.
MementoStateBuilder::MementoStateBuilder(const MementoState& previous) : previous(previous) {
    state.reserve_runs(previous.run_count() + 8);
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
        state.append_run(previous, pending_run);
        taken = 0;
    }
}

void MementoStateBuilder::keep_run(size_t run) {
    flush();
    state.append_run(previous, run);
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
