// The least a dialogue program must do for a scripted session: read all of its input, and
// write the session's output with one write per piece, a piece being a line or a prompt.
// The pieces are loaded with one read before that work begins; the load is not the floor's
// work, so its duration is written to standard error for the benchmark to take off.
// Usage: floor CHUNKS < session, where CHUNKS holds the pieces separated by NUL bytes.
#include <chrono>
#include <cstdio>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The whole file at path, read with one read call; empty if it cannot be read whole.
std::string load(const char *path) {
    const int fd = open(path, O_RDONLY);
    struct stat info {};
    if (fd < 0 || fstat(fd, &info) != 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(info.st_size), '\0');
    const ssize_t got = read(fd, text.data(), text.size());
    close(fd);
    return got == info.st_size ? text : std::string{};
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        return 2;
    }
    const auto start_load = std::chrono::steady_clock::now();
    const std::string chunks = load(argv[1]);
    if (chunks.empty()) {
        return 2;
    }
    const std::chrono::nanoseconds load_time = std::chrono::steady_clock::now() - start_load;
    std::fprintf(stderr, "load %lld ns\n", static_cast<long long>(load_time.count()));
    char buffer[1 << 16];
    while (read(0, buffer, sizeof buffer) > 0) {
    }
    std::size_t start = 0;
    while (start <= chunks.size()) {
        std::size_t end = chunks.find('\0', start);
        if (end == std::string::npos) {
            end = chunks.size();
        }
        if (write(1, chunks.data() + start, end - start) < 0) {
            return 1;
        }
        start = end + 1;
    }
    return 0;
}
