#pragma once

#include <cstddef>
#include <utility>

// Element access that never fails: outside the container (or without one)
// the caller's neutral value comes back.
namespace glue {

template <class Container, class Value>
Value item_or(const Container* items, std::ptrdiff_t index, Value fallback) {
    if (!items || index < 0 || static_cast<std::size_t>(index) >= static_cast<std::size_t>(items->size()))
        return fallback;
    return (*items)[index];
}

template <class Container, class Value>
Value item_or(const Container& items, std::ptrdiff_t index, Value fallback) {
    return item_or(&items, index, std::move(fallback));
}

}  // namespace glue
