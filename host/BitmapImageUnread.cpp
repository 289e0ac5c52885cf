// The bitmap image of a host built without its image library (the Windows
// builds): every file is one that cannot be read. It shows as transparent
// black and is named once on stderr, as an unreadable file is.
#include "host/BitmapImage.h"
#include "host/BitmapWarnings.h"

namespace {

constexpr AColor kNoImage(0.0f, 0.0f, 0.0f, 0.0f);
constexpr const char* kReason = "this build of the host reads no image files";

} // namespace

void BitmapImage::Open(const std::string& name) {
    file = name;
    handle = nullptr;
    told = !file.empty();
    if (told) {
        WarnUnreadableBitmap(file, kReason);
    }
}

void BitmapImage::Reload(const std::string& name) {
    if (!name.empty()) {
        ForgetUnreadableBitmap(name);
    }
    Open(name);
}

AColor BitmapImage::Lookup(Filter, float, const Point3&, const Point3&, const Point3&) const {
    return kNoImage;
}
