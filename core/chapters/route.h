#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace chapters {

// Where a place of a chapter walk lies: a root name, then one uid per step
// down, written joined by "__" (SH_CF11_DPR_TREE__DPR_..__DPR_..). An object
// reached along two routes gets two different routes. Routes share their
// beginnings, so a step costs the same at any depth; the text is built only
// when asked for. A route refers to the texts it was made from (static names
// and node uids), so it must not outlive the walk that made it.
class Route {
public:
    Route() = default;
    explicit Route(std::string_view root);
    Route(const Route&) = default;
    Route(Route&&) = default;
    Route& operator=(Route other) {
        last_.swap(other.last_);
        return *this;
    }
    // Releases a chain of steps one by one: the default would recurse once
    // per step into the step above.
    ~Route();

    // This route one step further down.
    Route then(std::string_view step) const;

    bool empty() const { return !last_; }
    // The length of text().
    size_t size() const { return last_ ? last_->size : 0; }
    // FNV-1a (64 bit) of text(), kept step by step.
    uint64_t hash() const { return last_ ? last_->hash : fnv_offset; }
    // The last step (the root for a route of one step).
    std::string_view back() const { return last_ ? last_->text : std::string_view{}; }

    std::string text() const;
    // text() when it has at most max_size bytes; otherwise the root, "__", the
    // hash in 16 hex digits, "__" and the last step: deep routes would make
    // identifiers grow with the square of the depth.
    std::string text(size_t max_size) const;

    static constexpr std::string_view separator = "__";

private:
    static constexpr uint64_t fnv_offset = 14695981039346656037ull;
    struct Step {
        mutable std::shared_ptr<const Step> up;
        std::string_view text;
        std::string_view root;  // the first step's text: shortened routes name it without a walk up
        size_t size;
        uint64_t hash;
    };
    std::shared_ptr<const Step> last_;
};

}  // namespace chapters
