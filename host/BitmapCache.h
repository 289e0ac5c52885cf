#pragma once

#include "host/HostApi.h"

#include <cstddef>

#include <OpenImageIO/texture.h>

// The host's one cache of bitmap images, shared by every bitmap texture.
// Images are read in tiles as shading needs them, MIP levels are made on the
// fly for files that have none, and the tiles held in memory never exceed the
// cache's limit, whatever the number and size of the images: the least
// recently used tiles are dropped and read again when they are needed.
class HOST_API BitmapCache {
  public:
    static BitmapCache& Get();

    OIIO::TextureSystem& System() { return *system; }
    // The calling thread's lookup state. Lookups from several threads at
    // once are safe as long as each passes its own.
    OIIO::TextureSystem::Perthread* ThreadInfo();

    // Megabytes of tiles the cache may hold; the image library keeps a floor
    // of a few tens of megabytes.
    static constexpr float kDefaultMemoryLimitMB = 256.0f;
    void SetMemoryLimitMB(float limit);
    float MemoryLimitMB() const;
    // Bytes of tiles held now.
    std::size_t MemoryUsed() const;

    BitmapCache(const BitmapCache&) = delete;
    BitmapCache& operator=(const BitmapCache&) = delete;

  private:
    BitmapCache();

    OIIO::TextureSystem* system;
};
