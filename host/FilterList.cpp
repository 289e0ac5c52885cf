#include "host/FilterList.h"

#include <cstring>

void FilterList::Append(const MCHAR* s) {
    if (!s) {
        s = "";
    }
    buffer.insert(buffer.end(), s, s + std::strlen(s) + 1);
}

FilterList::operator const MCHAR*() const {
    // Two terminators: no description, so no filter.
    static const MCHAR empty[2] = {'\0', '\0'};
    return buffer.empty() ? empty : buffer.data();
}
