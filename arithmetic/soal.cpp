// The questions of operations: a sum, a difference that is not negative, a product, or a
// quotient that is whole, of the numbers a level asks.
#include "arithmetic.h"
#include "texts.h"

#include <iterator>
#include <utility>

namespace {

// The eight kinds of operation, in the order the first draw of a question picks them.
constexpr struct {
    int basis;
    Operasi operasi;
} jenis_hitung[] = {
    {basis_biner, Operasi::tambah}, {basis_biner, Operasi::kurang}, {basis_biner, Operasi::kali},
    {basis_biner, Operasi::bagi},   {basis_oktal, Operasi::tambah}, {basis_oktal, Operasi::kurang},
    {basis_heksa, Operasi::tambah}, {basis_heksa, Operasi::kurang},
};

// The exact result, whole and not negative.
std::uint64_t hasil(const Hitungan &hitungan) {
    return hitung(hitungan).besar;
}

} // namespace

SoalHitung SoalHitung::berikut(std::uint64_t &keadaan, int tingkat) {
    const auto &[basis, operasi] = jenis_hitung[tarik(keadaan) % std::size(jenis_hitung)];
    const auto &[min, maks, faktor_maks] = rentang_tingkat[tingkat - 1];
    const std::uint64_t pertama = tarik(keadaan);
    const std::uint64_t kedua = tarik(keadaan);
    std::uint64_t a = 0;
    std::uint64_t b = 0;
    switch (operasi) {
    case Operasi::tambah:
    case Operasi::kurang:
        a = min + pertama % (maks - min + 1);
        b = min + kedua % (maks - min + 1);
        break;
    case Operasi::kali:
        a = 1 + pertama % faktor_maks;
        b = 1 + kedua % faktor_maks;
        break;
    case Operasi::bagi:
        b = 1 + pertama % faktor_maks;
        a = b * (1 + kedua % faktor_maks);
        break;
    }
    if (operasi == Operasi::kurang && a < b) {
        std::swap(a, b);
    }
    return {{basis, static_cast<std::uint32_t>(a), operasi, static_cast<std::uint32_t>(b)}};
}

void SoalHitung::sambung_tugas(Baris &baris) const {
    sambung(baris, teks_hitung);
    sambung(baris, nama_basis(hitungan.basis));
    sambung(baris, teks_spasi);
    sambung_hitungan(baris, hitungan);
}

void SoalHitung::sambung_prompt(Baris &baris) const {
    sambung_tugas(baris);
    sambung(baris, teks_akhir_hitung);
}

// Every answer of a question fits 32 bits: the largest, a sum at level 2, has 17.
bool SoalHitung::periksa() const {
    return baca_jawaban(hitungan.basis, static_cast<std::uint32_t>(hasil(hitungan)));
}

void SoalHitung::sambung_jawaban(Baris &baris) const {
    sambung_angka(baris, hasil(hitungan), hitungan.basis);
}

void SoalHitung::langkah() const {
    langkah_hitung(hitungan);
}
