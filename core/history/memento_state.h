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

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = MementoPtr;
        using difference_type = std::ptrdiff_t;
        using pointer = const MementoPtr*;
        using reference = const MementoPtr&;

        const_iterator() = default;
        reference operator*() const { return (**run)[position]; }
        pointer operator->() const { return &**this; }
        const_iterator& operator++() {
            if (++position == (*run)->size()) {
                ++run;
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
        const_iterator(const RunPtr* r, size_t p) : run(r), position(p) {}
        const RunPtr* run = nullptr;
        size_t position = 0;
    };

    MementoState() = default;
    MementoState(const MementoState& other) : runs(other.runs), starts(other.starts), count(other.count) {}
    MementoState& operator=(const MementoState& other);
    MementoState(MementoState&&) noexcept = default;
    MementoState& operator=(MementoState&&) noexcept = default;

    size_t size() const { return count; }
    bool empty() const { return count == 0; }
    const MementoPtr& operator[](size_t index) const;
    const_iterator begin() const { return {runs.data(), 0}; }
    const_iterator end() const { return {runs.data() + runs.size(), 0}; }
    // The address of this state's list of runs: no two states share it.
    const RunPtr* data() const { return runs.data(); }

    void push_back(MementoPtr memento);
    // Appends a run of another state, shared with it.
    void append_run(RunPtr run);

    size_t run_count() const { return runs.size(); }
    const RunPtr& run(size_t index) const { return runs[index]; }
    // The position in this state of the first memento of a run.
    size_t run_start(size_t index) const { return starts[index]; }
    // The run that holds the memento at this position.
    size_t run_of(size_t index) const;

private:
    // Runs this state made itself grow up to this size.
    static constexpr size_t run_size = 256;

    std::vector<RunPtr> runs;
    std::vector<size_t> starts;
    size_t count = 0;
    // The last run while this state alone holds it and may still grow it.
    std::shared_ptr<Run> growing;
};

// Makes a state from a previous one, memento by memento: mementos taken over
// from the previous state in their order there share its runs.
class MementoStateBuilder {
public:
    explicit MementoStateBuilder(const MementoState& previous) : previous(previous) {}

    // Takes over the memento at this position of the previous state.
    void keep(size_t index);
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
