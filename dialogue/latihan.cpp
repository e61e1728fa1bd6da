// The practice round: the questions of a kind, each answer checked and a wrong one explained.
// Every kind's round is this one code; its calls to the kind are direct, as the web build
// waits for input only along direct calls.
#include "latihan.h"
#include "menu.h"
#include "texts.h"

#include "arithmetic/arithmetic.h"
#include "console/console.h"
#include "pecahan/pecahan.h"

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
template <JenisSoal Soal> bool tanya(const Soal &soal) {
    Baris prompt{};
    soal.sambung_prompt(prompt);
    tunggu_jawaban({prompt.teks, prompt.panjang});
    if (soal.periksa()) {
        tulis_baris(teks_benar);
        return true;
    }
    Baris jawaban{};
    sambung(jawaban, teks_salah_jawaban);
    soal.sambung_jawaban(jawaban);
    tulis(jawaban);
    soal.langkah();
    return false;
}

} // namespace

template <JenisSoal Soal> void latihan(std::uint64_t benih, int banyak, int tingkat) {
    for (;; ++benih) {
        tulis_kepala(judul_latihan, banyak, benih, tingkat, Soal::jenis);
        std::uint64_t keadaan = benih;
        int benar = 0;
        for (int nomor = 1; nomor <= banyak; ++nomor) {
            tulis_baris();
            tulis_dua_angka(teks_soal, nomor, teks_dari, banyak);
            benar += tanya(Soal::berikut(keadaan, tingkat)) ? 1 : 0;
        }
        tulis_baris();
        tulis_dua_angka(teks_skor, benar, teks_dari, banyak, teks_skor_akhir);
        tanya_coba_lagi();
    }
}

template void latihan<SoalKonversi>(std::uint64_t, int, int);
template void latihan<SoalHitung>(std::uint64_t, int, int);
template void latihan<SoalPecahan>(std::uint64_t, int, int);
