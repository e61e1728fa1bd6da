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

// The mistake of an operation's method, if it makes one: the numeral it gives and its reason.
// a and b are the soal's numerals, the shorter with zeros in front up to the longer's length.
void tambah_kesalahan_cara(DaftarKesalahan &daftar, const Hitungan &hitungan) {
    const int basis = hitungan.basis;
    Baris a{};
    Baris b{};
    sambung_angka(a, hitungan.a, basis);
    sambung_angka(b, hitungan.b, basis);
    const std::size_t lebar = a.panjang > b.panjang ? a.panjang : b.panjang;
    a = {};
    b = {};
    sambung_angka(a, hitungan.a, basis, lebar, '0');
    sambung_angka(b, hitungan.b, basis, lebar, '0');
    Kesalahan &kesalahan = daftar.isi[daftar.banyak++];
    kesalahan = {};
    switch (hitungan.operasi) {
    case Operasi::tambah:
    case Operasi::kurang: {
        const bool tambah = hitungan.operasi == Operasi::tambah;
        sambung(kesalahan.alasan, tambah ? alasan_tanpa_simpanan : alasan_tanpa_pinjaman);
        for (std::size_t i = 0; i < lebar; ++i) {
            const std::uint32_t x = nilai_digit_tabel(a.teks[i]);
            const std::uint32_t y = nilai_digit_tabel(b.teks[i]);
            const std::uint32_t digit =
                tambah ? (x + y) % static_cast<std::uint32_t>(basis) : (x > y ? x - y : y - x);
            sambung_angka(kesalahan.angka, digit, basis);
        }
        break;
    }
    case Operasi::kali: {
        sambung(kesalahan.alasan, alasan_tanpa_geser);
        std::uint64_t jumlah = 0;
        for (std::size_t i = 0; i < lebar; ++i) {
            jumlah += std::uint64_t{hitungan.a} * nilai_digit_tabel(b.teks[i]);
        }
        sambung_angka(kesalahan.angka, jumlah, basis);
        break;
    }
    case Operasi::bagi: {
        sambung(kesalahan.alasan, alasan_tanpa_nol);
        Baris hasil_bagi{};
        sambung_angka(hasil_bagi, hasil(hitungan), basis);
        sambung(kesalahan.angka, {hasil_bagi.teks, 1});
        for (const char c : std::string_view(hasil_bagi.teks + 1, hasil_bagi.panjang - 1)) {
            if (c != '0') {
                sambung(kesalahan.angka, {&c, 1});
            }
        }
        break;
    }
    }
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

std::uint64_t SoalHitung::identitas() const {
    return static_cast<std::uint64_t>(hitungan.basis) << 56 |
           static_cast<std::uint64_t>(hitungan.operasi) << 48 |
           static_cast<std::uint64_t>(hitungan.a) << 24 | hitungan.b;
}

int SoalHitung::basis_jawaban() const {
    return hitungan.basis;
}

void SoalHitung::tulis_kesalahan(DaftarKesalahan &daftar) const {
    tambah_kesalahan_cara(daftar, hitungan);
    Baris jawaban{};
    sambung_jawaban(jawaban);
    tambah_terbalik(daftar, isi(jawaban));
}
