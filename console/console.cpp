#include "console.h"
#include "texts.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

// Writes up to panjang bytes of teks to standard output; returns how many it wrote, or -1.
long long tulis_berkas(const char *teks, std::streamsize panjang) {
#ifdef _WIN32
    return _write(1, teks, static_cast<unsigned>(panjang));
#else
    return write(STDOUT_FILENO, teks, static_cast<std::size_t>(panjang));
#endif
}

// Standard output with no buffer: each piece handed over with sputn goes out at once, in one
// write when the system takes it whole. The console hands over only whole pieces, a line or a
// prompt, and each must be on the screen at once, so a buffer would only be filled and flushed
// again. Single characters (sputc) are refused: nothing writes them.
class KeluaranLangsung final : public std::streambuf {
  protected:
    std::streamsize xsputn(const char *teks, std::streamsize panjang) override {
        std::streamsize tertulis = 0;
        while (tertulis < panjang) {
            const long long hasil = tulis_berkas(teks + tertulis, panjang - tertulis);
            if (hasil <= 0) {
                break;
            }
            tertulis += hasil;
        }
        return tertulis;
    }
};

// Hands teks, then an end of line when baris is set, to standard output as one piece. A write
// that fails ends the run with status 1 and the reason on standard error: a failure is never
// reported as success.
void kirim(std::string_view teks, bool baris) {
    static std::string potongan;
    potongan.assign(teks);
    if (baris) {
        potongan += '\n';
    }
    const auto panjang = static_cast<std::streamsize>(potongan.size());
    if (std::cout.rdbuf()->sputn(potongan.data(), panjang) == panjang) {
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

void siapkan_konsol() {
    static KeluaranLangsung keluaran;
    std::ios::sync_with_stdio(false);
    std::cout.rdbuf(&keluaran);
    std::cin.tie(nullptr);
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_DFL);
#endif
}

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

// Every piece is written as it is handed over, so nothing is pending when "cls" runs.
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
