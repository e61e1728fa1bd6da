#include "menu.h"

#include "texts.h"

#include "console/console.h"
#include "conversion/conversion.h"

namespace {

void tampil_menu() {
    for (const std::string_view baris : teks_menu) {
        tulis_baris(baris);
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
    char pilih = 0;
    for (;;) {
        tampil_menu();
        pilih = baca_huruf(teks_prompt_pilihan);
        tulis_baris();
        switch (pilih) {
        case 'A':
        case 'a':
            dari_desimal();
            break;
        case 'B':
        case 'b':
            dari_biner();
            break;
        case 'C':
        case 'c':
            dari_oktal();
            break;
        case 'D':
        case 'd':
            dari_heksadesimal();
            break;
        default:
            lapor_salah();
            continue;
        }
        tanya_coba_lagi();
    }
}
