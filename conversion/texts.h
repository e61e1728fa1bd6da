// The texts that the conversion dialogue writes, each exactly as shown, blanks included.
#pragma once

#include <cstddef>
#include <string_view>

inline constexpr std::string_view teks_prompt_desimal = "Masukkan bilangan desimal : ";
inline constexpr std::string_view teks_prompt_biner = "Masukkan bilangan biner : ";
inline constexpr std::string_view teks_prompt_oktal = "Masukkan bilangan oktal : ";
inline constexpr std::string_view teks_prompt_heksa = "Masukkan bilangan hexadesimal : ";

// Result labels: all of one length, so the digits of every result line share a column.
inline constexpr std::size_t panjang_label = 21;
inline constexpr std::string_view label_desimal = "Hasil desimal      : ";
inline constexpr std::string_view label_biner = "Hasil biner        : ";
inline constexpr std::string_view label_oktal = "Hasil oktal        : ";
inline constexpr std::string_view label_heksa = "Hasil heksadesimal : ";
static_assert(label_desimal.size() == panjang_label && label_biner.size() == panjang_label &&
              label_oktal.size() == panjang_label && label_heksa.size() == panjang_label);
