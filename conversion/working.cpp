// The working that --langkah shows after a conversion, as it is taught: to decimal, each digit
// times its weight, summed; from decimal, division by the base again and again, the
// remainders read from the bottom up.
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

// Appends a digit's character, and with a value of 10 or more that value in parentheses.
void sambung_digit(Baris &baris, std::uint32_t nilai) {
    sambung(baris, {&digit_tabel[nilai], 1});
    if (nilai >= 10) {
        sambung(baris, teks_buka);
        sambung_angka(baris, nilai, basis_desimal);
        sambung(baris, teks_tutup);
    }
}

} // namespace

// The digits are those of the numeral's magnitude in basis, most significant first: the
// numeral as typed, without its sign, prefix and leading zeros, in capitals. The products sum
// to the magnitude, so each of them fits 32 bits as it does.
void langkah_bobot(Bilangan bilangan, int basis) {
    const auto pola = static_cast<std::uint32_t>(bilangan.nilai);
    const std::uint32_t besar = bilangan.minus ? 0U - pola : pola;
    const auto b = static_cast<std::uint32_t>(basis);
    std::uint32_t bobot = 1;
    int pangkat = 0;
    while (besar / bobot >= b) {
        bobot *= b;
        ++pangkat;
    }
    tulis_baris();
    tulis_baris(judul_bobot);
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
    Baris jumlah{};
    sambung(jumlah, teks_jumlah);
    sambung_angka(jumlah, besar, basis_desimal);
    tulis(jumlah);
    // The value: with its minus sign, or as two's complement when the pattern is negative.
    Baris nilai{};
    if (bilangan.minus) {
        sambung(nilai, teks_tanda_minus);
    } else if (bilangan.nilai < 0) {
        sambung(nilai, teks_komplemen);
        sambung_angka(nilai, besar, basis_desimal);
        sambung(nilai, teks_kurang);
        sambung(nilai, teks_dua_pangkat_32);
        sambung(nilai, teks_sama_dengan);
    } else {
        return;
    }
    sambung_bertanda(nilai, bilangan.nilai);
    tulis(nilai);
}

// A negative n is divided as its 32-bit pattern, n + 2^32, which is first worked out. The
// dividends are right-aligned to the width of the first; the remainders, read from the last
// to the first, are the digits of n's result line in basis.
void langkah_bagi(int n, int basis) {
    auto w = static_cast<std::uint32_t>(n);
    const auto b = static_cast<std::uint32_t>(basis);
    tulis_baris();
    tulis_baris(judul_bagi(basis));
    if (n < 0) {
        Baris baris{};
        sambung(baris, teks_komplemen);
        sambung(baris, teks_dua_pangkat_32);
        sambung(baris, teks_kurang);
        sambung_angka(baris, 0U - w, basis_desimal);
        sambung(baris, teks_sama_dengan);
        sambung_angka(baris, w, basis_desimal);
        tulis(baris);
    }
    Baris pertama{};
    sambung_angka(pertama, w, basis_desimal);
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
        if (sisa_bagi >= 10) {
            sambung(baris, teks_buka_sisa);
            sambung(baris, {&digit_tabel[sisa_bagi], 1});
            sambung(baris, teks_tutup);
        }
        tulis(baris);
        w /= b;
    } while (w > 0);
    Baris baris{};
    sambung(baris, teks_dibaca);
    sambung_angka(baris, static_cast<std::uint32_t>(n), basis);
    tulis(baris);
}
