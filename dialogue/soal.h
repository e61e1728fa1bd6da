// The questions of the practice round and of the sheets. They come from SplitMix64, which
// every platform computes alike, so that one seed gives one class the same questions
// everywhere.
#pragma once

#include "arithmetic/arithmetic.h"
#include "conversion/conversion.h"

#include <cstdint>
#include <optional>

// A question: convert nilai from basis dari to basis ke; or, where it has hitungan, work that
// out in its base, dari and ke, whose result is nilai. Either way the answer is nilai in ke.
struct Soal {
    int dari;
    int ke;
    std::uint32_t nilai;
    std::optional<Hitungan> hitungan;
};

// The levels. A conversion asks the numbers from 1 to 255 at level 1 and from 256 to 65535 at
// level 2; an operation adds and subtracts those, and multiplies and divides numbers up to 4
// and 8 bits, so that at each level no number of the question passes 8 or 16 bits, but for a
// sum, which may take one more.
inline constexpr int tingkat_dasar = 1;
inline constexpr int tingkat_maks = 2;

// The next question from keadaan, a SplitMix64 state, at tingkat. A conversion takes two
// draws, the direction, then the value; an operation (hitung) three, its kind, then two for
// its numbers.
Soal soal_berikut(std::uint64_t &keadaan, int tingkat, bool hitung);

// Appends the question's task: "Ubah desimal 62 ke oktal", "Hitung oktal 155 - 76".
void sambung_soal(Baris &baris, const Soal &soal);

// Appends what a round asks, the task and what leads to the answer: "Ubah desimal 62 ke
// oktal : ", "Hitung oktal 155 - 76 = ".
void sambung_prompt(Baris &baris, const Soal &soal);

// Writes the working of the question's answer.
void langkah_soal(const Soal &soal);

// Writes a header: judul between rules, under it "10 soal, benih 42", or for operations
// "10 soal hitung, benih 42", with ", tingkat 2" at level 2, then a rule.
void tulis_kepala(std::string_view judul, int banyak, std::uint64_t benih, int tingkat,
                  bool hitung);
