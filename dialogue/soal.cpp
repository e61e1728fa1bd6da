#include "soal.h"
#include "texts.h"

#include "console/console.h"

#include <iterator>
#include <utility>

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
// numbers of 9 to 16 bits; and the largest factor, divisor and quotient it asks, so that a
// product fits 8 or 16 bits.
constexpr struct {
    std::uint64_t min;
    std::uint64_t maks;
    std::uint64_t faktor_maks;
} rentang[] = {{1, 255, 15}, {256, 65535, 255}};
static_assert(std::size(rentang) == tingkat_maks);

// The eight kinds of operation, in the order the first draw of a question picks them.
constexpr struct {
    int basis;
    Operasi operasi;
} jenis_hitung[] = {
    {basis_biner, Operasi::tambah}, {basis_biner, Operasi::kurang}, {basis_biner, Operasi::kali},
    {basis_biner, Operasi::bagi},   {basis_oktal, Operasi::tambah}, {basis_oktal, Operasi::kurang},
    {basis_heksa, Operasi::tambah}, {basis_heksa, Operasi::kurang},
};

// SplitMix64's next number from its state, all modulo 2^64.
std::uint64_t tarik(std::uint64_t &keadaan) {
    keadaan += 0x9E3779B97F4A7C15U;
    std::uint64_t z = keadaan;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9U;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBU;
    return z ^ (z >> 31);
}

// An operation's question: its kind, then its numbers from two draws. A difference is never
// negative and a quotient always whole.
Soal soal_hitung(std::uint64_t &keadaan, int tingkat) {
    const auto &[basis, operasi] = jenis_hitung[tarik(keadaan) % std::size(jenis_hitung)];
    const auto &[min, maks, faktor_maks] = rentang[tingkat - 1];
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
    const Hitungan hitungan{basis, static_cast<std::uint32_t>(a), operasi,
                            static_cast<std::uint32_t>(b)};
    return {basis, basis, static_cast<std::uint32_t>(hitung(hitungan).besar), hitungan};
}

} // namespace

Soal soal_berikut(std::uint64_t &keadaan, int tingkat, bool hitung) {
    if (hitung) {
        return soal_hitung(keadaan, tingkat);
    }
    const auto &[dari, ke] = arah[tarik(keadaan) % std::size(arah)];
    const auto &[min, maks, faktor_maks] = rentang[tingkat - 1];
    const auto nilai = static_cast<std::uint32_t>(min + tarik(keadaan) % (maks - min + 1));
    return {dari, ke, nilai, std::nullopt};
}

void sambung_soal(Baris &baris, const Soal &soal) {
    if (soal.hitungan) {
        sambung(baris, teks_hitung);
        sambung(baris, nama_basis(soal.ke));
        sambung(baris, " ");
        sambung_hitungan(baris, *soal.hitungan);
        return;
    }
    sambung(baris, teks_ubah);
    sambung(baris, nama_basis(soal.dari));
    sambung(baris, " ");
    sambung_angka(baris, soal.nilai, soal.dari);
    sambung(baris, teks_ke);
    sambung(baris, nama_basis(soal.ke));
}

void sambung_prompt(Baris &baris, const Soal &soal) {
    sambung_soal(baris, soal);
    sambung(baris, soal.hitungan ? teks_akhir_hitung : teks_akhir_prompt);
}

void langkah_soal(const Soal &soal) {
    if (soal.hitungan) {
        langkah_hitung(*soal.hitungan);
    } else {
        langkah_konversi(soal.dari, soal.ke, soal.nilai);
    }
}

void tulis_kepala(std::string_view judul, int banyak, std::uint64_t benih, int tingkat,
                  bool hitung) {
    tulis_baris(judul);
    tulis_baris(teks_garis);
    Baris baris{};
    sambung_angka(baris, static_cast<std::uint64_t>(banyak), basis_desimal);
    sambung(baris, hitung ? teks_soal_hitung_benih : teks_soal_benih);
    sambung_angka(baris, benih, basis_desimal);
    if (tingkat != tingkat_dasar) {
        sambung(baris, teks_tingkat);
        sambung_angka(baris, static_cast<std::uint64_t>(tingkat), basis_desimal);
    }
    tulis(baris);
    tulis_baris(teks_garis);
}
