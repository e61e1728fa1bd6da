// Multiple choice (--pilihan, --moodle): each question's five options, its answer and four wrong
// ones, each wrong one with its reason, lettered a to e. The wrong options are one mistake
// students really make and slips of a digit, in two chains, the mistake and a slip of it, the
// answer, a slip of it and a slip of that, so that the answer stands at an end of its chain and
// not amid the others; then the letters are shuffled.
#pragma once

#include "soal.h"

#include <cstdint>
#include <string_view>

inline constexpr int banyak_opsi = 5;

// An option: its numeral, written as the key writes the answer, and, for a wrong one, its
// reason.
struct Opsi {
    Baris angka;
    Baris alasan;
};

// A question's options in letter order, and the letter of the answer (0 for a).
struct Pilihan {
    Opsi opsi[banyak_opsi];
    int jawaban;
};

// The options of a question whose answer, as the key writes it, is jawaban, a numeral of basis
// (pecahan: with a fraction, so that no option may be whole), with the mistakes kesalahan, from
// the question's five draws: the first four shuffle the letters, the fifth picks the slips.
Pilihan susun_pilihan(std::string_view jawaban, int basis, bool pecahan,
                      const DaftarKesalahan &kesalahan,
                      const std::uint64_t (&tarikan)[banyak_opsi]);

// The state of a sheet's second SplitMix64, which draws the options' letters and slips: the
// sheet's seed with every bit flipped, XOR (2 x kind + level) x 2^32, so that another kind or
// level gives other letters.
std::uint64_t benih_pilihan(std::uint64_t benih, int nomor_jenis, int tingkat);

// The options of soal, with its five draws from keadaan, the sheet's second SplitMix64.
template <JenisSoal Soal> Pilihan pilihan_soal(const Soal &soal, std::uint64_t &keadaan) {
    std::uint64_t tarikan[banyak_opsi];
    for (std::uint64_t &t : tarikan) {
        t = tarik(keadaan);
    }
    Baris jawaban{};
    soal.sambung_jawaban(jawaban);
    DaftarKesalahan kesalahan{};
    soal.tulis_kesalahan(kesalahan);
    return susun_pilihan(isi(jawaban), soal.basis_jawaban(), Soal::jawaban_pecahan, kesalahan,
                         tarikan);
}
