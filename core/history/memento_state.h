#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

struct MC;

// A frozen piece of the project (one object, or a part of the quantity-type
// table).
using MementoPtr = std::shared_ptr<const MC>;

// The mementos of one undo state, in order. Neighbouring states differ in a
// few mementos, so a state is held as runs of mementos that states share: a
// state made from another shares every run it keeps as it was, and costs one
// pointer per run rather than one per memento.
class MementoState {
public:
    using Run = std::vector<MementoPtr>;
    using RunPtr = std::shared_ptr<const Run>;
    // What a snapshot reads of a run to learn whether it holds the memento of
    // an object, without visiting the mementos themselves: the uid hash of
    // each memento in run order (0 for one that is not an object's).
    struct RunKeys {
        std::vector<size_t> uid_hashes;
        bool holds_others = false;
    };
    using RunKeysPtr = std::shared_ptr<const RunKeys>;

private:
    // A run of this state, its keys and the position of its first memento:
    // one list, so that a new state allocates it once.
    struct Entry {
        RunPtr run;
        RunKeysPtr keys;
        size_t start = 0;
    };

public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = MementoPtr;
        using difference_type = std::ptrdiff_t;
        using pointer = const MementoPtr*;
        using reference = const MementoPtr&;

        const_iterator() = default;
        reference operator*() const { return (*entry->run)[position]; }
        pointer operator->() const { return &**this; }
        const_iterator& operator++() {
            if (++position == entry->run->size()) {
                ++entry;
                position = 0;
            }
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const = default;

    private:
        friend class MementoState;
        const_iterator(const Entry* e, size_t p) : entry(e), position(p) {}
        const Entry* entry = nullptr;
        size_t position = 0;
    };

    MementoState() = default;
    MementoState(const MementoState& other) : entries(other.entries), count(other.count) {}
    MementoState& operator=(const MementoState& other);
    MementoState(MementoState&&) noexcept = default;
    MementoState& operator=(MementoState&&) noexcept = default;

    size_t size() const { return count; }
    bool empty() const { return count == 0; }
    const MementoPtr& operator[](size_t index) const;
    const_iterator begin() const { return {entries.data(), 0}; }
    const_iterator end() const { return {entries.data() + entries.size(), 0}; }
    // The address of this state's list of runs: no two states share it.
    const void* data() const { return entries.data(); }

    // Room for this many runs, allocated at once.
    void reserve_runs(size_t run_count);
    void push_back(MementoPtr memento);
    // Appends a run of another state, shared with it.
    void append_run(const MementoState& from, size_t index);

    size_t run_count() const { return entries.size(); }
    const RunPtr& run(size_t index) const { return entries[index].run; }
    const RunKeys& run_keys(size_t index) const { return *entries[index].keys; }
    // The position in this state of the first memento of a run.
    size_t run_start(size_t index) const { return entries[index].start; }
    // The run that holds the memento at this position.
    size_t run_of(size_t index) const;

private:
    // Runs this state made itself grow up to this size.
    static constexpr size_t run_size = 256;

    std::vector<Entry> entries;
    size_t count = 0;
    // The last run (and its keys) while this state alone holds it and may
    // still grow it.
    std::shared_ptr<Run> growing;
    std::shared_ptr<RunKeys> growing_keys;
};

// Makes a state from a previous one, memento by memento: mementos taken over
// from the previous state in their order there share its runs.
class MementoStateBuilder {
public:
    explicit MementoStateBuilder(const MementoState& previous);

    // Takes over the memento at this position of the previous state.
    void keep(size_t index);
    // Takes over a whole run of the previous state.
    void keep_run(size_t run);
    void add(MementoPtr memento);
    MementoState finish();

private:
    void flush();

    const MementoState& previous;
    MementoState state;
    // A run of the previous state whose first `taken` mementos came in order.
    size_t pending_run = 0;
    size_t taken = 0;
};
