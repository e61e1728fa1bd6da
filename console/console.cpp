#include "console.h"
#include "texts.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

// Hands teks, then an end of line when baris is set, to standard output and flushes it, so that
// the piece goes out in one write. A write that fails ends the run with status 1 and the reason
// on standard error: a failure is never reported as success.
void kirim(std::string_view teks, bool baris) {
    std::streambuf &keluar = *std::cout.rdbuf();
    const auto panjang = static_cast<std::streamsize>(teks.size());
    if (keluar.sputn(teks.data(), panjang) == panjang && (!baris || keluar.sputc('\n') == '\n') &&
        keluar.pubsync() == 0) {
        return;
    }
    const int galat = errno;
    std::cerr << awalan_galat_tulis << std::strerror(galat) << std::endl;
    akhiri_proses(1);
}

// Whether standard output is a terminal the screen of which can be cleared. On Windows that is a
// console: the NUL device and other character devices are not.
bool keluaran_terminal() {
#ifdef _WIN32
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
#else
    return isatty(STDOUT_FILENO) != 0;
#endif
}

} // namespace

std::istream &tunggu_jawaban(std::string_view prompt) {
    kirim(prompt, false);
    std::cin >> std::ws;
    if (std::cin.peek() == std::char_traits<char>::eof()) {
        tulis_baris();
        akhiri_proses(0);
    }
    return std::cin;
}

char baca_huruf(std::string_view prompt) {
    return static_cast<char>(tunggu_jawaban(prompt).get());
}

void tulis_baris(std::string_view teks) {
    kirim(teks, true);
}

// Every write is flushed as it is made, so nothing is pending when the screen is cleared.
void bersihkan_layar() {
    static const bool terminal = keluaran_terminal();
    if (!terminal) {
        return;
    }
#ifdef _WIN32
    std::system("cls");
#else
    kirim(urutan_bersih, false);
#endif
}

void lapor_salah() {
    bersihkan_layar();
    tulis_baris(teks_salah);
    tulis_baris();
}
