// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into the program by tests/environment.sh: writes down the name
// of every environment variable the process asks for, one a line, to the
// file that ENVLOG_FILE names. It reads that one variable itself, through
// the C library's own getenv.
#include <dlfcn.h>

#include <cstdio>

namespace {

using Getenv = char* (*)(const char*);

Getenv realGetenv() {
    static const auto real = reinterpret_cast<Getenv>(dlsym(RTLD_NEXT, "getenv"));
    return real;
}

void note(const char* name) {
    static std::FILE* out = [] {
        const char* path = realGetenv()("ENVLOG_FILE");
        return path ? std::fopen(path, "a") : nullptr;
    }();
    if (out && name) {
        std::fprintf(out, "%s\n", name);
        std::fflush(out);
    }
}

} // namespace

extern "C" char* getenv(const char* name) noexcept {
    note(name);
    return realGetenv()(name);
}

extern "C" char* secure_getenv(const char* name) noexcept {
    note(name);
    return realGetenv()(name);
}
