#include "menu.h"

#include "texts.h"

#include "arithmetic/arithmetic.h"
#include "console/console.h"
#include "conversion/conversion.h"
#include "pecahan/pecahan.h"

#include <string_view>

namespace {

// The choices, each in both cases, in the order of the bases they choose.
constexpr std::string_view teks_huruf_pilihan = "AaBbCcDd";
constexpr int basis_pilihan[] = {basis_desimal, basis_biner, basis_oktal, basis_heksa};

// What a choice runs in the converter: the entry routine of its base.
void pilih_konversi(int basis, bool langkah) {
    tampilkan_langkah(langkah);
    switch (basis) {
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

// A dialogue's loop: its menu, a choice, then what the choice runs in its base (pilihan),
// then "try again?"; any other choice is reported as wrong and the menu shown again. pilihan
// is called directly, as the web build waits for input only along direct calls.
template <void (*pilihan)(int basis, bool langkah)>
[[noreturn]] void jalankan_menu(const Menu &menu, bool langkah) {
    for (;;) {
        tampil_menu(menu);
        const char pilih = baca_huruf(teks_prompt_pilihan);
        tulis_baris();
        const std::size_t nomor = teks_huruf_pilihan.find(pilih);
        if (nomor == std::string_view::npos) {
            lapor_salah();
            continue;
        }
        pilihan(basis_pilihan[nomor / 2], langkah);
        tanya_coba_lagi();
    }
}

} // namespace

void tampil_menu(const Menu &menu) {
    for (const std::string_view baris : menu) {
        tulis_baris(baris);
    }
}

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

void menu_utama(bool langkah) {
    jalankan_menu<pilih_konversi>(teks_menu, langkah);
}

void menu_hitung(bool langkah) {
    jalankan_menu<operasi_hitung>(teks_menu_hitung, langkah);
}

void menu_pecahan(bool langkah) {
    jalankan_menu<konversi_pecahan>(teks_menu_pecahan, langkah);
}
