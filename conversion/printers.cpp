#include "conversion.h"
#include "radix.h"
#include "texts.h"

#include "console/console.h"

#include <cstdint>
#include <iostream>

namespace {

// A 32-bit pattern has at most 32 digits, in binary.
constexpr int digit_maks = 32;

// The digit stack: slot 0 stays unused, so puncak, the top filled slot, is 0 when empty.
// Every printer pops all that it pushes.
int tumpukan[digit_maks + 1];
int puncak;

// The remainder being pushed.
int sisa;

// Writes label, then n's 32-bit pattern in basis, then an end of line. Digits are pushed
// least significant first and popped most significant first; zero is the one digit 0.
void tulis_hasil(std::string_view label, int n, int basis) {
    auto w = static_cast<std::uint32_t>(n);
    const auto b = static_cast<std::uint32_t>(basis);
    do {
        sisa = static_cast<int>(w % b);
        tumpukan[++puncak] = sisa;
        w /= b;
    } while (w > 0);
    std::cout << label;
    while (puncak > 0) {
        std::cout << digit_tabel[tumpukan[puncak--]];
    }
    tulis_baris();
}

} // namespace

void ke_biner(int n) {
    tulis_hasil(label_biner, n, basis_biner);
}
void ke_oktal(int n) {
    tulis_hasil(label_oktal, n, basis_oktal);
}
void ke_heksadesimal(int n) {
    tulis_hasil(label_heksa, n, basis_heksa);
}
