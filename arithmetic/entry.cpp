// Reading a soal: the rest of a line, cut into numbers and operations as it is read, so that
// a line of any length needs no more memory than a short one.
#include "arithmetic.h"
#include "texts.h"

#include "console/console.h"

#include <initializer_list>
#include <limits>
#include <optional>

namespace {

// A number of a soal as it is read: its bytes as typed, to quote it; whether a byte is not a
// digit of the base; whether its value passed 2^32 - 1; and its value until then.
struct Angka {
    Kutipan kutipan;
    bool bukan_digit;
    bool terlalu_besar;
    std::uint32_t nilai;
};

// The line read so far: how many pieces it has had (a number, the operation, a number),
// whether its last piece is a number that goes on, and whether it is no soal at all.
struct Bacaan {
    Angka angka[2];
    Operasi operasi;
    int potongan;
    bool dalam_angka;
    bool bentuk_salah;
};

// The blanks that separate pieces; a line end ends the soal.
bool kosong(int c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The bytes of a number: ASCII letters and digits, but x and X, which are the operation.
bool bagian_angka(int c) {
    const bool huruf = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    return (huruf && c != 'x' && c != 'X') || (c >= '0' && c <= '9');
}

std::optional<Operasi> operasi_dari(int c) {
    switch (c) {
    case '+':
        return Operasi::tambah;
    case '-':
        return Operasi::kurang;
    case 'x':
    case 'X':
    case '*':
        return Operasi::kali;
    case ':':
    case '/':
        return Operasi::bagi;
    default:
        return std::nullopt;
    }
}

// The value of a letter or digit: 0 to 9, then A or a 10 up to Z or z 35.
unsigned nilai_digit(int c) {
    if (c <= '9') {
        return static_cast<unsigned>(c - '0');
    }
    return static_cast<unsigned>((c | 0x20) - 'a' + 10);
}

void tambah_byte(Angka &angka, int c, int basis) {
    tambah_kutipan(angka.kutipan, c);
    const unsigned digit = nilai_digit(c);
    if (digit >= static_cast<unsigned>(basis)) {
        angka.bukan_digit = true;
        return;
    }
    const std::uint64_t baru = std::uint64_t{angka.nilai} * static_cast<unsigned>(basis) + digit;
    if (baru > std::numeric_limits<std::uint32_t>::max()) {
        angka.terlalu_besar = true;
    } else if (!angka.terlalu_besar) {
        angka.nilai = static_cast<std::uint32_t>(baru);
    }
}

// Takes one byte of the line into bacaan. Once the line is no soal, nothing more is looked at.
void baca_byte(Bacaan &bacaan, int c, int basis) {
    if (bacaan.bentuk_salah || kosong(c)) {
        bacaan.dalam_angka = false;
        return;
    }
    if (bagian_angka(c)) {
        if (!bacaan.dalam_angka) {
            bacaan.bentuk_salah = bacaan.potongan != 0 && bacaan.potongan != 2;
            bacaan.dalam_angka = true;
            ++bacaan.potongan;
        }
        if (!bacaan.bentuk_salah) {
            tambah_byte(bacaan.angka[bacaan.potongan / 2], c, basis);
        }
        return;
    }
    const std::optional<Operasi> operasi = operasi_dari(c);
    bacaan.dalam_angka = false;
    bacaan.bentuk_salah = !operasi || bacaan.potongan != 1;
    if (!bacaan.bentuk_salah) {
        bacaan.operasi = *operasi;
        ++bacaan.potongan;
    }
}

// The soal that bacaan holds, or nothing, with its first fault written.
std::optional<Hitungan> periksa(const Bacaan &bacaan, int basis) {
    if (bacaan.bentuk_salah || bacaan.potongan != 3) {
        Baris baris{};
        sambung(baris, teks_tulis_seperti);
        sambung_hitungan(baris, {basis, contoh_a, Operasi::tambah, contoh_b});
        sambung(baris, teks_daftar_operasi);
        tulis(baris);
        return std::nullopt;
    }
    for (const Angka &angka : bacaan.angka) {
        if (angka.bukan_digit) {
            tulis_bukan_bilangan(basis, angka.kutipan);
            return std::nullopt;
        }
        if (angka.terlalu_besar) {
            tulis_lebih_32_bit(angka.kutipan);
            return std::nullopt;
        }
    }
    if (bacaan.operasi == Operasi::bagi && bacaan.angka[1].nilai == 0) {
        tulis_baris(teks_bagi_nol);
        return std::nullopt;
    }
    return Hitungan{basis, bacaan.angka[0].nilai, bacaan.operasi, bacaan.angka[1].nilai};
}

// Prompts until the answer is a right soal in basis: the rest of the line where the answer
// starts, up to its line end or the end of input. Each wrong one is answered with its fault,
// and the prompt again.
Hitungan tanya_hitungan(int basis) {
    Baris prompt{};
    sambung(prompt, teks_masukkan_soal);
    sambung(prompt, nama_basis(basis));
    sambung(prompt, teks_akhir_prompt);
    for (;;) {
        tunggu_jawaban({prompt.teks, prompt.panjang});
        Bacaan bacaan{};
        baca_sisa_baris([&bacaan, basis](int c) { baca_byte(bacaan, c, basis); });
        if (const std::optional<Hitungan> hitungan = periksa(bacaan, basis)) {
            return *hitungan;
        }
    }
}

// Writes the result line of hasil in basis.
void tulis_hasil(const HasilHitung &hasil, int basis) {
    Baris baris{};
    sambung(baris, label_hasil(basis));
    sambung_hasil(baris, hasil, basis);
    tulis(baris);
}

} // namespace

void operasi_hitung(int basis, bool langkah) {
    const Hitungan hitungan = tanya_hitungan(basis);
    const HasilHitung hasil = hitung(hitungan);
    tulis_hasil(hasil, basis);
    for (const int lain : {basis_desimal, basis_biner, basis_oktal, basis_heksa}) {
        if (lain != basis) {
            tulis_hasil(hasil, lain);
        }
    }
    if (langkah) {
        langkah_hitung(hitungan);
    }
}
