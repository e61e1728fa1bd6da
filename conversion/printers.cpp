#include "conversion.h"
#include "radix.h"
#include "texts.h"

#include "console/console.h"

#include <algorithm>

namespace {

// A 64-bit number has at most 64 digits, in binary.
constexpr int digit_maks = 64;

// The digit stack: slot 0 stays unused, so puncak, the top filled slot, is 0 when empty.
// Every writer pops all that it pushes.
int tumpukan[digit_maks + 1];
int puncak;

// The remainder being pushed.
int sisa;

// Writes label, then n in basis, then an end of line, all in one write. In basis 10 n is
// signed; in the other bases n's 32-bit pattern is written, so a negative n shows its two's
// complement.
void tulis_hasil(std::string_view label, int n, int basis) {
    Baris baris{};
    sambung(baris, label);
    if (basis == basis_desimal) {
        sambung_bertanda(baris, n);
    } else {
        sambung_angka(baris, static_cast<std::uint32_t>(n), basis);
    }
    tulis(baris);
}

} // namespace

void sambung(Baris &baris, std::string_view teks) {
    const std::size_t muat = std::min(teks.size(), sizeof baris.teks - baris.panjang);
    std::copy_n(teks.data(), muat, baris.teks + baris.panjang);
    baris.panjang += muat;
}

// Digits are pushed least significant first and popped most significant first.
void sambung_angka(Baris &baris, std::uint64_t n, int basis, std::size_t lebar, char isi) {
    const auto b = static_cast<std::uint64_t>(basis);
    do {
        sisa = static_cast<int>(n % b);
        tumpukan[++puncak] = sisa;
        n /= b;
    } while (n > 0);
    for (auto banyak = static_cast<std::size_t>(puncak); banyak < lebar; ++banyak) {
        sambung(baris, {&isi, 1});
    }
    while (puncak > 0) {
        sambung(baris, {&digit_tabel[tumpukan[puncak--]], 1});
    }
}

void sambung_bertanda(Baris &baris, int n) {
    auto besar = static_cast<std::uint32_t>(n);
    if (n < 0) {
        sambung(baris, "-");
        besar = 0U - besar;
    }
    sambung_angka(baris, besar, basis_desimal);
}

void tulis(const Baris &baris) {
    tulis_baris({baris.teks, baris.panjang});
}

std::string_view nama_basis(int basis) {
    switch (basis) {
    case basis_biner:
        return teks_biner;
    case basis_oktal:
        return teks_oktal;
    case basis_desimal:
        return teks_desimal;
    default:
        return teks_heksadesimal;
    }
}

std::string_view label_hasil(int basis) {
    switch (basis) {
    case basis_biner:
        return label_biner;
    case basis_oktal:
        return label_oktal;
    case basis_desimal:
        return label_desimal;
    default:
        return label_heksa;
    }
}

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
