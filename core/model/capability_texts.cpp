#include "core/model/capability_texts.h"

#include <algorithm>

#include "core/model/verb_capability.h"
#include "core/text/ascii.h"

CapabilityTexts& CapabilityTexts::instance() {
    // Never destroyed: pairs held by objects that outlive static destruction
    // still leave their entries.
    static auto* texts = new CapabilityTexts;
    return *texts;
}

size_t CapabilityTexts::add(VerbCapability* pair, std::string_view capability) {
    if (text.size() > 4096 && text.size() - live_bytes > live_bytes) compact();
    const size_t offset = text.size();
    text.reserve(offset + capability.size() + 1);
    for (char c : capability) text.push_back(MyStrF::ascii::to_lower(c));
    text.push_back('\0');
    spans.push_back({offset, capability.size(), pair});
    live_bytes += capability.size() + 1;
    return spans.size() - 1;
}

size_t CapabilityTexts::replace(size_t entry, std::string_view capability) {
    VerbCapability* pair = spans[entry].pair;
    remove(entry);
    // Compacting may move entries; the pair's own position is taken afresh.
    return add(pair, capability);
}

void CapabilityTexts::remove(size_t entry) {
    Span& span = spans[entry];
    span.pair = nullptr;
    live_bytes -= span.length + 1;
}

void CapabilityTexts::compact() {
    std::string kept;
    kept.reserve(live_bytes * 2);
    std::vector<Span> kept_spans;
    for (const Span& span : spans) {
        if (!span.pair) continue;
        kept_spans.push_back({kept.size(), span.length, span.pair});
        kept.append(text, span.offset, span.length + 1);
        span.pair->moved_to_entry(kept_spans.size() - 1);
    }
    text = std::move(kept);
    spans = std::move(kept_spans);
}

std::vector<const VerbCapability*> CapabilityTexts::holding(std::string_view lowered) const {
    std::vector<const VerbCapability*> found;
    const std::string_view all(text);
    auto span_of = [&](size_t position) {
        return std::prev(std::upper_bound(spans.begin(), spans.end(), position,
                                          [](size_t p, const Span& s) { return p < s.offset; }));
    };
    for (size_t hit = all.find(lowered); hit != std::string_view::npos;) {
        // The text sought holds no null byte, so a hit never crosses the end
        // of an entry: it lies inside the entry it starts in.
        const auto span = span_of(hit);
        if (span->pair) found.push_back(span->pair);
        hit = all.find(lowered, span->offset + span->length + 1);
    }
    return found;
}
