#include "platform.h"
#include "texts.h"

#include <cerrno>
#include <csignal>
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
