#pragma once

// The version words the host accepts from a library of each release; 0 for
// a release it does not know.
constexpr unsigned long expectedVersionWord(int release) {
    return release == 9000    ? 0x23281500
           : release == 11000 ? 0x2AF81900
           : release == 12000 ? 0x2EE02100
                              : 0;
}
