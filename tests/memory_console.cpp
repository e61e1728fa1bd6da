#include "memory_console.h"

#include "console/console.h"
#include "console/platform.h"

#include <algorithm>
#include <cstring>

namespace {

// Bytes per read: few, so that a token often spans two reads.
constexpr std::size_t chunk = 5;

std::string_view input;
std::string output;
std::string errors;

} // namespace

void start_console(std::string_view typed) {
    input = typed;
    output.clear();
    errors.clear();
    siapkan_konsol();
}

const std::string &console_output() {
    return output;
}

const std::string &console_errors() {
    return errors;
}

void siapkan_platform() {}

long long baca_masukan(char *buffer, std::size_t size) {
    const std::size_t n = std::min({size, chunk, input.size()});
    if (n > 0) {
        std::memcpy(buffer, input.data(), n);
        input.remove_prefix(n);
    }
    return static_cast<long long>(n);
}

long long tulis_keluaran(const char *text, std::size_t size) {
    output.append(text, size);
    return static_cast<long long>(size);
}

long long tulis_galat_platform(const char *text, std::size_t size) {
    errors.append(text, size);
    return static_cast<long long>(size);
}

bool keluaran_terminal() {
    return false;
}

void bersihkan_terminal() {}

// No generator, and a clock that stands still.
bool isi_acak(void *, std::size_t) {
    return false;
}

std::uint64_t jam_dan_proses() {
    return 0;
}
