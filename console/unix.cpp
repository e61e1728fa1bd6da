#include "platform.h"
#include "texts.h"

#include <csignal>
#include <unistd.h>

// A reader that goes away ends the run quietly by SIGPIPE, as it ends any filter, whatever
// the parent ignored.
void siapkan_platform() {
    std::signal(SIGPIPE, SIG_DFL);
}

long long tulis_keluaran(const char *teks, std::size_t panjang) {
    return write(STDOUT_FILENO, teks, panjang);
}

bool keluaran_terminal() {
    return isatty(STDOUT_FILENO) != 0;
}

void bersihkan_terminal() {
    kirim(urutan_bersih, false);
}
