#include "tools/quiltra/KeyList.h"

#include <charconv>

namespace {

constexpr std::size_t kMaxKeys = 100000000; // a list this long is a typing error

std::optional<std::uint32_t> parseKey(const std::string& text) {
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<std::vector<std::uint32_t>> parseKeyList(const std::string& text) {
    std::vector<std::uint32_t> keys;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string::npos) {
            comma = text.size();
        }
        const std::string item = text.substr(start, comma - start);
        const std::size_t dash = item.find('-');
        if (dash == std::string::npos) {
            const auto key = parseKey(item);
            if (!key) {
                return std::nullopt;
            }
            keys.push_back(*key);
        } else {
            const auto first = parseKey(item.substr(0, dash));
            const auto last = parseKey(item.substr(dash + 1));
            if (!first || !last || *last < *first || *last - *first >= kMaxKeys - keys.size()) {
                return std::nullopt;
            }
            for (std::uint64_t k = *first; k <= *last; ++k) {
                keys.push_back(static_cast<std::uint32_t>(k));
            }
        }
        start = comma + 1;
    }
    return keys;
}
