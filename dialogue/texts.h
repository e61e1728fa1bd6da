// The texts of the menu loop, each exactly as shown, blanks included.
#pragma once

#include <string_view>

// The banner and menu, one line each; the last is the empty line under the menu.
inline constexpr std::string_view teks_menu[] = {
    "Program Tavirel",
    "=============================================",
    "A = Desimal ke Biner, Oktal, Heksadesimal ",
    "B = Biner ke Desimal, Oktal, Heksadesimal ",
    "C = Oktal ke Desimal, Biner, Heksadesimal ",
    "D = Heksadesimal ke Desimal, Biner, Oktal ",
    "=============================================",
    "",
};

inline constexpr std::string_view teks_prompt_pilihan = "Masukkan Pilihan : ";
inline constexpr std::string_view teks_coba_lagi = "Ingin coba lagi (Y/N) ? ";
