// What the dialogue fuzzers read the working with: a number's digits as a result line writes
// them, and a section of the working as its title and its lines.
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
