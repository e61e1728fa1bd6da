// The working that --langkah shows after a conversion, by the methods taught for each: to
// decimal, each digit times its weight, summed; from decimal, division by the base again and
// again, the remainders read from the bottom up; between binary, octal and hexadecimal, each
// digit is 3 or 4 bits, so bits are grouped into digits and digits expanded into bits; a
// negative number is the complement of its magnitude, every bit inverted and 1 added.
#include "radix.h"
#include "texts.h"

#include "console/console.h"

namespace {

std::string_view judul_bagi(int basis) {
    switch (basis) {
    case basis_biner:
        return judul_bagi_biner;
    case basis_oktal:
        return judul_bagi_oktal;
    default:
        return judul_bagi_heksa;
    }
}

// Writes label, then n in basis, with zeros in front up to digit digits.
void tulis_angka(std::string_view label, std::uint32_t n, int basis, std::size_t digit = 0) {
    Baris baris{};
    sambung(baris, label);
    sambung_angka(baris, n, basis, digit, '0');
    tulis(baris);
}

// Writes the digits of n in basis 8 or 16 as one row of groups, as sambung_deret appends them.
void tulis_deret(std::uint32_t n, int basis, bool bit) {
    Baris baris{};
    sambung_deret(baris, n, banyak_digit(n, basis), basis, bit);
    tulis(baris);
}

} // namespace

int bit_per_digit(int basis) {
    return basis == basis_oktal ? 3 : 4;
}

void mulai_bagian(std::string_view judul) {
    tulis_baris();
    tulis_baris(judul);
}

std::string_view judul_urai(int basis) {
    return basis == basis_oktal ? judul_urai_oktal : judul_urai_heksa;
}

int banyak_digit(std::uint64_t n, int basis) {
    const auto b = static_cast<std::uint64_t>(basis);
    int banyak = 1;
    for (; n >= b; n /= b) {
        ++banyak;
    }
    return banyak;
}

void sambung_deret(Baris &baris, std::uint64_t n, int banyak, int basis, bool bit) {
    const int lebar = bit_per_digit(basis);
    for (int geser = (banyak - 1) * lebar; geser >= 0; geser -= lebar) {
        const std::uint64_t digit = (n >> geser) & static_cast<std::uint64_t>(basis - 1);
        sambung_angka(baris, digit, bit ? basis_biner : basis, static_cast<std::size_t>(lebar),
                      bit ? '0' : ' ');
        if (geser > 0) {
            sambung(baris, teks_antar_kelompok);
        }
    }
}

void sambung_digit(Baris &baris, std::uint32_t nilai) {
    sambung(baris, {&digit_tabel[nilai], 1});
    if (nilai >= 10) {
        sambung(baris, teks_buka);
        sambung_angka(baris, nilai, basis_desimal);
        sambung(baris, teks_tutup);
    }
}

// The digits are those of the numeral's magnitude in basis, most significant first: the
// numeral as typed, without its sign, prefix and leading zeros, in capitals.
void langkah_bobot(Bilangan bilangan, int basis) {
    const auto pola = static_cast<std::uint32_t>(bilangan.nilai);
    const std::uint32_t besar = bilangan.minus ? 0U - pola : pola;
    mulai_bagian(judul_bobot);
    tulis_bobot(besar, basis);
    tulis_angka(teks_jumlah, besar, basis_desimal);
    // The value: with its minus sign, or as two's complement when the pattern is negative.
    Baris nilai{};
    if (bilangan.minus) {
        sambung(nilai, teks_tanda_minus);
    } else if (bilangan.nilai < 0) {
        sambung(nilai, teks_komplemen);
        sambung_angka(nilai, besar, basis_desimal);
        sambung(nilai, teks_kurang_2_pangkat_32);
        sambung(nilai, teks_sama_dengan);
    } else {
        return;
    }
    sambung_bertanda(nilai, bilangan.nilai);
    tulis(nilai);
}

// The products sum to besar, so each of them fits 32 bits as it does.
void tulis_bobot(std::uint32_t besar, int basis) {
    const auto b = static_cast<std::uint32_t>(basis);
    std::uint32_t bobot = 1;
    int pangkat = 0;
    while (besar / bobot >= b) {
        bobot *= b;
        ++pangkat;
    }
    for (; pangkat >= 0; --pangkat, bobot /= b) {
        const std::uint32_t nilai = besar / bobot % b;
        Baris baris{};
        sambung_digit(baris, nilai);
        sambung(baris, teks_kali);
        sambung_angka(baris, b, basis_desimal);
        sambung(baris, teks_pangkat);
        sambung_angka(baris, static_cast<std::uint32_t>(pangkat), basis_desimal);
        sambung(baris, teks_sama_dengan);
        sambung_angka(baris, nilai * bobot, basis_desimal);
        tulis(baris);
    }
}

void langkah_bagi(std::uint32_t besar, int basis) {
    mulai_bagian(judul_bagi(basis));
    tulis_bagi(besar, basis);
}

// The dividends are right-aligned to the width of the first; the remainders, read from the
// last to the first, are besar's digits in basis.
void tulis_bagi(std::uint32_t besar, int basis) {
    const auto b = static_cast<std::uint32_t>(basis);
    Baris pertama{};
    sambung_angka(pertama, besar, basis_desimal);
    std::uint32_t w = besar;
    do {
        const std::uint32_t sisa_bagi = w % b;
        Baris baris{};
        sambung_angka(baris, w, basis_desimal, pertama.panjang);
        sambung(baris, teks_bagi);
        sambung_angka(baris, b, basis_desimal);
        sambung(baris, teks_sama_dengan);
        sambung_angka(baris, w / b, basis_desimal);
        sambung(baris, teks_sisa);
        sambung_angka(baris, sisa_bagi, basis_desimal);
        sambung_huruf_sisa(baris, sisa_bagi);
        tulis(baris);
        w /= b;
    } while (w > 0);
    tulis_angka(teks_dibaca, besar, basis);
}

void sambung_huruf_sisa(Baris &baris, std::uint64_t nilai) {
    if (nilai >= 10) {
        sambung(baris, teks_buka_sisa);
        sambung(baris, {&digit_tabel[nilai], 1});
        sambung(baris, teks_tutup);
    }
}

void langkah_urai(std::uint32_t besar, int basis) {
    mulai_bagian(judul_urai(basis));
    tulis_deret(besar, basis, false);
    tulis_deret(besar, basis, true);
    tulis_angka(teks_tanpa_nol, besar, basis_biner);
}

// The groups are the pattern's digits in basis: its bits without leading zeros, padded on the
// left with zeros to whole groups.
void langkah_kelompok(std::uint32_t pola, int basis) {
    mulai_bagian(basis == basis_oktal ? judul_kelompok_oktal : judul_kelompok_heksa);
    tulis_deret(pola, basis, true);
    tulis_deret(pola, basis, false);
    tulis_angka(teks_dibaca_kiri, pola, basis);
}

void langkah_komplemen(std::uint32_t besar) {
    constexpr std::size_t bit_pola = 32;
    mulai_bagian(judul_komplemen);
    tulis_angka(label_tanpa_tanda, besar, basis_biner, bit_pola);
    tulis_angka(label_komplemen_satu, ~besar, basis_biner, bit_pola);
    tulis_angka(label_komplemen_dua, ~besar + 1, basis_biner, bit_pola);
}
