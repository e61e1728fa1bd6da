#include "soal.h"
#include "texts.h"

#include "console/console.h"

#include <iterator>

namespace {

// The twelve directions, in the order the first draw of a question picks them.
constexpr struct {
    int dari;
    int ke;
} arah[] = {
    {basis_desimal, basis_biner}, {basis_desimal, basis_oktal}, {basis_desimal, basis_heksa},
    {basis_biner, basis_desimal}, {basis_biner, basis_oktal},   {basis_biner, basis_heksa},
    {basis_oktal, basis_desimal}, {basis_oktal, basis_biner},   {basis_oktal, basis_heksa},
    {basis_heksa, basis_desimal}, {basis_heksa, basis_biner},   {basis_heksa, basis_oktal},
};

// The values each level asks, as exercises use them: the 8-bit numbers from 1 up, and the
// numbers of 9 to 16 bits.
constexpr struct {
    std::uint64_t min;
    std::uint64_t maks;
} rentang[] = {{1, 255}, {256, 65535}};
static_assert(std::size(rentang) == tingkat_maks);

// SplitMix64's next number from its state, all modulo 2^64.
std::uint64_t tarik(std::uint64_t &keadaan) {
    keadaan += 0x9E3779B97F4A7C15U;
    std::uint64_t z = keadaan;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9U;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBU;
    return z ^ (z >> 31);
}

std::string_view nama_basis(int basis) {
    switch (basis) {
    case basis_biner:
        return teks_biner;
    case basis_oktal:
        return teks_oktal;
    case basis_desimal:
        return teks_desimal;
    default:
        return teks_heksadesimal;
    }
}

} // namespace

Soal soal_berikut(std::uint64_t &keadaan, int tingkat) {
    const auto &[dari, ke] = arah[tarik(keadaan) % std::size(arah)];
    const auto &[min, maks] = rentang[tingkat - 1];
    const auto nilai = static_cast<std::uint32_t>(min + tarik(keadaan) % (maks - min + 1));
    return {dari, ke, nilai};
}

void sambung_soal(Baris &baris, const Soal &soal) {
    sambung(baris, teks_ubah);
    sambung(baris, nama_basis(soal.dari));
    sambung(baris, " ");
    sambung_angka(baris, soal.nilai, soal.dari);
    sambung(baris, teks_ke);
    sambung(baris, nama_basis(soal.ke));
}

void tulis_kepala(std::string_view judul, int banyak, std::uint64_t benih, int tingkat) {
    tulis_baris(judul);
    tulis_baris(teks_garis);
    Baris baris{};
    sambung_angka(baris, static_cast<std::uint64_t>(banyak), basis_desimal);
    sambung(baris, teks_soal_benih);
    sambung_angka(baris, benih, basis_desimal);
    if (tingkat != tingkat_dasar) {
        sambung(baris, teks_tingkat);
        sambung_angka(baris, static_cast<std::uint64_t>(tingkat), basis_desimal);
    }
    tulis(baris);
    tulis_baris(teks_garis);
}
