#pragma once

#include "host/HostApi.h"

#include <string>

// The host's narrow string, in the system's ANSI code page.
using MCHAR = char;

class HOST_API CStr {
  public:
    CStr() = default;
    CStr(const char* s) : text(s ? s : "") {}
    CStr(std::string s) : text(std::move(s)) {}

    const char* data() const { return text.c_str(); }
    operator const char*() const { return text.c_str(); }
    int Length() const { return static_cast<int>(text.size()); }
    bool isNull() const { return text.empty(); }

    CStr& operator=(const char* s) {
        text = s ? s : "";
        return *this;
    }
    bool operator==(const CStr& other) const { return text == other.text; }
    bool operator!=(const CStr& other) const { return text != other.text; }

  private:
    std::string text;
};

using MSTR = CStr;
using TSTR = CStr;
