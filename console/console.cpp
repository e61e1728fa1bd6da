#include "console.h"
#include "platform.h"
#include "texts.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <initializer_list>

namespace {

// Standard input, read in blocks into one buffer: the bytes from awal up to isi are read and
// not yet taken. Once the input has ended or failed, habis holds and nothing is read again.
char ruang[8192];
std::size_t awal;
std::size_t isi;
bool habis;

// Whether standard output is a screen to clear, as it was when the console was readied.
bool layar_terminal;

// Whether text goes out as text in HTML is written, and whether the next line is left out if it
// is empty.
bool html;
bool lewati_kosong;

// What c is written as in HTML's text.
std::string_view pengganti_html(const char &c) {
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    default:
        return {&c, 1};
    }
}

// Whether a byte is at hand, reading the next block when none is.
bool ada_masukan() {
    if (awal < isi) {
        return true;
    }
    if (habis) {
        return false;
    }
    const long long dibaca = baca_masukan(ruang, sizeof ruang);
    if (dibaca <= 0) {
        habis = true;
        return false;
    }
    awal = 0;
    isi = static_cast<std::size_t>(dibaca);
    return true;
}

// One of the platform's writes: to standard output or to standard error.
using Penulis = long long (*)(const char *teks, std::size_t panjang);

// Writes all panjang bytes of teks with tulis, taking up a shorter write where it left off;
// false, with errno set, when a write fails.
bool tulis_semua(Penulis tulis, const char *teks, std::size_t panjang) {
    while (panjang > 0) {
        const long long tertulis = tulis(teks, panjang);
        if (tertulis <= 0) {
            return false;
        }
        teks += tertulis;
        panjang -= static_cast<std::size_t>(tertulis);
    }
    return true;
}

} // namespace

// A line and its end go out in one write when they fit the piece. Each piece must be on the
// screen at once, so nothing is kept back. A failure is never reported as success: the reason
// goes to standard error.
void kirim(std::string_view teks, bool baris) {
    static char potongan[256];
    std::size_t panjang = 0;
    bool terkirim = true;
    const auto keluarkan = [&] {
        terkirim = terkirim && tulis_semua(tulis_keluaran, potongan, panjang);
        panjang = 0;
    };
    const auto tambah = [&](std::string_view bagian) {
        for (const char c : bagian) {
            if (panjang == sizeof potongan) {
                keluarkan();
            }
            potongan[panjang++] = c;
        }
    };
    for (const char &c : teks) {
        tambah(html ? pengganti_html(c) : std::string_view(&c, 1));
    }
    if (baris) {
        tambah("\n");
    }
    keluarkan();
    if (terkirim) {
        return;
    }
    tulis_galat(awalan_galat_tulis, std::strerror(errno));
    akhiri_proses(1);
}

void siapkan_konsol() {
    awal = 0;
    isi = 0;
    habis = false;
    html = false;
    lewati_kosong = false;
    siapkan_platform();
    layar_terminal = keluaran_terminal();
}

void tunggu_jawaban(std::string_view prompt) {
    kirim(prompt, false);
    while (ada_masukan() && spasi(static_cast<unsigned char>(ruang[awal]))) {
        ++awal;
    }
    if (!ada_masukan()) {
        tulis_baris();
        akhiri_proses(0);
    }
}

int lihat_masukan() {
    return ada_masukan() ? static_cast<unsigned char>(ruang[awal]) : akhir_masukan;
}

void ambil_masukan() {
    if (ada_masukan()) {
        ++awal;
    }
}

char baca_huruf(std::string_view prompt) {
    tunggu_jawaban(prompt);
    const auto huruf = static_cast<char>(lihat_masukan());
    ambil_masukan();
    return huruf;
}

void tulis_baris(std::string_view teks) {
    const bool lewati = lewati_kosong && teks.empty();
    lewati_kosong = false;
    if (!lewati) {
        kirim(teks, true);
    }
}

void tulis_teks(std::string_view teks) {
    kirim(teks, false);
}

void tulis_html(bool ya) {
    html = ya;
}

void lewati_baris_kosong() {
    lewati_kosong = true;
}

void tulis_galat(std::string_view teks, std::string_view tambahan) {
    char baris[256];
    std::size_t panjang = 0;
    for (const std::string_view bagian : {teks, tambahan}) {
        const std::size_t n = std::min(bagian.size(), sizeof baris - 1 - panjang);
        std::copy_n(bagian.data(), n, baris + panjang);
        panjang += n;
    }
    baris[panjang] = '\n';
    tulis_semua(tulis_galat_platform, baris, panjang + 1);
}

// Every piece is written as it is handed over, so nothing is pending when a console's screen
// buffer is cleared beneath the stream.
void bersihkan_layar() {
    if (layar_terminal) {
        bersihkan_terminal();
    }
}

std::uint64_t bilangan_acak() {
    std::uint64_t acak = 0;
    return isi_acak(&acak, sizeof acak) ? acak : jam_dan_proses();
}

void lapor_salah() {
    bersihkan_layar();
    tulis_baris(teks_salah);
    tulis_baris();
}
