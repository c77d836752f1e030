// Put before the C library with LD_PRELOAD, it plays a file system the tests
// cannot mount: PODVRH=bez-zamku one without locks (as some network drives),
// PODVRH=vadny-disk one whose data never reaches the disk (fsync fails).

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>

namespace {

bool hraje(const char *role) {
    const char *podvrh = std::getenv("PODVRH");
    return podvrh && std::strcmp(podvrh, role) == 0;
}

template <typename Funkce> Funkce puvodni(const char *jmeno) {
    return reinterpret_cast<Funkce>(dlsym(RTLD_NEXT, jmeno));
}

} // namespace

extern "C" int flock(int deskriptor, int operace) {
    if (hraje("bez-zamku")) {
        errno = ENOLCK;
        return -1;
    }
    return puvodni<int (*)(int, int)>("flock")(deskriptor, operace);
}

extern "C" int fsync(int deskriptor) {
    if (hraje("vadny-disk")) {
        errno = EIO;
        return -1;
    }
    return puvodni<int (*)(int)>("fsync")(deskriptor);
}

extern "C" int syncfs(int deskriptor) {
    if (hraje("vadny-disk")) {
        errno = EIO;
        return -1;
    }
    return puvodni<int (*)(int)>("syncfs")(deskriptor);
}
