#include "conversion.h"
#include "radix.h"
#include "texts.h"

#include "console/console.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// A 32-bit pattern has at most 32 digits, in binary.
constexpr int digit_maks = 32;

// The digit stack: slot 0 stays unused, so puncak, the top filled slot, is 0 when empty.
// Every printer pops all that it pushes.
int tumpukan[digit_maks + 1];
int puncak;

// The remainder being pushed.
int sisa;

// Writes label, then n in basis, then an end of line, all in one write. In basis 10 n is
// signed; in the other bases n's 32-bit pattern is written, so a negative n shows its two's
// complement. Digits are pushed least significant first and popped most significant first;
// zero is the one digit 0.
void tulis_hasil(std::string_view label, int n, int basis) {
    const bool minus = basis == basis_desimal && n < 0;
    auto w = static_cast<std::uint32_t>(n);
    if (minus) {
        w = 0U - w;
    }
    const auto b = static_cast<std::uint32_t>(basis);
    do {
        sisa = static_cast<int>(w % b);
        tumpukan[++puncak] = sisa;
        w /= b;
    } while (w > 0);
    char baris[panjang_label + 1 + digit_maks];
    std::copy_n(label.data(), panjang_label, baris);
    std::size_t panjang = panjang_label;
    if (minus) {
        baris[panjang++] = '-';
    }
    while (puncak > 0) {
        baris[panjang++] = digit_tabel[tumpukan[puncak--]];
    }
    tulis_baris({baris, panjang});
}

} // namespace

void ke_desimal(int n) {
    tulis_hasil(label_desimal, n, basis_desimal);
}
void ke_biner(int n) {
    tulis_hasil(label_biner, n, basis_biner);
}
void ke_oktal(int n) {
    tulis_hasil(label_oktal, n, basis_oktal);
}
void ke_heksadesimal(int n) {
    tulis_hasil(label_heksa, n, basis_heksa);
}
