// What the conversion's files share: the bases, the digit table, the decimal result line and
// the numeral readers.
#pragma once

#include <optional>

inline constexpr int basis_biner = 2;
inline constexpr int basis_oktal = 8;
inline constexpr int basis_desimal = 10;
inline constexpr int basis_heksa = 16;

// The one table every base writes its digits from.
inline constexpr char digit_tabel[] = "0123456789ABCDEF";

// Writes the decimal result line for n, with a "-" when n is negative.
void ke_desimal(int n);

// Reads a numeral answer in basis 2, 8 or 10 from the console, whose next byte starts it:
// an optional "+" or "-" and the decimal digits that follow, ending before the first byte
// that is not a decimal digit (that byte stays in the input). Returns the value, or nothing
// when the answer is wrong: no digits, a digit outside the base, or a value outside 32 bits.
// In basis 10 that is -2147483648 to 2147483647. In the other bases a numeral is a 32-bit
// pattern: up to 2^32-1 unsigned, those from 2^31 up standing for negatives in two's
// complement, or with "-" a magnitude up to 2^31. A wrong answer is dropped up to the next
// whitespace.
std::optional<int> baca_token(int basis);

// Reads a hexadecimal answer: the whole whitespace-delimited word that starts at the console's
// next byte, an optional sign, an optional "0x" or "0X", then digits 0-9, A-F, a-f. Range and
// wrong answers as for baca_token. Memory does not grow with the word's length.
std::optional<int> baca_kata_heksa();
