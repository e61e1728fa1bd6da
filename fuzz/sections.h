// What the dialogue fuzzers read the working with: a number's digits as a result line writes
// them, those of a binary fraction too, and a section of the working as its title and its
// lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// n's digits in basis, most significant first; with lebar, zeros first up to lebar digits.
inline std::string digit(std::uint64_t n, unsigned basis, std::size_t lebar = 1) {
    std::string teks;
    do {
        teks.insert(teks.begin(), "0123456789ABCDEF"[n % basis]);
        n /= basis;
    } while (n > 0);
    return std::string(lebar > teks.size() ? lebar - teks.size() : 0, '0') + teks;
}

// The digits after the comma of m / 2^e in basis 2, 8, 10 or 16, m below 2^e and e at most 64,
// without the zeros at their end: m's e bits, grouped by 3 or 4 from the comma in octal and
// hexadecimal; in decimal the e digits of m 5^e, which is below 10^e, multiplied out digit by
// digit.
inline std::string pecahan_biner(std::uint64_t m, unsigned e, unsigned basis) {
    std::string teks;
    if (basis == 10) {
        teks = digit(m, 10, e);
        for (unsigned kali = 0; kali < e; ++kali) {
            unsigned simpan = 0;
            for (std::size_t i = e; i-- > 0;) {
                const unsigned x = static_cast<unsigned>(teks[i] - '0') * 5 + simpan;
                teks[i] = static_cast<char>('0' + x % 10);
                simpan = x / 10;
            }
        }
    } else {
        const unsigned lebar = basis == 2 ? 1 : basis == 8 ? 3 : 4;
        std::string bit = digit(m, 2, e);
        bit.append((lebar - e % lebar) % lebar, '0');
        for (std::size_t i = 0; i < bit.size(); i += lebar) {
            unsigned nilai = 0;
            for (std::size_t j = i; j < i + lebar; ++j) {
                nilai = nilai * 2 + static_cast<unsigned>(bit[j] - '0');
            }
            teks += "0123456789ABCDEF"[nilai];
        }
    }
    teks.erase(teks.find_last_not_of('0') + 1);
    return teks;
}

// A section of the working: its title and its lines.
struct Bagian {
    std::string_view judul;
    std::vector<std::string_view> baris;
};

// The line of a section that starts with teks, without teks; empty when there is none.
inline std::string_view cari(const Bagian &bagian, std::string_view teks) {
    for (const std::string_view baris : bagian.baris) {
        if (baris.substr(0, teks.size()) == teks) {
            return baris.substr(teks.size());
        }
    }
    return {};
}
