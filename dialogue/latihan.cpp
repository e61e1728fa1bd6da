// The practice round: the questions of soal.h, each answer checked and a wrong one explained.
#include "latihan.h"
#include "menu.h"
#include "soal.h"
#include "texts.h"

#include "console/console.h"

namespace {

// Writes "<awal><a><tengah><b><akhir>", a and b in decimal.
void tulis_dua_angka(std::string_view awal, int a, std::string_view tengah, int b,
                     std::string_view akhir = {}) {
    Baris baris{};
    sambung(baris, awal);
    sambung_angka(baris, static_cast<std::uint64_t>(a), basis_desimal);
    sambung(baris, tengah);
    sambung_angka(baris, static_cast<std::uint64_t>(b), basis_desimal);
    sambung(baris, akhir);
    tulis(baris);
}

// Asks one question and judges the answer; true when it is right. A wrong one is answered
// with the right answer and its working.
bool tanya(const Soal &soal) {
    Baris prompt{};
    sambung_prompt(prompt, soal);
    tunggu_jawaban({prompt.teks, prompt.panjang});
    if (baca_jawaban(soal.ke, soal.nilai)) {
        tulis_baris(teks_benar);
        return true;
    }
    Baris jawaban{};
    sambung(jawaban, teks_salah_jawaban);
    sambung_angka(jawaban, soal.nilai, soal.ke);
    tulis(jawaban);
    langkah_soal(soal);
    return false;
}

} // namespace

void latihan(std::uint64_t benih, int banyak, int tingkat, bool hitung) {
    for (;; ++benih) {
        tulis_kepala(judul_latihan, banyak, benih, tingkat, hitung);
        std::uint64_t keadaan = benih;
        int benar = 0;
        for (int nomor = 1; nomor <= banyak; ++nomor) {
            tulis_baris();
            tulis_dua_angka(teks_soal, nomor, teks_dari, banyak);
            benar += tanya(soal_berikut(keadaan, tingkat, hitung)) ? 1 : 0;
        }
        tulis_baris();
        tulis_dua_angka(teks_skor, benar, teks_dari, banyak, teks_skor_akhir);
        tanya_coba_lagi();
    }
}
