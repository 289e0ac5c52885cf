#pragma once

// The host release whose interfaces these headers describe: 9000, 11000 or
// 12000. The host's build sets it for itself and for everything built
// against it.
#if !defined(HOST_SDK_RELEASE)
#error "HOST_SDK_RELEASE is not set: build against the host target"
#elif HOST_SDK_RELEASE != 9000 && HOST_SDK_RELEASE != 11000 && HOST_SDK_RELEASE != 12000
#error "HOST_SDK_RELEASE must be 9000, 11000 or 12000"
#endif

// A declaration that only some releases have, where the order of the virtual
// operations differs between releases. (Macros rather than conditional
// blocks, so that a class reads the same in every release.)
#if HOST_SDK_RELEASE >= 12000
#define HOST_FROM_RELEASE_12000(declaration) declaration
#define HOST_BEFORE_RELEASE_12000(declaration)
#else
#define HOST_FROM_RELEASE_12000(declaration)
#define HOST_BEFORE_RELEASE_12000(declaration) declaration
#endif
