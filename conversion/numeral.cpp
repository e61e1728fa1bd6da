#include "radix.h"

#include "console/console.h"

#include <cstdint>
#include <limits>

namespace {

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
bool baca_tanda() {
    const int c = lihat_masukan();
    if (c == '+' || c == '-') {
        ambil_masukan();
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
    return c == akhir_masukan || spasi(c);
}

// Drops the rest of a wrong answer, up to the next whitespace or the end of input.
std::nullopt_t buang_kata() {
    while (!akhir_kata(lihat_masukan())) {
        ambil_masukan();
    }
    return std::nullopt;
}

// Takes a leading "0x" or "0X", or a leading 0 that is a digit; true for the digit.
bool baca_awalan_heksa() {
    if (lihat_masukan() != '0') {
        return false;
    }
    ambil_masukan();
    const int c = lihat_masukan();
    if (c == 'x' || c == 'X') {
        ambil_masukan();
        return false;
    }
    return true;
}

Bilangan bertanda(std::uint32_t besar, bool negatif) {
    return {static_cast<int>(negatif ? 0U - besar : besar), negatif};
}

} // namespace

std::optional<Bilangan> baca_token(int basis) {
    const bool negatif = baca_tanda();
    const std::uint32_t batas = batas_nilai(basis, negatif);
    std::uint32_t nilai = 0;
    bool ada_digit = false;
    for (int c = lihat_masukan(); c >= '0' && c <= '9'; c = lihat_masukan()) {
        const int digit = c - '0';
        if (digit >= basis || !tambah_digit(nilai, basis, digit, batas)) {
            return buang_kata();
        }
        ambil_masukan();
        ada_digit = true;
    }
    if (!ada_digit) {
        return buang_kata();
    }
    return bertanda(nilai, negatif);
}

std::optional<Bilangan> baca_kata_heksa() {
    const bool negatif = baca_tanda();
    const std::uint32_t batas = batas_nilai(basis_heksa, negatif);
    std::uint32_t nilai = 0;
    bool ada_digit = baca_awalan_heksa();
    for (int c = lihat_masukan(); !akhir_kata(c); c = lihat_masukan()) {
        const int digit = nilai_digit(c);
        if (digit < 0 || !tambah_digit(nilai, basis_heksa, digit, batas)) {
            return buang_kata();
        }
        ambil_masukan();
        ada_digit = true;
    }
    if (!ada_digit) {
        return std::nullopt;
    }
    return bertanda(nilai, negatif);
}

// Once the word is wrong, the rest of it is taken without a look.
bool baca_jawaban(int basis, std::uint32_t nilai) {
    bool ada_digit = basis == basis_heksa && baca_awalan_heksa();
    bool sah = true;
    std::uint32_t dibaca = 0;
    for (int c = lihat_masukan(); !akhir_kata(c); c = lihat_masukan()) {
        const int digit = nilai_digit(c);
        sah = sah && digit >= 0 && digit < basis && tambah_digit(dibaca, basis, digit, nilai);
        ada_digit = true;
        ambil_masukan();
    }
    return sah && ada_digit && dibaca == nilai;
}

// The fraction typed is matched digit by digit with nilai's, which are worked out as they are
// needed, so that an answer of any length takes the same memory.
bool baca_jawaban_pecahan(int basis, const Pecahan &nilai) {
    bool ada_digit = basis == basis_heksa && baca_awalan_heksa();
    bool koma = false;
    bool ada_pecahan = false;
    bool sah = true;
    std::uint32_t bulat = 0;
    std::uint64_t sisa = nilai.pembilang;
    for (int c = lihat_masukan(); !akhir_kata(c); c = lihat_masukan()) {
        ambil_masukan();
        if ((c == ',' || c == '.') && ada_digit && !koma) {
            koma = true;
            continue;
        }
        const int digit = nilai_digit(c);
        sah = sah && digit >= 0 && digit < basis;
        if (!sah) {
            continue;
        }
        if (koma) {
            ada_pecahan = true;
            sah = static_cast<std::uint64_t>(digit) == digit_berikut(sisa, nilai.penyebut, basis);
        } else {
            ada_digit = true;
            sah = tambah_digit(bulat, basis, digit, nilai.bulat);
        }
    }
    return sah && ada_digit && koma == ada_pecahan && bulat == nilai.bulat && sisa == 0;
}
