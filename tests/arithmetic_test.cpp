// Results are exact, never cut to 32 bits: sums past 2^32, products up to (2^32-1)^2,
// differences below zero with their sign, quotients with their remainder; boundary values in
// every operation and base.
#include "arithmetic/arithmetic.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr std::uint32_t maks = 0xFFFFFFFFU;
constexpr std::uint32_t separuh = 0x80000000U;

std::string hasil(int basis, std::uint32_t a, Operasi operasi, std::uint32_t b) {
    Baris baris{};
    sambung_hasil(baris, hitung({basis, a, operasi, b}), basis);
    return {baris.teks, baris.panjang};
}

TEST(Operations, ExactAtTheBoundaries) {
    const struct {
        int basis;
        std::uint32_t a;
        Operasi operasi;
        std::uint32_t b;
        const char *hasil;
    } kasus[] = {
        {10, 0, Operasi::tambah, 0, "0"},
        {10, maks, Operasi::tambah, 1, "4294967296"},
        {10, maks, Operasi::tambah, maks, "8589934590"},
        {16, maks, Operasi::tambah, maks, "1FFFFFFFE"},
        {10, 1, Operasi::kurang, 1, "0"},
        {10, separuh, Operasi::kurang, separuh - 1, "1"},
        {10, separuh - 1, Operasi::kurang, separuh, "-1"},
        {10, 0, Operasi::kurang, maks, "-4294967295"},
        {8, 0, Operasi::kurang, 1, "-1"},
        {10, 0, Operasi::kali, maks, "0"},
        {10, 1, Operasi::kali, maks, "4294967295"},
        {10, separuh, Operasi::kali, 2, "4294967296"},
        {10, maks, Operasi::kali, maks, "18446744065119617025"},
        {2, maks, Operasi::kali, maks,
         "1111111111111111111111111111111000000000000000000000000000000001"},
        {16, maks, Operasi::kali, maks, "FFFFFFFE00000001"},
        {10, 0, Operasi::bagi, 7, "0"},
        {10, 1, Operasi::bagi, maks, "0 sisa 1"},
        {10, maks - 1, Operasi::bagi, maks, "0 sisa 4294967294"},
        {10, maks, Operasi::bagi, maks, "1"},
        {10, maks, Operasi::bagi, 1, "4294967295"},
        {10, 100, Operasi::bagi, 7, "14 sisa 2"},
        {2, 100, Operasi::bagi, 7, "1110 sisa 10"},
        {16, maks, Operasi::bagi, separuh, "1 sisa 7FFFFFFF"},
    };
    for (const auto &k : kasus) {
        EXPECT_EQ(hasil(k.basis, k.a, k.operasi, k.b), k.hasil)
            << k.a << ' ' << static_cast<char>(k.operasi) << ' ' << k.b << " in base " << k.basis;
    }
}

} // namespace
