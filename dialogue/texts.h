// The texts of the menu loop, each exactly as shown, blanks included.
#pragma once

#include "version.h"

#include <string_view>

// The rule above and below the menu and the practice round's header.
inline constexpr std::string_view teks_garis = "=============================================";

// The banner and menu, one line each; the last is the empty line under the menu.
inline constexpr std::string_view teks_menu[] = {
    "Program Tavirel",
    teks_garis,
    "A = Desimal ke Biner, Oktal, Heksadesimal ",
    "B = Biner ke Desimal, Oktal, Heksadesimal ",
    "C = Oktal ke Desimal, Biner, Heksadesimal ",
    "D = Heksadesimal ke Desimal, Biner, Oktal ",
    teks_garis,
    "",
};

inline constexpr std::string_view teks_prompt_pilihan = "Masukkan Pilihan : ";
inline constexpr std::string_view teks_coba_lagi = "Ingin coba lagi (Y/N) ? ";

// The practice round (--latihan). Its header: the title between rules, then "10 soal, benih
// 42" under it.
inline constexpr std::string_view judul_latihan = "Program Tavirel: Latihan";
inline constexpr std::string_view teks_soal_benih = " soal, benih ";
// Each question: "Soal 1 dari 10", then the prompt "Ubah desimal 62 ke oktal : ", with the
// bases named by number.
inline constexpr std::string_view teks_soal = "Soal ";
inline constexpr std::string_view teks_dari = " dari ";
inline constexpr std::string_view teks_ubah = "Ubah ";
inline constexpr std::string_view teks_ke = " ke ";
inline constexpr std::string_view teks_akhir_prompt = " : ";
inline constexpr std::string_view teks_biner = "biner";
inline constexpr std::string_view teks_oktal = "oktal";
inline constexpr std::string_view teks_desimal = "desimal";
inline constexpr std::string_view teks_heksadesimal = "heksadesimal";
// The answer judged: right, or wrong with the right answer, whose working follows.
inline constexpr std::string_view teks_benar = "Benar!";
inline constexpr std::string_view teks_salah_jawaban = "Salah. Jawaban yang benar: ";
// The round's score: "Benar 1 dari 3 soal."
inline constexpr std::string_view teks_skor = "Benar ";
inline constexpr std::string_view teks_skor_akhir = " soal.";

// The command line: --help's text, --version's, and the answers to an argument that is not
// understood, each followed by the line teks_coba_bantuan.
inline constexpr std::string_view teks_bantuan[] = {
    "Pemakaian: tavirel [OPSI]...",
    "Mengubah bilangan bulat 32-bit antara desimal, biner, oktal dan heksadesimal",
    "dalam dialog: pilih konversi dari menu, ketik bilangan, baca hasilnya.",
    "",
    "  -l, --langkah  tampilkan juga langkah pengerjaan setiap konversi: bobot",
    "                 digit, pembagian, pengelompokan bit dan komplemen dua",
    "      --latihan  berlatih: ubah sendiri bilangan yang ditanyakan; setiap",
    "                 jawaban diperiksa, dan yang salah diberi langkahnya",
    "      --soal=N   N soal dalam satu putaran latihan, 1 sampai 100 (bawaan 10)",
    "      --benih=N  benih soal latihan, 0 sampai 18446744073709551615; benih",
    "                 yang sama memberi soal yang sama (tanpanya, benih acak)",
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
inline constexpr std::string_view teks_tanpa_bilangan = "tavirel: opsi memerlukan bilangan: ";
inline constexpr std::string_view teks_soal_salah = "tavirel: banyak soal harus 1 sampai 100: ";
inline constexpr std::string_view teks_benih_salah =
    "tavirel: benih harus 0 sampai 18446744073709551615: ";
inline constexpr std::string_view teks_tanpa_latihan =
    "tavirel: opsi hanya berlaku dengan --latihan: ";
