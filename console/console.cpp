#include "console.h"
#include "platform.h"
#include "texts.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

namespace {

// Standard output with no buffer: each piece handed over with sputn goes out at once, in one
// write when the system takes it whole. The console hands over only whole pieces, a line or a
// prompt, and each must be on the screen at once, so a buffer would only be filled and flushed
// again. Single characters (sputc) are refused: nothing writes them.
class KeluaranLangsung final : public std::streambuf {
  protected:
    std::streamsize xsputn(const char *teks, std::streamsize panjang) override {
        std::streamsize tertulis = 0;
        while (tertulis < panjang) {
            const long long hasil =
                tulis_keluaran(teks + tertulis, static_cast<std::size_t>(panjang - tertulis));
            if (hasil <= 0) {
                break;
            }
            tertulis += hasil;
        }
        return tertulis;
    }
};

} // namespace

// A failure is never reported as success: the reason goes to standard error.
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

void siapkan_konsol() {
    static KeluaranLangsung keluaran;
    std::ios::sync_with_stdio(false);
    std::cout.rdbuf(&keluaran);
    std::cin.tie(nullptr);
    siapkan_platform();
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

// Every piece is written as it is handed over, so nothing is pending when a console's screen
// buffer is cleared beneath the stream.
void bersihkan_layar() {
    static const bool terminal = keluaran_terminal();
    if (terminal) {
        bersihkan_terminal();
    }
}

void lapor_salah() {
    bersihkan_layar();
    tulis_baris(teks_salah);
    tulis_baris();
}
