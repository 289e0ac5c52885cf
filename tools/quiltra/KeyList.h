#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Sample keys as the user writes them: a range "1-1000", a list "3,7,9", or
// both mixed ("1-10,20"). Each key is a 32-bit value, 0 to 4294967295.
// Empty when the text is not such a list.
std::optional<std::vector<std::uint32_t>> parseKeyList(const std::string& text);
