// Reading and checking numerals: each case gives what is typed, the value expected (or none,
// for a wrong answer) and what must stay in the input for the next prompt.
#include "memory_console.h"

#include "console/console.h"
#include "conversion/radix.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct Case {
    const char *typed;
    std::optional<int> value;
    const char *left;
};

constexpr std::nullopt_t wrong = std::nullopt;

void check(const Case &c, int basis) {
    start_console(c.typed);
    const auto got = basis == basis_heksa ? baca_kata_heksa() : baca_token(basis);
    EXPECT_EQ(got ? std::optional(got->nilai) : std::nullopt, c.value)
        << "typed \"" << c.typed << "\" in basis " << basis;
    if (got) {
        EXPECT_EQ(got->minus, c.typed[0] == '-') << "typed \"" << c.typed << "\"";
    }
    std::string left;
    for (int byte = lihat_masukan(); byte != akhir_masukan; byte = lihat_masukan()) {
        left += static_cast<char>(byte);
        ambil_masukan();
    }
    EXPECT_EQ(left, c.left) << "typed \"" << c.typed << "\" in basis " << basis;
}

TEST(Numeral, Decimal) {
    const Case cases[] = {
        {"0", 0, ""},
        {"1", 1, ""},
        {"-1", -1, ""},
        {"+25", 25, ""},
        {"-0", 0, ""},
        {"2147483647", 2147483647, ""},
        {"-2147483648", -2147483647 - 1, ""},
        {"0000000000000000000000012", 12, ""},
        {"12abc", 12, "abc"},
        {"12:", 12, ":"},
        {"12/", 12, "/"},
        {"12 34", 12, " 34"},
        {"7\n", 7, "\n"},
        {"2147483648", wrong, ""},
        {"-2147483649", wrong, ""},
        {"99999999999999999999 5", wrong, " 5"},
        {"4294967295", wrong, ""},
        {"abc 5", wrong, " 5"},
        {"-", wrong, ""},
        {"- 5", wrong, " 5"},
        {"+-5", wrong, ""},
        {"\xe9", wrong, ""},
    };
    for (const Case &c : cases) {
        check(c, basis_desimal);
    }
}

TEST(Numeral, Binary) {
    const Case cases[] = {
        {"0", 0, ""},
        {"1", 1, ""},
        {"1010", 10, ""},
        {"0101", 5, ""},
        {"-1", -1, ""},
        {"-101", -5, ""},
        {"11111111111111111111111111111111", -1, ""},
        {"01111111111111111111111111111111", 2147483647, ""},
        {"10000000000000000000000000000000", -2147483647 - 1, ""},
        {"-10000000000000000000000000000000", -2147483647 - 1, ""},
        {"00000000000000000000000000000000000011", 3, ""},
        {"101abc", 5, "abc"},
        {"100000000000000000000000000000000", wrong, ""},
        {"-10000000000000000000000000000001", wrong, ""},
        {"12", wrong, ""},
        {"1021 11", wrong, " 11"},
        {"2", wrong, ""},
        {"x", wrong, ""},
    };
    for (const Case &c : cases) {
        check(c, basis_biner);
    }
}

TEST(Numeral, Octal) {
    const Case cases[] = {
        {"0", 0, ""},
        {"1", 1, ""},
        {"17", 15, ""},
        {"777", 511, ""},
        {"-1", -1, ""},
        {"17777777777", 2147483647, ""},
        {"20000000000", -2147483647 - 1, ""},
        {"37777777777", -1, ""},
        {"-20000000000", -2147483647 - 1, ""},
        {"40000000000", wrong, ""},
        {"-20000000001", wrong, ""},
        {"19", wrong, ""},
        {"8", wrong, ""},
        {"17,", 15, ","},
    };
    for (const Case &c : cases) {
        check(c, basis_oktal);
    }
}

TEST(Numeral, Hexadecimal) {
    const Case cases[] = {
        {"0", 0, ""},
        {"1", 1, ""},
        {"FF", 255, ""},
        {"ff", 255, ""},
        {"9", 9, ""},
        {"a0F9", 41209, ""},
        {"aBc", 2748, ""},
        {"1A", 26, ""},
        {"0x1F", 31, ""},
        {"0X1f", 31, ""},
        {"-0x10", -16, ""},
        {"-1", -1, ""},
        {"7FFFFFFF", 2147483647, ""},
        {"80000000", -2147483647 - 1, ""},
        {"FFFFFFFF", -1, ""},
        {"-80000000", -2147483647 - 1, ""},
        {"00000000000000000000000000000000000000FF", 255, ""},
        {"10 20", 16, " 20"},
        {"1A\t2", 26, "\t2"},
        {"1A\v2", 26, "\v2"},
        {"1A\f2", 26, "\f2"},
        {"1A\r\n", 26, "\r\n"},
        {"100000000", wrong, ""},
        {"-80000001", wrong, ""},
        {"G 10", wrong, " 10"},
        {"g", wrong, ""},
        {"9:", wrong, ""},
        {"@", wrong, ""},
        {"`", wrong, ""},
        {"/", wrong, ""},
        {"12G", wrong, ""},
        {"0x", wrong, ""},
        {"0x0x1", wrong, ""},
        {"00x1", wrong, ""},
        {"x1", wrong, ""},
        {"-", wrong, ""},
        {"\xe9", wrong, ""},
        {"F\xe9 1", wrong, " 1"},
    };
    for (const Case &c : cases) {
        check(c, basis_heksa);
    }
}

} // namespace
