#include "radix.h"

#include <cstdint>
#include <istream>
#include <limits>
#include <string>

namespace {

using traits = std::char_traits<char>;

// The largest magnitude a numeral may have. With "-" it is 2^31 in every base. Without, it is
// the largest int in basis 10; in the other bases any 32-bit pattern is a numeral, and those
// from 2^31 up stand for negatives in two's complement.
std::uint32_t batas_nilai(int basis, bool negatif) {
    if (negatif) {
        return std::uint32_t{1} << 31;
    }
    return basis == basis_desimal ? std::numeric_limits<std::int32_t>::max()
                                  : std::numeric_limits<std::uint32_t>::max();
}

// Value of c as a digit of any base up to 16, either case; -1 for any other byte.
int nilai_digit(int c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// Takes an optional sign; true for "-".
bool baca_tanda(std::istream &in) {
    const int c = in.peek();
    if (c == '+' || c == '-') {
        in.ignore();
    }
    return c == '-';
}

// Appends one digit to nilai; false, leaving nilai as it was, when that would pass batas.
bool tambah_digit(std::uint32_t &nilai, int basis, int digit, std::uint32_t batas) {
    const std::uint64_t baru = std::uint64_t{nilai} * static_cast<std::uint64_t>(basis) +
                               static_cast<std::uint64_t>(digit);
    if (baru > batas) {
        return false;
    }
    nilai = static_cast<std::uint32_t>(baru);
    return true;
}

bool akhir_kata(int c) {
    return c == traits::eof() || spasi(c);
}

// Drops the rest of a wrong answer, up to the next whitespace or the end of input.
std::nullopt_t buang_kata(std::istream &in) {
    while (!akhir_kata(in.peek())) {
        in.ignore();
    }
    return std::nullopt;
}

int bertanda(std::uint32_t besar, bool negatif) {
    return static_cast<int>(negatif ? 0U - besar : besar);
}

} // namespace

std::optional<int> baca_token(std::istream &in, int basis) {
    const bool negatif = baca_tanda(in);
    const std::uint32_t batas = batas_nilai(basis, negatif);
    std::uint32_t nilai = 0;
    bool ada_digit = false;
    for (int c = in.peek(); c >= '0' && c <= '9'; c = in.peek()) {
        const int digit = c - '0';
        if (digit >= basis || !tambah_digit(nilai, basis, digit, batas)) {
            return buang_kata(in);
        }
        in.ignore();
        ada_digit = true;
    }
    if (!ada_digit) {
        return buang_kata(in);
    }
    return bertanda(nilai, negatif);
}

std::optional<int> baca_kata_heksa(std::istream &in) {
    const bool negatif = baca_tanda(in);
    const std::uint32_t batas = batas_nilai(basis_heksa, negatif);
    std::uint32_t nilai = 0;
    bool ada_digit = false;
    if (in.peek() == '0') {
        in.ignore();
        ada_digit = true;
        const int c = in.peek();
        if (c == 'x' || c == 'X') {
            in.ignore();
            ada_digit = false;
        }
    }
    for (int c = in.peek(); !akhir_kata(c); c = in.peek()) {
        const int digit = nilai_digit(c);
        if (digit < 0 || !tambah_digit(nilai, basis_heksa, digit, batas)) {
            return buang_kata(in);
        }
        in.ignore();
        ada_digit = true;
    }
    if (!ada_digit) {
        return std::nullopt;
    }
    return bertanda(nilai, negatif);
}
