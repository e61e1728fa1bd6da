// Loaded with LD_PRELOAD: every write to standard output takes at most three bytes, as a write
// to a pipe or a terminal may, so a program that does not write the rest loses output.
#include <dlfcn.h>
#include <unistd.h>

extern "C" ssize_t write(int fd, const void *buffer, size_t count) {
    using write_function = ssize_t (*)(int, const void *, size_t);
    static const auto next = reinterpret_cast<write_function>(dlsym(RTLD_NEXT, "write"));
    return next(fd, buffer, fd == STDOUT_FILENO && count > 3 ? 3 : count);
}
