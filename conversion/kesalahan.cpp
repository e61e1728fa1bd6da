// The mistakes students make in conversions, of whole numbers and of fractions, as wrong
// options of multiple-choice questions: each a numeral in the answer's base, taken from the
// question's number S and the right answer R as the key writes them, and its reason.
#include "radix.h"
#include "texts.h"

#include <limits>
#include <optional>

namespace {

// The value of digit as a numeral of basis, or nothing where one of them is no digit of basis.
std::optional<std::uint64_t> nilai_dalam(std::string_view digit, int basis) {
    const auto b = static_cast<std::uint64_t>(basis);
    std::uint64_t nilai = 0;
    for (const char c : digit) {
        const std::uint64_t d = nilai_digit_tabel(c);
        if (d >= b || nilai > (std::numeric_limits<std::uint64_t>::max() - d) / b) {
            return std::nullopt;
        }
        nilai = nilai * b + d;
    }
    return nilai;
}

// A new mistake at the end of daftar, with its reason begun.
Kesalahan &tambah(DaftarKesalahan &daftar, std::string_view alasan) {
    Kesalahan &kesalahan = daftar.isi[daftar.banyak++];
    kesalahan = {};
    sambung(kesalahan.alasan, alasan);
    return kesalahan;
}

void sambung_terbalik(Baris &baris, std::string_view teks) {
    for (auto c = teks.rbegin(); c != teks.rend(); ++c) {
        sambung(baris, {&*c, 1});
    }
}

// The question's number soal left in its digits, read in ke: none where a digit is not one of
// ke's.
void belum_diubah(DaftarKesalahan &daftar, std::string_view soal, int ke) {
    for (const char c : soal) {
        if (c != ',' && nilai_digit_tabel(c) >= static_cast<std::uint64_t>(ke)) {
            return;
        }
    }
    Kesalahan &kesalahan = tambah(daftar, alasan_belum_diubah);
    sambung(kesalahan.alasan, nama_basis(ke));
    sambung(kesalahan.alasan, teks_titik);
    sambung(kesalahan.angka, soal);
}

// Appends bit, bits of a binary numeral, grouped from the left into digits of basis 8 or 16,
// the last group filled with zeros at its right.
void sambung_kelompok_kiri(Baris &baris, std::string_view bit, int basis) {
    const auto lebar = static_cast<std::size_t>(bit_per_digit(basis));
    for (std::size_t awal = 0; awal < bit.size(); awal += lebar) {
        std::uint64_t digit = 0;
        for (std::size_t i = awal; i < awal + lebar; ++i) {
            digit = digit * 2 + (i < bit.size() ? nilai_digit_tabel(bit[i]) : 0);
        }
        sambung_angka(baris, digit, basis);
    }
}

// Each digit of an octal or hexadecimal numeral in binary, without leading zeros, joined.
void sambung_bit_tiap_digit(Baris &baris, std::string_view digit) {
    for (const char c : digit) {
        sambung_angka(baris, nilai_digit_tabel(c), basis_biner);
    }
}

// The reason of a digit expanded into too few bits: "Tiap digit harus menjadi 3 bit."
Kesalahan &tambah_tiap_digit(DaftarKesalahan &daftar, int dari) {
    Kesalahan &kesalahan = tambah(daftar, alasan_tiap_digit);
    sambung_angka(kesalahan.alasan, static_cast<std::uint64_t>(bit_per_digit(dari)), basis_desimal);
    sambung(kesalahan.alasan, alasan_bit);
    sambung(kesalahan.alasan, teks_titik);
    return kesalahan;
}

} // namespace

// Nothing here throws, so that the program needs no more of the C++ library than its headers.
BagianAngka pisah_koma(std::string_view angka) {
    const std::size_t koma = angka.find(',');
    if (koma == std::string_view::npos) {
        return {angka, {}};
    }
    return {{angka.data(), koma}, {angka.data() + koma + 1, angka.size() - koma - 1}};
}

void tambah_terbalik(DaftarKesalahan &daftar, std::string_view jawaban) {
    sambung_terbalik(tambah(daftar, alasan_urutan_terbalik).angka, jawaban);
}

void kesalahan_konversi(DaftarKesalahan &daftar, int dari, int ke, std::uint32_t nilai) {
    Baris soal{};
    sambung_angka(soal, nilai, dari);
    Baris jawaban{};
    sambung_angka(jawaban, nilai, ke);
    if (dari == basis_desimal) {
        sambung_terbalik(tambah(daftar, alasan_sisa_terbalik).angka, isi(jawaban));
        belum_diubah(daftar, isi(soal), ke);
    } else if (ke == basis_desimal) {
        Baris terbalik{};
        sambung_terbalik(terbalik, isi(soal));
        sambung_angka(tambah(daftar, alasan_bobot_dari_kiri).angka,
                      *nilai_dalam(isi(terbalik), dari), basis_desimal);
        Kesalahan &kanan = tambah(daftar, alasan_bobot_kanan);
        sambung_angka(kanan.alasan, static_cast<std::uint64_t>(dari), basis_desimal);
        sambung(kanan.alasan, alasan_pangkat_nol);
        sambung(kanan.alasan, teks_titik);
        sambung_angka(kanan.angka, std::uint64_t{nilai} * static_cast<std::uint64_t>(dari),
                      basis_desimal);
        belum_diubah(daftar, isi(soal), basis_desimal);
    } else if (dari == basis_biner) {
        sambung_kelompok_kiri(tambah(daftar, alasan_kelompok_kiri).angka, isi(soal), ke);
        belum_diubah(daftar, isi(soal), ke);
        tambah_terbalik(daftar, isi(jawaban));
    } else if (ke == basis_biner) {
        sambung_bit_tiap_digit(tambah_tiap_digit(daftar, dari).angka, isi(soal));
        tambah_terbalik(daftar, isi(jawaban));
    } else {
        belum_diubah(daftar, isi(soal), ke);
        tambah_terbalik(daftar, isi(jawaban));
    }
}

void kesalahan_pecahan(DaftarKesalahan &daftar, int dari, int ke, const Pecahan &nilai) {
    Baris soal{};
    sambung_pecahan(soal, nilai, dari);
    Baris jawaban{};
    sambung_pecahan(jawaban, nilai, ke);
    const auto [bulat_jawaban, pecahan_jawaban] = pisah_koma(isi(jawaban));
    const std::string_view pecahan_soal = pisah_koma(isi(soal)).pecahan;

    Kesalahan &seperti_bulat =
        tambah(daftar, ke == basis_desimal ? alasan_bobot_koma : alasan_pecahan_bulat);
    if (ke == basis_desimal) {
        sambung_angka(seperti_bulat.alasan, static_cast<std::uint64_t>(dari), basis_desimal);
        sambung(seperti_bulat.alasan, alasan_pangkat_minus_satu);
        sambung_angka(seperti_bulat.alasan, static_cast<std::uint64_t>(dari), basis_desimal);
        sambung(seperti_bulat.alasan, alasan_pangkat_minus_dua);
    } else if (dari == basis_desimal) {
        sambung(seperti_bulat.alasan, alasan_kalikan);
        sambung_angka(seperti_bulat.alasan, static_cast<std::uint64_t>(ke), basis_desimal);
        sambung(seperti_bulat.alasan, alasan_berulang);
    }
    sambung(seperti_bulat.alasan, teks_titik);
    sambung(seperti_bulat.angka, bulat_jawaban);
    sambung(seperti_bulat.angka, teks_tanda_koma);
    sambung_angka(seperti_bulat.angka, *nilai_dalam(pecahan_soal, dari), ke);

    if (dari == basis_desimal) {
        Kesalahan &atas = tambah(daftar, alasan_hasil_kali_terbalik);
        sambung(atas.angka, bulat_jawaban);
        sambung(atas.angka, teks_tanda_koma);
        sambung_terbalik(atas.angka, pecahan_jawaban);
        Kesalahan &bawah = tambah(daftar, alasan_sisa_terbalik);
        sambung_terbalik(bawah.angka, bulat_jawaban);
        sambung(bawah.angka, teks_tanda_koma);
        sambung(bawah.angka, pecahan_jawaban);
    } else if (dari == basis_biner && ke != basis_desimal) {
        Kesalahan &kanan = tambah(daftar, alasan_bit_pecahan);
        sambung(kanan.angka, bulat_jawaban);
        sambung(kanan.angka, teks_tanda_koma);
        Baris bit{};
        for (std::size_t n = pecahan_soal.size(); n % static_cast<std::size_t>(bit_per_digit(ke));
             ++n) {
            sambung_angka(bit, 0, basis_biner);
        }
        sambung(bit, pecahan_soal);
        sambung_kelompok_kiri(kanan.angka, isi(bit), ke);
    } else if (ke == basis_biner) {
        Kesalahan &tiap_digit = tambah_tiap_digit(daftar, dari);
        sambung(tiap_digit.angka, bulat_jawaban);
        sambung(tiap_digit.angka, teks_tanda_koma);
        sambung_bit_tiap_digit(tiap_digit.angka, pecahan_soal);
    }
    belum_diubah(daftar, isi(soal), ke);
}
