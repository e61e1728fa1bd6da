// Numbers with a fraction part: written in any base through the one digit writer, and the
// working of their conversions by the methods taught for each. From decimal, the whole part is
// divided by the base and the fraction multiplied by it again and again, the whole part of
// each product a digit; to decimal, each digit is weighted, those after the comma by negative
// powers of the base; between binary, octal and hexadecimal, bits are grouped from the comma
// outwards and digits expanded into bits. All of it is exact: a fraction is a numerator over
// a denominator of at most 2^48, so no product passes 64 bits.
#include "radix.h"
#include "texts.h"

#include "console/console.h"

#include <initializer_list>

namespace {

// Every fraction here that ends in a base does so within this many digits: 48 bits in binary
// are the longest.
constexpr int digit_berakhir_maks = 48;

// Whether the fraction of nilai ends in basis.
bool berakhir(const Pecahan &nilai, int basis) {
    std::uint64_t sisa = nilai.pembilang;
    for (int i = 0; i < digit_berakhir_maks && sisa != 0; ++i) {
        digit_berikut(sisa, nilai.penyebut, basis);
    }
    return sisa == 0;
}

// The digits of a fraction that ends, in basis 8 or 16, as one number, and how many there are.
struct DigitPecahan {
    std::uint64_t nilai;
    int banyak;
};
DigitPecahan digit_pecahan(const Pecahan &nilai, int basis) {
    DigitPecahan digit{0, 0};
    for (std::uint64_t sisa = nilai.pembilang; sisa != 0; ++digit.banyak) {
        digit.nilai = digit.nilai * static_cast<std::uint64_t>(basis) +
                      digit_berikut(sisa, nilai.penyebut, basis);
    }
    return digit;
}

// Writes teks, then nilai in basis.
void tulis_pecahan(std::string_view teks, const Pecahan &nilai, int basis) {
    Baris baris{};
    sambung(baris, teks);
    sambung_pecahan(baris, nilai, basis);
    tulis(baris);
}

// A section from decimal into basis: the divisions of the whole part, then a line for each
// digit of the fraction, up to 12 where it does not end.
void langkah_kali(const Pecahan &nilai, int basis) {
    const auto b = static_cast<std::uint64_t>(basis);
    Baris judul{};
    sambung(judul, teks_ke_basis);
    sambung(judul, nama_basis(basis));
    sambung(judul, teks_bagian_bulat_dibagi);
    sambung_angka(judul, b, basis_desimal);
    sambung(judul, teks_bagian_pecahan_dikali);
    sambung_angka(judul, b, basis_desimal);
    mulai_bagian({judul.teks, judul.panjang});
    tulis_bagi(nilai.bulat, basis);
    Baris dibaca{};
    sambung(dibaca, teks_dibaca_atas);
    std::uint64_t sisa = nilai.pembilang;
    for (int digit = 0; digit < digit_dipotong && sisa != 0; ++digit) {
        Baris baris{};
        sambung_pecahan(baris, {0, sisa, nilai.penyebut}, basis_desimal);
        sambung(baris, teks_kali);
        sambung_angka(baris, b, basis_desimal);
        sambung(baris, teks_sama_dengan);
        const Pecahan hasil_kali{static_cast<std::uint32_t>(sisa * b / nilai.penyebut),
                                 sisa * b % nilai.penyebut, nilai.penyebut};
        sambung_pecahan(baris, hasil_kali, basis_desimal);
        if (hasil_kali.pembilang == 0) {
            sambung(baris, teks_koma_nol);
        }
        sambung(baris, teks_panah);
        sambung_angka(baris, hasil_kali.bulat, basis_desimal);
        sambung_huruf_sisa(baris, hasil_kali.bulat);
        tulis(baris);
        sambung_angka(dibaca, hasil_kali.bulat, basis);
        sisa = hasil_kali.pembilang;
    }
    if (sisa != 0) {
        Baris baris{};
        sambung(baris, teks_tidak_berakhir);
        sambung_angka(baris, digit_dipotong, basis_desimal);
        sambung(baris, teks_angka);
        tulis(baris);
    }
    tulis(dibaca);
    tulis_pecahan(teks_hasil_pecahan, nilai, basis);
}

// The weighting into decimal from basis 2, 8 or 16: the whole part's digits as the converter
// weights them, then the j-th digit after the comma times basis^-j, exactly.
void langkah_bobot_pecahan(const Pecahan &nilai, int basis) {
    mulai_bagian(judul_bobot);
    tulis_bobot(nilai.bulat, basis);
    std::uint64_t sisa = nilai.pembilang;
    std::uint64_t bobot = 1;
    for (int pangkat = 1; sisa != 0; ++pangkat) {
        const std::uint64_t digit = digit_berikut(sisa, nilai.penyebut, basis);
        bobot *= static_cast<std::uint64_t>(basis);
        Baris baris{};
        sambung_digit(baris, static_cast<std::uint32_t>(digit));
        sambung(baris, teks_kali);
        sambung_angka(baris, static_cast<std::uint64_t>(basis), basis_desimal);
        sambung(baris, teks_pangkat_minus);
        sambung_angka(baris, static_cast<std::uint64_t>(pangkat), basis_desimal);
        sambung(baris, teks_sama_dengan);
        sambung_pecahan(baris, {0, digit, bobot}, basis_desimal);
        tulis(baris);
    }
    tulis_pecahan(teks_jumlah, nilai, basis_desimal);
}

// A row of an expansion or a grouping: the whole part's digits in basis 8 or 16, then a group
// that is just ",", then the fraction's digits, each as its bits (bit) or right-aligned.
void tulis_deret_pecahan(const Pecahan &nilai, int basis, bool bit) {
    Baris baris{};
    sambung_deret(baris, nilai.bulat, banyak_digit(nilai.bulat, basis), basis, bit);
    sambung(baris, teks_kelompok_koma);
    const DigitPecahan pecahan = digit_pecahan(nilai, basis);
    sambung_deret(baris, pecahan.nilai, pecahan.banyak, basis, bit);
    tulis(baris);
}

// The expansion from basis 8 or 16 into bits.
void langkah_urai_pecahan(const Pecahan &nilai, int basis) {
    if (nilai.pembilang == 0) {
        langkah_urai(nilai.bulat, basis);
        return;
    }
    mulai_bagian(judul_urai(basis));
    tulis_deret_pecahan(nilai, basis, false);
    tulis_deret_pecahan(nilai, basis, true);
    tulis_pecahan(teks_tanpa_nol_pecahan, nilai, basis_biner);
}

// The grouping of bits into digits of basis 8 or 16, from the comma outwards: the whole part
// padded with zeros at its left, the fraction at its right.
void langkah_kelompok_pecahan(const Pecahan &nilai, int basis) {
    if (nilai.pembilang == 0) {
        langkah_kelompok(nilai.bulat, basis);
        return;
    }
    mulai_bagian(basis == basis_oktal ? judul_kelompok_pecahan_oktal
                                      : judul_kelompok_pecahan_heksa);
    tulis_deret_pecahan(nilai, basis, true);
    tulis_deret_pecahan(nilai, basis, false);
    tulis_pecahan(teks_dibaca_kiri, nilai, basis);
}

} // namespace

void sambung_pecahan(Baris &baris, const Pecahan &nilai, int basis) {
    sambung_angka(baris, nilai.bulat, basis);
    if (nilai.pembilang == 0) {
        return;
    }
    sambung(baris, teks_tanda_koma);
    const int maks = berakhir(nilai, basis) ? digit_berakhir_maks : digit_dipotong;
    std::uint64_t sisa = nilai.pembilang;
    for (int digit = 0; digit < maks && sisa != 0; ++digit) {
        sambung_angka(baris, digit_berikut(sisa, nilai.penyebut, basis), basis);
    }
    if (sisa != 0) {
        sambung(baris, teks_terpotong);
    }
}

void langkah_pecahan(int dari, const Pecahan &nilai) {
    if (dari == basis_desimal) {
        for (const int ke : {basis_biner, basis_oktal, basis_heksa}) {
            langkah_konversi_pecahan(dari, ke, nilai);
        }
        return;
    }
    langkah_bobot_pecahan(nilai, dari);
    if (dari != basis_biner) {
        langkah_urai_pecahan(nilai, dari);
    }
    for (const int ke : {basis_oktal, basis_heksa}) {
        if (ke != dari) {
            langkah_kelompok_pecahan(nilai, ke);
        }
    }
}

void langkah_konversi_pecahan(int dari, int ke, const Pecahan &nilai) {
    if (dari == basis_desimal) {
        if (nilai.pembilang == 0) {
            langkah_bagi(nilai.bulat, ke);
        } else {
            langkah_kali(nilai, ke);
        }
    } else if (ke == basis_desimal) {
        langkah_bobot_pecahan(nilai, dari);
    } else {
        if (dari != basis_biner) {
            langkah_urai_pecahan(nilai, dari);
        }
        if (ke != basis_biner) {
            langkah_kelompok_pecahan(nilai, ke);
        }
    }
}
