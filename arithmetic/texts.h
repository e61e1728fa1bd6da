// The texts that arithmetic writes, each exactly as shown, blanks included. Bases are named as
// the conversions name them ("biner"), numbers written through the one digit writer.
#pragma once

#include <cstddef>
#include <string_view>

// The prompt: "Masukkan soal biner : ".
inline constexpr std::string_view teks_masukkan_soal = "Masukkan soal ";
inline constexpr std::string_view teks_akhir_prompt = " : ";

// A soal refused, by its first fault: its form, with an example in the chosen base
// ("Tulis soal seperti 1011 + 110 (operasi: + - x :)", 11 + 6 in each base); a number's digit
// or size, as the conversions write them; a division by zero.
inline constexpr std::string_view teks_tulis_seperti = "Tulis soal seperti ";
inline constexpr unsigned contoh_a = 11;
inline constexpr unsigned contoh_b = 6;
inline constexpr std::string_view teks_daftar_operasi = " (operasi: + - x :)";
inline constexpr std::string_view teks_bagi_nol = "Tidak bisa dibagi nol.";

// A result: "-10", "14 sisa 2".
inline constexpr std::string_view teks_minus = "-";
inline constexpr std::string_view teks_sisa = " sisa ";

// The working: a title by operation, "Penjumlahan biner: jumlahkan tiap kolom dari kanan".
inline constexpr std::string_view judul_tambah = "Penjumlahan ";
inline constexpr std::string_view judul_kurang = "Pengurangan ";
inline constexpr std::string_view judul_kali = "Perkalian ";
inline constexpr std::string_view judul_bagi = "Pembagian ";
inline constexpr std::string_view cara_tambah = ": jumlahkan tiap kolom dari kanan";
inline constexpr std::string_view cara_kurang = ": kurangkan tiap kolom dari kanan";
inline constexpr std::string_view cara_kali =
    ": kalikan dengan tiap digit pengali dari kanan, lalu jumlahkan";
inline constexpr std::string_view cara_bagi = ": bagi bersusun, digit demi digit dari kiri";

// A subtraction whose second number is larger works the other way round.
inline constexpr std::string_view teks_kedua_lebih_besar = "Bilangan kedua lebih besar: hitung ";
inline constexpr std::string_view teks_beri_minus = ", lalu beri tanda minus";

// The column lines: "Kolom 2: 1 + 1 = 2, 2 - 2 = 0, tulis 0 simpan 1", "Kolom 2: 2 - 1
// (dipinjam) - 5 tidak cukup, pinjam 1 dari kiri: 8 + 2 - 1 - 5 = 4, tulis 4".
inline constexpr std::string_view teks_kolom = "Kolom ";
inline constexpr std::string_view teks_titik_dua = ": ";
inline constexpr std::string_view teks_tambah = " + ";
inline constexpr std::string_view teks_kurang = " - ";
inline constexpr std::string_view teks_sama_dengan = " = ";
inline constexpr std::string_view teks_koma = ", ";
inline constexpr std::string_view teks_tulis = ", tulis ";
inline constexpr std::string_view teks_simpan = " simpan 1";
inline constexpr std::string_view teks_simpanan = "1 (simpanan)";
inline constexpr std::string_view teks_dipinjam = " (dipinjam)";
inline constexpr std::string_view teks_satu = "1";
inline constexpr std::string_view teks_pinjam = " tidak cukup, pinjam 1 dari kiri: ";

// A step of long division: "1100 : 1011 = 1 sisa 1".
inline constexpr std::string_view teks_bagi = " : ";

inline constexpr std::string_view teks_hasil = "Hasil: ";

// The written sum: the mark over a column that gets a carry or lends, the sign after the
// second number, the rule under the numbers.
inline constexpr char tanda_kolom = '1';
inline constexpr char tanda_garis = '-';

// A question of the practice round and the sheets: its task, "Hitung oktal 155 - 76", and
// the round's prompt, the task and " = ".
inline constexpr std::string_view teks_hitung = "Hitung ";
inline constexpr std::string_view teks_spasi = " ";
inline constexpr std::string_view teks_akhir_hitung = " = ";

// The mistakes of a question, as wrong options of a multiple-choice question, by operation.
inline constexpr std::string_view alasan_tanpa_simpanan =
    "Simpanan tidak ditambahkan ke kolom berikutnya.";
inline constexpr std::string_view alasan_tanpa_pinjaman =
    "Pinjaman tidak dihitung: tiap kolom dikurangi yang kecil dari yang besar.";
inline constexpr std::string_view alasan_tanpa_geser = "Hasil kali tiap digit tidak digeser ke kiri.";
inline constexpr std::string_view alasan_tanpa_nol = "Angka 0 di hasil bagi tidak ditulis.";
