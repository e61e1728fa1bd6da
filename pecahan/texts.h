// The texts that the fractions' dialogue writes, each exactly as shown, blanks included. Bases
// are named as the conversions name them ("biner"), numbers written through the one digit
// writer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The prompt: "Masukkan bilangan biner : ".
inline constexpr std::string_view teks_masukkan_bilangan = "Masukkan bilangan ";
inline constexpr std::string_view teks_akhir_masukan = " : ";

// A number refused, by its first fault: its form, with an example in the chosen base ("Tulis
// bilangan seperti 1010,101", 10 5/8 in each base); a letter or digit that is no digit of the
// base and a whole part past 32 bits, as the conversions write them; more digits after the
// comma than the base allows, "Lebih dari 48 angka di belakang koma: ", the number quoted.
inline constexpr std::string_view teks_tulis_bilangan_seperti = "Tulis bilangan seperti ";
inline constexpr std::uint32_t contoh_bulat = 10;
inline constexpr std::uint64_t contoh_pembilang = 5;
inline constexpr std::uint64_t contoh_penyebut = 8;
inline constexpr std::string_view teks_lebih_dari = "Lebih dari ";
inline constexpr std::string_view teks_angka_di_belakang_koma = " angka di belakang koma: ";

// A question of the practice round and the sheets: its task, "Ubah desimal 3,25 ke oktal",
// and the round's prompt, the task and " : ".
inline constexpr std::string_view teks_akhir_tanya_pecahan = " : ";
