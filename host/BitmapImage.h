#pragma once

#include "host/AColor.h"
#include "host/Point3.h"

#include <atomic>
#include <string>

#if HOST_IMAGE_READING
#include <OpenImageIO/texture.h>
using BitmapImageHandle = OIIO::TextureSystem::TextureHandle;
#else
// A host built without its image library reads no file (BitmapImageUnread.cpp).
struct BitmapImageHandle;
#endif

// The image file of one bitmap texture, read through the host's bitmap cache,
// and its filtered lookup. Opening and reloading belong to the main thread;
// lookups may run on any number of threads at once.
//
// A file that cannot be read shows as transparent black, (0, 0, 0, 0), the
// same as a bitmap without a file; a warning naming it goes to stderr once.
class BitmapImage {
  public:
    // The bitmap texture's filtering selector.
    enum class Filter {
        Pyramidal = 0,  // MIP-mapped, trilinear over the footprint's larger side
        SummedArea = 1, // area average over the footprint's shape, anisotropic
        None = 2,       // the closest texel of the full-size image
    };

    // Opens the file; an empty name means no image and no warning.
    void Open(const std::string& name);
    // Drops what the cache holds of the file and opens it again, so that a
    // changed file is read anew and a missing one that has appeared is found.
    void Reload(const std::string& name);

    const std::string& File() const { return file; }
    bool Readable() const { return handle != nullptr; }

    // The colour at texture coordinates uvw (v up, tiling in both
    // directions) over the footprint spanned by the change dx and dy of uvw
    // across one pixel; blur scales the footprint.
    AColor Lookup(Filter filter, float blur, const Point3& uvw, const Point3& dx,
                  const Point3& dy) const;

  private:
    std::string file;
    BitmapImageHandle* handle = nullptr;
    int channels = 0;
    int alphaChannel = -1;
    // Set once the file's failure has been told, so that a failing lookup
    // costs no more than the lookup.
    mutable std::atomic<bool> told{false};
};
