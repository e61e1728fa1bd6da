// Reading a number with a fraction part: the rest of a line, taken byte by byte as it is read,
// so that a line of any length needs no more memory than a short one.
#include "pecahan.h"
#include "texts.h"

#include "console/console.h"

#include <initializer_list>
#include <limits>
#include <optional>

namespace {

// How far into the number a line is: nothing of it yet, its whole part, the separator just
// read, its fraction, or the blanks after it.
enum class Tahap { awal, bulat, koma, pecahan, akhir };

// The line read so far: where it is, whether it is no number at all, the number as typed,
// whether a letter or digit is no digit of the base, whether the whole part passed 2^32 - 1,
// and the value until then. The fraction keeps its first digits up to the base's limit, as a
// whole number, and whether a digit after them is not zero.
struct Bacaan {
    Tahap tahap;
    bool bentuk_salah;
    Kutipan kutipan;
    bool bukan_digit;
    bool terlalu_besar;
    std::uint32_t bulat;
    std::uint64_t pecahan;
    int digit_pecahan;
    bool pecahan_panjang;
};

// The most digits after the comma that a number in basis may have, not counting zeros at the
// end: 12 in decimal, and 48 bits' worth in the others.
int batas_pecahan(int basis) {
    switch (basis) {
    case basis_biner:
        return 48;
    case basis_oktal:
        return 16;
    default:
        return 12;
    }
}

// basis to the power pangkat.
std::uint64_t pangkat(int basis, int pangkat) {
    std::uint64_t hasil = 1;
    for (int i = 0; i < pangkat; ++i) {
        hasil *= static_cast<std::uint64_t>(basis);
    }
    return hasil;
}

// The blanks around a number; a line end ends the answer.
bool kosong(int c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool huruf_atau_digit(int c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// The value of a letter or digit: 0 to 9, then A or a 10 up to Z or z 35.
int nilai_digit(int c) {
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

// Takes a letter or digit of the number, in the whole part or the fraction.
void tambah_digit(Bacaan &bacaan, int c, int basis) {
    const int digit = nilai_digit(c);
    if (digit >= basis) {
        bacaan.bukan_digit = true;
        return;
    }
    const auto b = static_cast<std::uint64_t>(basis);
    const auto d = static_cast<std::uint64_t>(digit);
    if (bacaan.tahap == Tahap::bulat) {
        const std::uint64_t baru = bacaan.bulat * b + d;
        bacaan.terlalu_besar =
            bacaan.terlalu_besar || baru > std::numeric_limits<std::uint32_t>::max();
        if (!bacaan.terlalu_besar) {
            bacaan.bulat = static_cast<std::uint32_t>(baru);
        }
    } else if (bacaan.digit_pecahan < batas_pecahan(basis)) {
        bacaan.pecahan = bacaan.pecahan * b + d;
        ++bacaan.digit_pecahan;
    } else if (digit != 0) {
        bacaan.pecahan_panjang = true;
    }
}

// Takes one byte of the line into bacaan. Once the line is no number, nothing more is looked
// at.
void baca_byte(Bacaan &bacaan, int c, int basis) {
    if (bacaan.bentuk_salah) {
        return;
    }
    const Tahap tahap = bacaan.tahap;
    if (kosong(c)) {
        bacaan.bentuk_salah = tahap == Tahap::koma;
        if (tahap != Tahap::awal) {
            bacaan.tahap = Tahap::akhir;
        }
        return;
    }
    if (huruf_atau_digit(c) && tahap != Tahap::akhir) {
        bacaan.tahap = tahap == Tahap::awal   ? Tahap::bulat
                       : tahap == Tahap::koma ? Tahap::pecahan
                                              : tahap;
        tambah_kutipan(bacaan.kutipan, c);
        tambah_digit(bacaan, c, basis);
        return;
    }
    if ((c == ',' || c == '.') && tahap == Tahap::bulat) {
        bacaan.tahap = Tahap::koma;
        tambah_kutipan(bacaan.kutipan, c);
        return;
    }
    bacaan.bentuk_salah = true;
}

// The number that bacaan holds, or nothing, with its first fault written.
std::optional<Pecahan> periksa(const Bacaan &bacaan, int basis) {
    if (bacaan.bentuk_salah || bacaan.tahap == Tahap::awal || bacaan.tahap == Tahap::koma) {
        Baris baris{};
        sambung(baris, teks_tulis_bilangan_seperti);
        sambung_pecahan(baris, {contoh_bulat, contoh_pembilang, contoh_penyebut}, basis);
        tulis(baris);
        return std::nullopt;
    }
    if (bacaan.bukan_digit) {
        tulis_bukan_bilangan(basis, bacaan.kutipan);
        return std::nullopt;
    }
    if (bacaan.terlalu_besar) {
        tulis_lebih_32_bit(bacaan.kutipan);
        return std::nullopt;
    }
    const int batas = batas_pecahan(basis);
    if (bacaan.pecahan_panjang) {
        Baris awal{};
        sambung(awal, teks_lebih_dari);
        sambung_angka(awal, static_cast<std::uint64_t>(batas), basis_desimal);
        sambung(awal, teks_angka_di_belakang_koma);
        tulis_kutip({awal.teks, awal.panjang}, bacaan.kutipan);
        return std::nullopt;
    }
    return Pecahan{bacaan.bulat, bacaan.pecahan * pangkat(basis, batas - bacaan.digit_pecahan),
                   pangkat(basis, batas)};
}

// Prompts until the answer is a number in basis: the rest of the line where the answer
// starts, up to its line end or the end of input. Each wrong one is answered with its fault,
// and the prompt again.
Pecahan tanya_pecahan(int basis) {
    Baris prompt{};
    sambung(prompt, teks_masukkan_bilangan);
    sambung(prompt, nama_basis(basis));
    sambung(prompt, teks_akhir_masukan);
    for (;;) {
        tunggu_jawaban({prompt.teks, prompt.panjang});
        Bacaan bacaan{};
        baca_sisa_baris([&bacaan, basis](int c) { baca_byte(bacaan, c, basis); });
        if (const std::optional<Pecahan> nilai = periksa(bacaan, basis)) {
            return *nilai;
        }
    }
}

// Writes the result line of nilai in basis.
void tulis_hasil(const Pecahan &nilai, int basis) {
    Baris baris{};
    sambung(baris, label_hasil(basis));
    sambung_pecahan(baris, nilai, basis);
    tulis(baris);
}

} // namespace

// The result lines come in the converter's order: decimal first, then binary, octal and
// hexadecimal, each but the base typed.
void konversi_pecahan(int basis, bool langkah) {
    const Pecahan nilai = tanya_pecahan(basis);
    for (const int lain : {basis_desimal, basis_biner, basis_oktal, basis_heksa}) {
        if (lain != basis) {
            tulis_hasil(nilai, lain);
        }
    }
    if (langkah) {
        langkah_pecahan(basis, nilai);
    }
}
