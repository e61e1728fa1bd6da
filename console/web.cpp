#include "console.h"
#include "platform.h"
#include "texts.h"

#include <emscripten.h>

#include <algorithm>
#include <cerrno>
#include <limits>

// The host gives three services on Module (web/node-host.js under node, web/page.js in the
// page): tavirelTulis writes bytes to standard output, tavirelBaca waits for the next bytes of
// input (null at its end, false for an interrupt), and tavirelTerminal tells whether output is
// a terminal. Random bytes come from its crypto.getRandomValues, which browsers and node have.
// The bodies below are JavaScript, which clang-format does not know.
// clang-format off

// Writes panjang bytes at teks; returns how many were written, or a negative code for why not:
// -1 EBADF, -2 ENOSPC, -3 EPIPE, -4 any other reason.
EM_JS(int, tulis_host, (const char *teks, int panjang),
      { return Module.tavirelTulis(HEAPU8.subarray(teks, teks + panjang)); });

// Waits, without blocking the host, for the next bytes of input and puts up to maks of them at
// tujuan; returns how many, 0 at end of input, or -1 when the user interrupts (Ctrl-C). The
// program resumes inside the host's promise; when it then ends, the runtime's exit throws its
// status out of the resumption, and that is caught here, as no one else could catch it.
EM_JS(int, baca_host, (char *tujuan, int maks), {
    return Asyncify.handleSleep((lanjut) => {
        Module.tavirelBaca(maks).then((bytes) => {
            let hasil = -1;
            if (bytes === null || bytes === undefined) {
                hasil = 0;
            } else if (bytes !== false) {
                HEAPU8.set(bytes, tujuan);
                hasil = bytes.length;
            }
            try {
                lanjut(hasil);
            } catch (galat) {
                if (!(galat instanceof ExitStatus)) {
                    throw galat;
                }
            }
        });
    });
});

EM_JS(int, terminal_host, (), { return Module.tavirelTerminal() ? 1 : 0; });

// Fills panjang bytes at tujuan from the host's crypto.getRandomValues; 0 where it has none.
EM_JS(int, acak_host, (void *tujuan, int panjang), {
    try {
        crypto.getRandomValues(HEAPU8.subarray(tujuan, tujuan + panjang));
        return 1;
    } catch (galat) {
        return 0;
    }
});

EM_JS(double, jam_host, (), { return Date.now(); });

// Writes a line to standard error through the runtime's err(), which ends the line itself.
EM_JS(void, galat_host, (const char *teks, int panjang), { err(UTF8ToString(teks, panjang)); });

// clang-format on

namespace {

// An interrupt ends a run with 128 plus SIGINT's number, as a shell reports it.
constexpr int status_interupsi = 130;

// The most bytes crypto.getRandomValues fills at once.
constexpr std::size_t acak_maks = 65536;

// The host takes and gives at most an int's worth of bytes at a time.
int potong(std::size_t panjang) {
    return static_cast<int>(std::min<std::size_t>(panjang, std::numeric_limits<int>::max()));
}

} // namespace

void siapkan_platform() {}

long long baca_masukan(char *ruang, std::size_t panjang) {
    const int dibaca = baca_host(ruang, potong(panjang));
    if (dibaca < 0) {
        akhiri_proses(status_interupsi);
    }
    return dibaca;
}

// A shorter write than asked for is taken up again by the caller.
long long tulis_keluaran(const char *teks, std::size_t panjang) {
    const int hasil = tulis_host(teks, potong(panjang));
    if (hasil >= 0) {
        return hasil;
    }
    constexpr int alasan[] = {EBADF, ENOSPC, EPIPE, EIO};
    errno = alasan[-hasil - 1];
    return -1;
}

// The console hands over a whole line at once; it goes without its end, which err() writes.
long long tulis_galat_platform(const char *teks, std::size_t panjang) {
    galat_host(teks, potong(panjang - 1));
    return static_cast<long long>(panjang);
}

bool keluaran_terminal() {
    return terminal_host() != 0;
}

void bersihkan_terminal() {
    kirim(urutan_bersih, false);
}

bool isi_acak(void *ruang, std::size_t panjang) {
    return panjang <= acak_maks && acak_host(ruang, static_cast<int>(panjang)) != 0;
}

// The host's clock in milliseconds; a page has no process id.
std::uint64_t jam_dan_proses() {
    return static_cast<std::uint64_t>(jam_host());
}
