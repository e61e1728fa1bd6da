// What the conversion's files share beside the boundary: the digit table, the decimal result
// line, the numeral readers and the working.
#pragma once

#include "conversion.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The one table every base writes its digits from.
inline constexpr char digit_tabel[] = "0123456789ABCDEF";

// Appends n in decimal, with a "-" when n is negative.
void sambung_bertanda(Baris &baris, int n);

// Writes the decimal result line for n, with a "-" when n is negative.
void ke_desimal(int n);

// A numeral answer: its 32-bit value, and whether it was typed with "-".
struct Bilangan {
    int nilai;
    bool minus;
};

// Reads a numeral answer in basis 2, 8 or 10 from the console, whose next byte starts it:
// an optional "+" or "-" and the decimal digits that follow, ending before the first byte
// that is not a decimal digit (that byte stays in the input). Returns the numeral, or nothing
// when the answer is wrong: no digits, a digit outside the base, or a value outside 32 bits.
// In basis 10 that is -2147483648 to 2147483647. In the other bases a numeral is a 32-bit
// pattern: up to 2^32-1 unsigned, those from 2^31 up standing for negatives in two's
// complement, or with "-" a magnitude up to 2^31. A wrong answer is dropped up to the next
// whitespace.
std::optional<Bilangan> baca_token(int basis);

// Reads a hexadecimal answer: the whole whitespace-delimited word that starts at the console's
// next byte, an optional sign, an optional "0x" or "0X", then digits 0-9, A-F, a-f. Range and
// wrong answers as for baca_token. Memory does not grow with the word's length.
std::optional<Bilangan> baca_kata_heksa();

// The working, each a section that starts with an empty line. besar is a magnitude, pola a
// 32-bit pattern.
// langkah_bobot: the digits of the numeral typed in basis (2, 8 or 16), each times its weight,
// and their sum, which is its decimal value.
void langkah_bobot(Bilangan bilangan, int basis);
// langkah_bagi: besar divided by basis (2, 8 or 16) until nothing is left; the remainders.
void langkah_bagi(std::uint32_t besar, int basis);
// langkah_urai: each digit of besar in basis (8 or 16) replaced by its 3 or 4 bits.
void langkah_urai(std::uint32_t besar, int basis);
// langkah_kelompok: the bits of pola in groups of 3 or 4 from the right, each group a digit
// in basis (8 or 16).
void langkah_kelompok(std::uint32_t pola, int basis);
// langkah_komplemen: besar, from 1 to 2^31, in 32 bits, every bit inverted, then 1 added: the
// pattern of -besar.
void langkah_komplemen(std::uint32_t besar);
