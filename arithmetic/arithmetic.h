// The boundary between the dialogue and arithmetic in one base: a soal, its exact result, the
// lines that write them, the working by the methods taught for each operation, the entry
// routine that asks for a soal and answers it, and the questions of operations.
#pragma once

#include "conversion/conversion.h"

#include <cstdint>
#include <string_view>

// The four operations, each by the sign that a soal and the working write for it.
enum class Operasi : char { tambah = '+', kurang = '-', kali = 'x', bagi = ':' };

// A soal: a operasi b, both numbers written in basis. A division's b is not zero.
struct Hitungan {
    int basis;
    std::uint32_t a;
    Operasi operasi;
    std::uint32_t b;
};

// The exact result, never cut to 32 bits: a magnitude with its sign (a difference below
// zero), and of a division the quotient's whole part and the remainder.
struct HasilHitung {
    bool minus;
    std::uint64_t besar;
    std::uint32_t sisa;
};

HasilHitung hitung(const Hitungan &hitungan);

// Appends the soal as a task writes it: "155 - 76", the numbers in its base.
void sambung_hitungan(Baris &baris, const Hitungan &hitungan);

// Appends a result in basis as its result line writes it: "-10", "14 sisa 2".
void sambung_hasil(Baris &baris, const HasilHitung &hasil, int basis);

// The working of a soal, a section that starts with an empty line and ends with "Hasil: "
// and the result in the soal's base: for addition the carries column by column, for
// subtraction the borrows, for multiplication the partial products, for division the steps
// of long division.
void langkah_hitung(const Hitungan &hitungan);

// Entry routine: prompts until it reads a right soal in basis, then writes its result in all
// four bases, basis first, and with langkah its working.
void operasi_hitung(int basis, bool langkah);

// A question of operations, a kind of question as SoalKonversi describes: work out hitungan,
// whose result is whole and not negative, in its base. It takes three draws: its kind, then
// two for its numbers. Its mistakes: by operation, the carries left out, each column's smaller
// digit taken from its larger, the partial products not shifted, the zeros of the quotient
// left out; then the digits in the opposite order.
struct SoalHitung {
    Hitungan hitungan;

    static constexpr std::string_view jenis = "hitung";
    static constexpr std::string_view nama = "hitung";
    static constexpr int nomor = 1;
    static constexpr bool jawaban_pecahan = false;
    static SoalHitung berikut(std::uint64_t &keadaan, int tingkat);
    void sambung_tugas(Baris &baris) const;
    void sambung_prompt(Baris &baris) const;
    std::uint64_t identitas() const;
    bool periksa() const;
    void sambung_jawaban(Baris &baris) const;
    int basis_jawaban() const;
    void tulis_kesalahan(DaftarKesalahan &daftar) const;
    void langkah() const;
};
