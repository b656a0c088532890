// Linked into the directory-listing tests a second time with the listing's readdir64 wrapped:
// every entry then comes without its type, as on file systems that give none (some network
// and FUSE file systems), so the listing must ask each entry itself.
#include <dirent.h>

extern "C" struct dirent64* __real_readdir64(DIR* d);

extern "C" struct dirent64* __wrap_readdir64(DIR* d) {
    struct dirent64* e = __real_readdir64(d);
    if (e) e->d_type = DT_UNKNOWN;
    return e;
}
