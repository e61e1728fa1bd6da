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

// Ends the run if a write to standard output has failed: a failure is never reported as
// success.
void periksa_tulisan() {
    if (std::cout) {
        return;
    }
    const int galat = errno;
    std::cerr << awalan_galat_tulis << std::strerror(galat) << std::endl;
    akhiri_proses(1);
}

void siram() {
    std::cout.flush();
    periksa_tulisan();
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

std::istream &tunggu_jawaban() {
    siram();
    std::cin >> std::ws;
    if (std::cin.peek() == std::char_traits<char>::eof()) {
        tulis_baris();
        akhiri_proses(0);
    }
    return std::cin;
}

char baca_huruf() {
    return static_cast<char>(tunggu_jawaban().get());
}

void tulis_baris(std::string_view teks) {
    std::cout << teks << std::endl;
    periksa_tulisan();
}

void bersihkan_layar() {
    static const bool terminal = keluaran_terminal();
    if (!terminal) {
        return;
    }
#ifdef _WIN32
    siram();
    std::system("cls");
#else
    std::cout << urutan_bersih;
    siram();
#endif
}

void lapor_salah() {
    bersihkan_layar();
    tulis_baris(teks_salah);
    tulis_baris();
}
