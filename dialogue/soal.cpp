#include "soal.h"
#include "texts.h"

#include "console/console.h"

void tulis_kepala(std::string_view judul, int banyak, std::uint64_t benih, int tingkat,
                  std::string_view jenis, std::optional<std::uint64_t> sampai) {
    tulis_baris(judul);
    tulis_baris(teks_garis);
    Baris baris{};
    sambung_angka(baris, static_cast<std::uint64_t>(banyak), basis_desimal);
    sambung(baris, teks_soal_kepala);
    if (!jenis.empty()) {
        sambung(baris, teks_sebelum_jenis);
        sambung(baris, jenis);
    }
    sambung(baris, teks_benih);
    sambung_angka(baris, benih, basis_desimal);
    if (sampai) {
        sambung(baris, teks_sampai);
        sambung_angka(baris, *sampai, basis_desimal);
    }
    if (tingkat != tingkat_dasar) {
        sambung(baris, teks_tingkat);
        sambung_angka(baris, static_cast<std::uint64_t>(tingkat), basis_desimal);
    }
    tulis(baris);
    tulis_baris(teks_garis);
}
