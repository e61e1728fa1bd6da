// The least a dialogue program must do for a scripted session: read all of its input, and
// write the session's output with one write per piece, a piece being a line or a prompt.
// Usage: floor CHUNKS < session, where CHUNKS holds the pieces separated by NUL bytes.
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

int main(int argc, char **argv) {
    if (argc != 2) {
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    const std::string chunks{std::istreambuf_iterator<char>(file), {}};
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
