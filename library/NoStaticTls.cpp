// The library's module goes without static thread-local storage. The MinGW
// runtime links a thread-storage directory into every module by default, and
// the loader refuses DisableThreadLibraryCalls for a module that has one, so
// the entry function could not turn off the thread notices. This definition
// of the runtime's thread-storage start-up hook stands in for the runtime's
// own, which keeps that directory out of the module. The library keeps no
// thread-local data: the generator state is the runtime library's.
#include <windows.h>

extern "C" const PIMAGE_TLS_CALLBACK __dyn_tls_init_callback = nullptr;
