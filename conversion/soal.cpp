// The questions of conversions, and the draws every kind of question takes.
#include "conversion.h"
#include "texts.h"

#include <iterator>

std::uint64_t tarik(std::uint64_t &keadaan) {
    keadaan += 0x9E3779B97F4A7C15U;
    std::uint64_t z = keadaan;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9U;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBU;
    return z ^ (z >> 31);
}

void sambung_ubah(Baris &baris, int dari, std::string_view bilangan, int ke) {
    sambung(baris, teks_ubah);
    sambung(baris, nama_basis(dari));
    sambung(baris, teks_spasi);
    sambung(baris, bilangan);
    sambung(baris, teks_ke);
    sambung(baris, nama_basis(ke));
}

SoalKonversi SoalKonversi::berikut(std::uint64_t &keadaan, int tingkat) {
    const Arah arah = arah_soal[tarik(keadaan) % std::size(arah_soal)];
    const Rentang rentang = rentang_tingkat[tingkat - 1];
    const std::uint64_t nilai = rentang.min + tarik(keadaan) % (rentang.maks - rentang.min + 1);
    return {arah.dari, arah.ke, static_cast<std::uint32_t>(nilai)};
}

void SoalKonversi::sambung_tugas(Baris &baris) const {
    Baris bilangan{};
    sambung_angka(bilangan, nilai, dari);
    sambung_ubah(baris, dari, {bilangan.teks, bilangan.panjang}, ke);
}

void SoalKonversi::sambung_prompt(Baris &baris) const {
    sambung_tugas(baris);
    sambung(baris, teks_akhir_tanya);
}

bool SoalKonversi::periksa() const {
    return baca_jawaban(ke, nilai);
}

void SoalKonversi::sambung_jawaban(Baris &baris) const {
    sambung_angka(baris, nilai, ke);
}

void SoalKonversi::langkah() const {
    langkah_konversi(dari, ke, nilai);
}

std::uint64_t SoalKonversi::identitas() const {
    return static_cast<std::uint64_t>(dari) << 40 | static_cast<std::uint64_t>(ke) << 32 | nilai;
}

int SoalKonversi::basis_jawaban() const {
    return ke;
}

void SoalKonversi::tulis_kesalahan(DaftarKesalahan &daftar) const {
    kesalahan_konversi(daftar, dari, ke, nilai);
}
