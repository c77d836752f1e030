// Put before the C library with LD_PRELOAD, it plays a file system the tests
// cannot mount: PODVRH=bez-zamku one without locks (as some network drives),
// PODVRH=vadny-disk one whose data never reaches the disk (fsync and syncfs
// fail).

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>

namespace {

// Whether the role is played: then the call fails with `chyba`.
bool hraje(const char *role, int chyba) {
    const char *podvrh = std::getenv("PODVRH");
    if (!podvrh || std::strcmp(podvrh, role) != 0)
        return false;
    errno = chyba;
    return true;
}

} // namespace

extern "C" int flock(int deskriptor, int operace) {
    return hraje("bez-zamku", ENOLCK) ? -1
                                      : reinterpret_cast<int (*)(int, int)>(
                                            dlsym(RTLD_NEXT, "flock"))(deskriptor, operace);
}

extern "C" int fsync(int deskriptor) {
    return hraje("vadny-disk", EIO)
               ? -1
               : reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"))(deskriptor);
}

extern "C" int syncfs(int deskriptor) {
    return hraje("vadny-disk", EIO)
               ? -1
               : reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "syncfs"))(deskriptor);
}
