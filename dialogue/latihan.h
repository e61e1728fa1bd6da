#pragma once

#include "soal.h"

#include <cstdint>

// The practice round (--latihan): banyak questions of one kind at tingkat drawn from benih,
// each answer checked and a wrong one explained, then the score and "try again?". Y starts the
// next round, from benih plus 1, of the same kind at the same level, on a cleared screen; N
// ends the process with status 0, as end of input does.
template <JenisSoal Soal> [[noreturn]] void latihan(std::uint64_t benih, int banyak, int tingkat);

// The largest number of questions in a round or on a sheet.
inline constexpr int soal_maks = 100;
