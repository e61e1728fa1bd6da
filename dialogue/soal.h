// The questions of the practice round and of the sheets. They come from SplitMix64, which
// every platform computes alike, so that one seed gives one class the same questions
// everywhere.
#pragma once

#include "conversion/conversion.h"

#include <cstdint>

// A question: convert nilai from basis dari to basis ke.
struct Soal {
    int dari;
    int ke;
    std::uint32_t nilai;
};

// The levels: 1 asks the numbers from 1 to 255, 2 those from 256 to 65535.
inline constexpr int tingkat_dasar = 1;
inline constexpr int tingkat_maks = 2;

// The next question from keadaan, a SplitMix64 state, at tingkat: two draws, the direction,
// then the value.
Soal soal_berikut(std::uint64_t &keadaan, int tingkat);

// Appends the question's task: "Ubah desimal 62 ke oktal".
void sambung_soal(Baris &baris, const Soal &soal);

// Writes a header: judul between rules, under it "10 soal, benih 42", with ", tingkat 2" at
// level 2, then a rule.
void tulis_kepala(std::string_view judul, int banyak, std::uint64_t benih, int tingkat);
