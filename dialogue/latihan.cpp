// The practice round. Its questions come from SplitMix64, which every platform computes alike,
// so that one seed gives one class the same questions everywhere.
#include "latihan.h"
#include "menu.h"
#include "texts.h"

#include "console/console.h"
#include "conversion/conversion.h"

#include <iterator>

namespace {

// A question: convert nilai from basis dari to basis ke.
struct Soal {
    int dari;
    int ke;
    std::uint32_t nilai;
};

// The twelve directions, in the order the first draw of a question picks them.
constexpr struct {
    int dari;
    int ke;
} arah[] = {
    {basis_desimal, basis_biner}, {basis_desimal, basis_oktal}, {basis_desimal, basis_heksa},
    {basis_biner, basis_desimal}, {basis_biner, basis_oktal},   {basis_biner, basis_heksa},
    {basis_oktal, basis_desimal}, {basis_oktal, basis_biner},   {basis_oktal, basis_heksa},
    {basis_heksa, basis_desimal}, {basis_heksa, basis_biner},   {basis_heksa, basis_oktal},
};

// The values asked are the 8-bit numbers from 1 up, as exercises use.
constexpr std::uint64_t nilai_maks = 255;

// SplitMix64's next number from its state, all modulo 2^64.
std::uint64_t tarik(std::uint64_t &keadaan) {
    keadaan += 0x9E3779B97F4A7C15U;
    std::uint64_t z = keadaan;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9U;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBU;
    return z ^ (z >> 31);
}

// Two draws a question: the direction, then the value.
Soal soal_berikut(std::uint64_t &keadaan) {
    const auto &[dari, ke] = arah[tarik(keadaan) % std::size(arah)];
    const auto nilai = static_cast<std::uint32_t>(1 + tarik(keadaan) % nilai_maks);
    return {dari, ke, nilai};
}

std::string_view nama_basis(int basis) {
    switch (basis) {
    case basis_biner:
        return teks_biner;
    case basis_oktal:
        return teks_oktal;
    case basis_desimal:
        return teks_desimal;
    default:
        return teks_heksadesimal;
    }
}

// Writes "<awal><a><tengah><b><akhir>", a and b in decimal.
void tulis_dua_angka(std::string_view awal, std::uint64_t a, std::string_view tengah,
                     std::uint64_t b, std::string_view akhir = {}) {
    Baris baris{};
    sambung(baris, awal);
    sambung_angka(baris, a, basis_desimal);
    sambung(baris, tengah);
    sambung_angka(baris, b, basis_desimal);
    sambung(baris, akhir);
    tulis(baris);
}

// Asks one question and judges the answer; true when it is right. A wrong one is answered
// with the right answer and its working.
bool tanya(const Soal &soal) {
    Baris prompt{};
    sambung(prompt, teks_ubah);
    sambung(prompt, nama_basis(soal.dari));
    sambung(prompt, " ");
    sambung_angka(prompt, soal.nilai, soal.dari);
    sambung(prompt, teks_ke);
    sambung(prompt, nama_basis(soal.ke));
    sambung(prompt, teks_akhir_prompt);
    tunggu_jawaban({prompt.teks, prompt.panjang});
    if (baca_jawaban(soal.ke, soal.nilai)) {
        tulis_baris(teks_benar);
        return true;
    }
    Baris jawaban{};
    sambung(jawaban, teks_salah_jawaban);
    sambung_angka(jawaban, soal.nilai, soal.ke);
    tulis(jawaban);
    langkah_konversi(soal.dari, soal.ke, soal.nilai);
    return false;
}

} // namespace

void latihan(std::uint64_t benih, int banyak) {
    for (;; ++benih) {
        tulis_baris(judul_latihan);
        tulis_baris(teks_garis);
        tulis_dua_angka({}, static_cast<std::uint64_t>(banyak), teks_soal_benih, benih);
        tulis_baris(teks_garis);
        std::uint64_t keadaan = benih;
        int benar = 0;
        for (int nomor = 1; nomor <= banyak; ++nomor) {
            tulis_baris();
            tulis_dua_angka(teks_soal, static_cast<std::uint64_t>(nomor), teks_dari,
                            static_cast<std::uint64_t>(banyak));
            benar += tanya(soal_berikut(keadaan)) ? 1 : 0;
        }
        tulis_baris();
        tulis_dua_angka(teks_skor, static_cast<std::uint64_t>(benar), teks_dari,
                        static_cast<std::uint64_t>(banyak), teks_skor_akhir);
        tanya_coba_lagi();
    }
}
