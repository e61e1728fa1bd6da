// What the conversion's files share beside the boundary: the digit table, the decimal result
// line, the numeral readers, the working and its pieces, and the digits of a fraction.
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

// The pieces of the working that the sections of whole numbers and of fractions share.
// The bits that one digit of basis 8 or 16 stands for: 3 or 4.
int bit_per_digit(int basis);
// Starts a section: an empty line, then its title.
void mulai_bagian(std::string_view judul);
// The title of an expansion into bits from basis 8 or 16: "Ke biner: ganti tiap digit dengan 3
// bit".
std::string_view judul_urai(int basis);
// How many digits n has in basis; zero has one.
int banyak_digit(std::uint64_t n, int basis);
// Appends the last banyak digits of n in basis 8 or 16, most significant first, one blank
// between them: each as its 3 or 4 bits (bit), or right-aligned in as many columns, so that
// the digits and the bits of two rows stand one over the other.
void sambung_deret(Baris &baris, std::uint64_t n, int banyak, int basis, bool bit);
// The lines of a weighting section, one per digit of besar in basis: "F(15) x 16^7 =
// 4026531840".
void tulis_bobot(std::uint32_t besar, int basis);
// The lines of a division section: besar divided by basis until nothing is left, one line per
// division, and the remainders read from the bottom up.
void tulis_bagi(std::uint32_t besar, int basis);
// Appends the digit of a remainder nilai of 10 or more, " (F)", as a division line shows it;
// nothing below 10.
void sambung_huruf_sisa(Baris &baris, std::uint64_t nilai);

// The next digit in basis of the fraction pembilang / penyebut; pembilang becomes what is
// left of it. With pembilang below penyebut, the digit is below basis.
inline std::uint64_t digit_berikut(std::uint64_t &pembilang, std::uint64_t penyebut, int basis) {
    pembilang *= static_cast<std::uint64_t>(basis);
    const std::uint64_t digit = pembilang / penyebut;
    pembilang %= penyebut;
    return digit;
}
