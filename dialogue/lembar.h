#pragma once

#include "soal.h"

#include <cstdint>

// What a teacher prints (--lembar, --kunci): for each student a sheet of the practice round's
// questions of one kind, from the seeds benih, benih + 1, ... (modulo 2^64), open or, with
// pilihan, multiple choice.
struct Cetakan {
    std::uint64_t benih;
    int banyak;
    int tingkat;
    int siswa;
    bool lembar;
    bool kunci;
    bool langkah;
    bool pilihan;
};

// Writes the worksheets, when asked for, then the answer keys, with each answer's working
// when asked for, a line holding only a form feed between any two sheets; with pilihan, each
// question's five options on a worksheet, the answer's letter in a key, and after the keys the
// table of every student's letters. Reads nothing.
template <JenisSoal Soal> void tulis_cetakan(const Cetakan &cetakan);

// The largest number of students.
inline constexpr int siswa_maks = 100;
