#include "host/BitmapWarnings.h"

#include "host/HostLock.h"

#include <cstdio>
#include <mutex>
#include <set>

namespace {

HostLock toldLock;

std::set<std::string>& toldFiles() {
    static std::set<std::string> files;
    return files;
}

} // namespace

void WarnUnreadableBitmap(const std::string& file, const std::string& reason) {
    {
        std::lock_guard<HostLock> lock(toldLock);
        if (!toldFiles().insert(file).second) {
            return;
        }
    }
    // The reason as one line: the image library's messages can run on.
    const std::string firstLine = reason.substr(0, reason.find('\n'));
    std::fprintf(stderr, "warning: bitmap \"%s\" cannot be read (%s); it shows as black\n",
                 file.c_str(), firstLine.empty() ? "unknown error" : firstLine.c_str());
}

void ForgetUnreadableBitmap(const std::string& file) {
    std::lock_guard<HostLock> lock(toldLock);
    toldFiles().erase(file);
}
