#include "core/chapters/route.h"

#include <vector>

namespace chapters {

namespace {

constexpr uint64_t fnv_prime = 1099511628211ull;

uint64_t fnv(uint64_t hash, std::string_view text) {
    for (unsigned char c : text) {
        hash ^= c;
        hash *= fnv_prime;
    }
    return hash;
}

}  // namespace

Route::Route(std::string_view root)
    : last_(std::make_shared<const Step>(Step{nullptr, root, root, root.size(), fnv(fnv_offset, root)})) {}

Route::~Route() {
    std::shared_ptr<const Step> step = std::move(last_);
    while (step && step.use_count() == 1) {
        std::shared_ptr<const Step> up = std::move(step->up);
        step = std::move(up);
    }
}

Route Route::then(std::string_view step) const {
    if (!last_) return Route(step);
    Route next;
    next.last_ =
        std::make_shared<const Step>(Step{last_, step, last_->root, last_->size + separator.size() + step.size(),
                                          fnv(fnv(last_->hash, separator), step)});
    return next;
}

std::string Route::text() const {
    std::vector<std::string_view> steps;
    for (const Step* s = last_.get(); s; s = s->up.get()) steps.push_back(s->text);
    std::string out;
    out.reserve(size());
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        if (it != steps.rbegin()) out += separator;
        out += *it;
    }
    return out;
}

std::string Route::text(size_t max_size) const {
    if (size() <= max_size) return text();
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex(16, '0');
    uint64_t h = last_->hash;
    for (size_t i = 16; i-- > 0; h >>= 4) hex[i] = digits[h & 0xf];
    std::string out(last_->root);
    out += separator;
    out += hex;
    out += separator;
    out += last_->text;
    return out;
}

}  // namespace chapters
