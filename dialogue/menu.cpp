#include "menu.h"

#include "texts.h"

#include "arithmetic/arithmetic.h"
#include "console/console.h"
#include "conversion/conversion.h"

#include <iterator>
#include <string_view>

namespace {

// The choices, each in both cases, in the order of the bases they choose.
constexpr std::string_view teks_huruf_pilihan = "AaBbCcDd";
constexpr int basis_pilihan[] = {basis_desimal, basis_biner, basis_oktal, basis_heksa};

// Runs what choice nomor (0 for A up to 3 for D) chooses: a conversion from its base, or with
// hitung an operation in it. Every call is direct, as the web build waits for input only
// along direct calls.
void jalankan_pilihan(int nomor, bool hitung, bool langkah) {
    if (hitung) {
        operasi_hitung(basis_pilihan[nomor], langkah);
        return;
    }
    switch (basis_pilihan[nomor]) {
    case basis_desimal:
        dari_desimal();
        break;
    case basis_biner:
        dari_biner();
        break;
    case basis_oktal:
        dari_oktal();
        break;
    default:
        dari_heksadesimal();
        break;
    }
}

// The menu loop: the banner, a choice, what it runs, then "try again?"; any other choice is
// reported as wrong and the banner shown again.
[[noreturn]] void jalankan_menu(const std::string_view (&banner)[std::size(teks_menu)], bool hitung,
                                bool langkah) {
    for (;;) {
        for (const std::string_view baris : banner) {
            tulis_baris(baris);
        }
        const char pilih = baca_huruf(teks_prompt_pilihan);
        tulis_baris();
        const std::size_t nomor = teks_huruf_pilihan.find(pilih);
        if (nomor == std::string_view::npos) {
            lapor_salah();
            continue;
        }
        jalankan_pilihan(static_cast<int>(nomor / 2), hitung, langkah);
        tanya_coba_lagi();
    }
}

} // namespace

void tanya_coba_lagi() {
    for (;;) {
        tulis_baris();
        const char coba_lagi = baca_huruf(teks_coba_lagi);
        if (coba_lagi == 'Y' || coba_lagi == 'y') {
            bersihkan_layar();
            return;
        }
        if (coba_lagi == 'N' || coba_lagi == 'n') {
            akhiri_proses(0);
        }
        lapor_salah();
    }
}

void menu_utama() {
    jalankan_menu(teks_menu, false, false);
}

void menu_hitung(bool langkah) {
    jalankan_menu(teks_menu_hitung, true, langkah);
}
