#include "host/BitmapImage.h"

#include "host/BitmapCache.h"
#include "host/BitmapWarnings.h"

namespace {

constexpr AColor kNoImage(0.0f, 0.0f, 0.0f, 0.0f);

void setFilter(OIIO::TextureOpt& opt, BitmapImage::Filter filter) {
    switch (filter) {
    case BitmapImage::Filter::SummedArea:
        opt.mipmode = OIIO::TextureOpt::MipModeAniso;
        opt.interpmode = OIIO::TextureOpt::InterpBilinear;
        break;
    case BitmapImage::Filter::None:
        opt.mipmode = OIIO::TextureOpt::MipModeNoMIP;
        opt.interpmode = OIIO::TextureOpt::InterpClosest;
        break;
    case BitmapImage::Filter::Pyramidal:
    default:
        opt.mipmode = OIIO::TextureOpt::MipModeTrilinear;
        opt.interpmode = OIIO::TextureOpt::InterpBilinear;
        break;
    }
}

} // namespace

void BitmapImage::Open(const std::string& name) {
    file = name;
    handle = nullptr;
    channels = 0;
    alphaChannel = -1;
    told = false;
    if (file.empty()) {
        return;
    }
    BitmapCache& cache = BitmapCache::Get();
    OIIO::TextureSystem& system = cache.System();
    OIIO::TextureSystem::Perthread* info = cache.ThreadInfo();
    OIIO::TextureSystem::TextureHandle* opened =
        system.get_texture_handle(OIIO::ustring(file), info);
    OIIO::ImageSpec spec;
    if (!opened || !system.get_imagespec(opened, info, 0, spec) || spec.nchannels < 1) {
        WarnUnreadableBitmap(file, system.geterror());
        told = true;
        return;
    }
    handle = opened;
    channels = spec.nchannels;
    alphaChannel = spec.alpha_channel;
}

void BitmapImage::Reload(const std::string& name) {
    if (!name.empty()) {
        BitmapCache::Get().System().invalidate(OIIO::ustring(name), true);
        ForgetUnreadableBitmap(name);
    }
    Open(name);
}

AColor BitmapImage::Lookup(Filter filter, float blur, const Point3& uvw, const Point3& dx,
                           const Point3& dy) const {
    if (!handle) {
        return kNoImage;
    }
    OIIO::TextureOpt opt;
    setFilter(opt, filter);
    opt.swrap = OIIO::TextureOpt::WrapPeriodic;
    opt.twrap = OIIO::TextureOpt::WrapPeriodic;
    opt.swidth = blur;
    opt.twidth = blur;

    // The image's rows run top down, v runs up.
    const int n = channels < 4 ? channels : 4;
    float texel[4] = {};
    BitmapCache& cache = BitmapCache::Get();
    OIIO::TextureSystem& system = cache.System();
    if (!system.texture(handle, cache.ThreadInfo(), opt, uvw.x, 1.0f - uvw.y, dx.x, -dx.y, dy.x,
                        -dy.y, n, texel)) {
        const std::string reason = system.geterror();
        if (!told.exchange(true)) {
            WarnUnreadableBitmap(file, reason);
        }
        return kNoImage;
    }

    // One or two channels are grey; the alpha channel, where the file has
    // one, is alpha, and without one the image is opaque.
    const bool grey = channels < 3;
    const float alpha =
        alphaChannel >= (grey ? 1 : 3) && alphaChannel < n ? texel[alphaChannel] : 1.0f;
    return grey ? AColor(texel[0], texel[0], texel[0], alpha)
                : AColor(texel[0], texel[1], texel[2], alpha);
}
