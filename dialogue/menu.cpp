#include "menu.h"

#include "texts.h"

#include "arithmetic/arithmetic.h"
#include "console/console.h"
#include "conversion/conversion.h"

#include <iterator>

namespace {

// The choices, each in both cases, in the order of what they run.
constexpr std::string_view teks_huruf_pilihan = "AaBbCcDd";

// What a menu offers: its banner, and for the choices A to D, in order, what each runs.
using Banner = std::string_view[std::size(teks_menu)];
using Pilihan = void (*)();

// Whether the operations show their working.
bool dengan_langkah;

// The menu loop: the banner, a choice, what it runs, then "try again?"; any other choice is
// reported as wrong and the banner shown again.
[[noreturn]] void jalankan_menu(const Banner &banner, const Pilihan (&pilihan)[4]) {
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
        pilihan[nomor / 2]();
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
    jalankan_menu(teks_menu, {dari_desimal, dari_biner, dari_oktal, dari_heksadesimal});
}

void menu_hitung(bool langkah) {
    dengan_langkah = langkah;
    jalankan_menu(teks_menu_hitung, {
                                        [] { operasi_hitung(basis_desimal, dengan_langkah); },
                                        [] { operasi_hitung(basis_biner, dengan_langkah); },
                                        [] { operasi_hitung(basis_oktal, dengan_langkah); },
                                        [] { operasi_hitung(basis_heksa, dengan_langkah); },
                                    });
}
