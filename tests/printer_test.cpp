// The printers write a value's 32-bit pattern, the decimal line its signed value; boundary
// values in every base. The lines they write come out whole at any length.
#include "memory_console.h"

#include "console/console.h"
#include "conversion/conversion.h"
#include "conversion/radix.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

// Captures what the printers write to standard output.
class Printers : public testing::Test {
  protected:
    void SetUp() override { start_console(""); }
    static std::string written() { return console_output(); }
};

constexpr int int_min = std::numeric_limits<int>::min();
constexpr int int_max = std::numeric_limits<int>::max();

TEST_F(Printers, Decimal) {
    for (const int n : {0, 1, 10, int_max, -1, -10, int_min}) {
        ke_desimal(n);
    }
    EXPECT_EQ(written(), "Hasil desimal      : 0\n"
                         "Hasil desimal      : 1\n"
                         "Hasil desimal      : 10\n"
                         "Hasil desimal      : 2147483647\n"
                         "Hasil desimal      : -1\n"
                         "Hasil desimal      : -10\n"
                         "Hasil desimal      : -2147483648\n");
}

TEST_F(Printers, Binary) {
    for (const int n : {0, 1, 10, 255, int_max, -1, -10, int_min}) {
        ke_biner(n);
    }
    EXPECT_EQ(written(), "Hasil biner        : 0\n"
                         "Hasil biner        : 1\n"
                         "Hasil biner        : 1010\n"
                         "Hasil biner        : 11111111\n"
                         "Hasil biner        : 1111111111111111111111111111111\n"
                         "Hasil biner        : 11111111111111111111111111111111\n"
                         "Hasil biner        : 11111111111111111111111111110110\n"
                         "Hasil biner        : 10000000000000000000000000000000\n");
}

TEST_F(Printers, Octal) {
    for (const int n : {0, 1, 10, 255, int_max, -1, -10, int_min}) {
        ke_oktal(n);
    }
    EXPECT_EQ(written(), "Hasil oktal        : 0\n"
                         "Hasil oktal        : 1\n"
                         "Hasil oktal        : 12\n"
                         "Hasil oktal        : 377\n"
                         "Hasil oktal        : 17777777777\n"
                         "Hasil oktal        : 37777777777\n"
                         "Hasil oktal        : 37777777766\n"
                         "Hasil oktal        : 20000000000\n");
}

TEST_F(Printers, Hexadecimal) {
    for (const int n : {0, 1, 10, 255, int_max, -1, -10, int_min, 0x1234ABCD}) {
        ke_heksadesimal(n);
    }
    EXPECT_EQ(written(), "Hasil heksadesimal : 0\n"
                         "Hasil heksadesimal : 1\n"
                         "Hasil heksadesimal : A\n"
                         "Hasil heksadesimal : FF\n"
                         "Hasil heksadesimal : 7FFFFFFF\n"
                         "Hasil heksadesimal : FFFFFFFF\n"
                         "Hasil heksadesimal : FFFFFFF6\n"
                         "Hasil heksadesimal : 80000000\n"
                         "Hasil heksadesimal : 1234ABCD\n");
}

// Each printer starts from an empty digit stack, so no digit of one line leaks into the next.
TEST_F(Printers, OneAfterAnother) {
    ke_biner(-1);
    ke_oktal(8);
    ke_heksadesimal(0);
    EXPECT_EQ(written(), "Hasil biner        : 11111111111111111111111111111111\n"
                         "Hasil oktal        : 10\n"
                         "Hasil heksadesimal : 0\n");
}

// A line and its end come out whole at any length: below, at and above the length up to which
// they go out in one piece, and far above it.
TEST_F(Printers, LinesOfAnyLength) {
    std::string expected;
    for (const std::size_t length : {254, 255, 256, 257, 1000}) {
        const std::string line(length, 'x');
        tulis_baris(line);
        expected += line + '\n';
    }
    EXPECT_EQ(written(), expected);
}

} // namespace
