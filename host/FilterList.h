#pragma once

#include "host/CStr.h"
#include "host/HostApi.h"

#include <vector>

// The filter of a file dialog as the system reads it: strings laid end to
// end, each with its terminator, in pairs of a description and a pattern,
// ended by an empty string.
class HOST_API FilterList {
  public:
    // Adds s and its terminator.
    void Append(const MCHAR* s);
    // The strings appended so far; an empty list when there are none.
    operator const MCHAR*() const;

  private:
    std::vector<MCHAR> buffer;
};
