#include "platform.h"
#include "texts.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/random.h>
#include <time.h>
#include <unistd.h>

// A reader that goes away ends the run quietly by SIGPIPE, as it ends any filter, whatever
// the parent ignored.
void siapkan_platform() {
    std::signal(SIGPIPE, SIG_DFL);
}

long long baca_masukan(char *ruang, std::size_t panjang) {
    ssize_t dibaca = 0;
    do {
        dibaca = read(STDIN_FILENO, ruang, panjang);
    } while (dibaca < 0 && errno == EINTR);
    return dibaca;
}

namespace {

ssize_t tulis_ke(int berkas, const char *teks, std::size_t panjang) {
    ssize_t tertulis = 0;
    do {
        tertulis = write(berkas, teks, panjang);
    } while (tertulis < 0 && errno == EINTR);
    return tertulis;
}

} // namespace

long long tulis_keluaran(const char *teks, std::size_t panjang) {
    return tulis_ke(STDOUT_FILENO, teks, panjang);
}

long long tulis_galat_platform(const char *teks, std::size_t panjang) {
    return tulis_ke(STDERR_FILENO, teks, panjang);
}

bool keluaran_terminal() {
    return isatty(STDOUT_FILENO) != 0;
}

void bersihkan_terminal() {
    kirim(urutan_bersih, false);
}

// The kernel's generator, or /dev/urandom where the kernel is older than getrandom.
bool isi_acak(void *ruang, std::size_t panjang) {
    const auto semua = static_cast<ssize_t>(panjang);
    if (getrandom(ruang, panjang, 0) == semua) {
        return true;
    }
    const int berkas = open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    if (berkas < 0) {
        return false;
    }
    const bool terbaca = read(berkas, ruang, panjang) == semua;
    close(berkas);
    return terbaca;
}

// The clock's nanoseconds; the process id, spread over the bits by a large odd factor.
std::uint64_t jam_dan_proses() {
    timespec jam{};
    clock_gettime(CLOCK_REALTIME, &jam);
    return (static_cast<std::uint64_t>(jam.tv_sec) * 1000000000U +
            static_cast<std::uint64_t>(jam.tv_nsec)) ^
           static_cast<std::uint64_t>(getpid()) * 0x9E3779B97F4A7C15U;
}
