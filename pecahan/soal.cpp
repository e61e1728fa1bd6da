// The questions of fractions: a whole part and a fraction of as many bits each as the level's
// factors have, so that every answer ends.
#include "pecahan.h"
#include "texts.h"

#include <iterator>

SoalPecahan SoalPecahan::berikut(std::uint64_t &keadaan, int tingkat) {
    const Arah arah = arah_soal[tarik(keadaan) % std::size(arah_soal)];
    const std::uint64_t penyebut = rentang_tingkat[tingkat - 1].faktor_maks + 1;
    const auto bulat = static_cast<std::uint32_t>(tarik(keadaan) % penyebut);
    const std::uint64_t pembilang = 1 + tarik(keadaan) % (penyebut - 1);
    return {arah.dari, arah.ke, {bulat, pembilang, penyebut}};
}

void SoalPecahan::sambung_tugas(Baris &baris) const {
    Baris bilangan{};
    sambung_pecahan(bilangan, nilai, dari);
    sambung_ubah(baris, dari, {bilangan.teks, bilangan.panjang}, ke);
}

void SoalPecahan::sambung_prompt(Baris &baris) const {
    sambung_tugas(baris);
    sambung(baris, teks_akhir_tanya_pecahan);
}

bool SoalPecahan::periksa() const {
    return baca_jawaban_pecahan(ke, nilai);
}

void SoalPecahan::sambung_jawaban(Baris &baris) const {
    sambung_pecahan(baris, nilai, ke);
}

void SoalPecahan::langkah() const {
    langkah_konversi_pecahan(dari, ke, nilai);
}

std::uint64_t SoalPecahan::identitas() const {
    return static_cast<std::uint64_t>(dari) << 56 | static_cast<std::uint64_t>(ke) << 48 |
           static_cast<std::uint64_t>(nilai.bulat) << 32 | nilai.pembilang << 16 | nilai.penyebut;
}

int SoalPecahan::basis_jawaban() const {
    return ke;
}

void SoalPecahan::tulis_kesalahan(DaftarKesalahan &daftar) const {
    kesalahan_pecahan(daftar, dari, ke, nilai);
}
