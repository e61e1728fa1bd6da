// What the conversion's files share: the bases, the digit table, the lines they put together,
// the decimal result line, the numeral readers and the working.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

inline constexpr int basis_biner = 2;
inline constexpr int basis_oktal = 8;
inline constexpr int basis_desimal = 10;
inline constexpr int basis_heksa = 16;

// The one table every base writes its digits from.
inline constexpr char digit_tabel[] = "0123456789ABCDEF";

// One line of output, put together piece by piece and then written whole with tulis_baris.
// The longest the conversions make is a label or a text of at most 32 bytes and 32 binary
// digits.
struct Baris {
    char teks[80];
    std::size_t panjang;
};

// Appends teks to baris.
void sambung(Baris &baris, std::string_view teks);

// Appends n's digits in basis, most significant first, through the digit stack; zero is the
// one digit 0. With lebar, blanks come first, so that the digits fill at least lebar columns.
void sambung_angka(Baris &baris, std::uint32_t n, int basis, std::size_t lebar = 0);

// Appends n in decimal, with a "-" when n is negative.
void sambung_bertanda(Baris &baris, int n);

// Writes baris and an end of line.
void tulis(const Baris &baris);

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

// The working, each a section that starts with an empty line. langkah_bobot weights the
// digits of the numeral typed in basis (2, 8 or 16) and sums them; langkah_bagi divides n,
// or its 32-bit pattern when n is negative, by basis (2, 8 or 16) until nothing is left.
void langkah_bobot(Bilangan bilangan, int basis);
void langkah_bagi(int n, int basis);
