// The boundary between the dialogue and numbers with a fraction part (--pecahan): the entry
// routine that asks for such a number and writes it in the other bases, and the questions of
// fractions.
#pragma once

#include "conversion/conversion.h"

#include <cstdint>
#include <string_view>

// Entry routine: prompts until it reads a number in basis, a whole part that may go on with a
// fraction after "," or ".", then writes it in the three other bases, one result line each in
// the converter's order, and with langkah the working.
void konversi_pecahan(int basis, bool langkah);

// A question of fractions, a kind of question as SoalKonversi describes: convert nilai, whose
// fraction is not zero and ends in every base, from dari to ke. It takes three draws: the
// direction, then the whole part, then the fraction.
struct SoalPecahan {
    int dari;
    int ke;
    Pecahan nilai;

    static constexpr std::string_view jenis = "pecahan";
    static constexpr std::string_view nama = "pecahan";
    static constexpr int nomor = 2;
    static constexpr bool jawaban_pecahan = true;
    static SoalPecahan berikut(std::uint64_t &keadaan, int tingkat);
    void sambung_tugas(Baris &baris) const;
    void sambung_prompt(Baris &baris) const;
    std::uint64_t identitas() const;
    bool periksa() const;
    void sambung_jawaban(Baris &baris) const;
    int basis_jawaban() const;
    void tulis_kesalahan(DaftarKesalahan &daftar) const;
    void langkah() const;
};
