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

long long tulis_keluaran(const char *teks, std::size_t panjang) {
    ssize_t tertulis = 0;
    do {
        tertulis = write(STDOUT_FILENO, teks, panjang);
    } while (tertulis < 0 && errno == EINTR);
    return tertulis;
}

void tulis_galat_platform(const char *teks, std::size_t panjang) {
    while (panjang > 0) {
        const ssize_t tertulis = write(STDERR_FILENO, teks, panjang);
        if (tertulis < 0 && errno == EINTR) {
            continue;
        }
        if (tertulis <= 0) {
            return;
        }
        teks += tertulis;
        panjang -= static_cast<std::size_t>(tertulis);
    }
}

bool keluaran_terminal() {
    return isatty(STDOUT_FILENO) != 0;
}

void bersihkan_terminal() {
    kirim(urutan_bersih, false);
}
