// The texts of the menu loop, each exactly as shown, blanks included.
#pragma once

#include "version.h"

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

// The command line: --help's text, --version's, and the answer to an argument that is not
// understood, whose second line is teks_coba_bantuan.
inline constexpr std::string_view teks_bantuan[] = {
    "Pemakaian: tavirel [OPSI]...",
    "Mengubah bilangan bulat 32-bit antara desimal, biner, oktal dan heksadesimal",
    "dalam dialog: pilih konversi dari menu, ketik bilangan, baca hasilnya.",
    "",
    "  -l, --langkah  tampilkan juga langkah pengerjaan setiap konversi:",
    "                 bobot setiap digit dan pembagian berulang",
    "  -h, --help     tampilkan bantuan ini, lalu keluar",
    "      --version  tampilkan versi, lalu keluar",
    "",
    "Status keluar: 0 bila selesai, 1 bila keluaran gagal ditulis,",
    "2 bila argumen salah.",
};
inline constexpr std::string_view teks_versi[] = {
    "tavirel " TAVIREL_VERSI,
    TAVIREL_HAK_CIPTA,
};
inline constexpr std::string_view teks_opsi_salah = "tavirel: opsi tidak dikenal: ";
inline constexpr std::string_view teks_argumen_salah = "tavirel: argumen tidak dikenal: ";
inline constexpr std::string_view teks_coba_bantuan = "Coba 'tavirel --help'.";
