// The texts of the menu loop, each exactly as shown, blanks included.
#pragma once

#include "menu.h"
#include "version.h"

#include <string_view>

// The rule above and below the menu and the practice round's header.
inline constexpr std::string_view teks_garis = "=============================================";

// The banner and menu, one line each; the last is the empty line under the menu.
inline constexpr Menu teks_menu = {
    "Program Tavirel",
    teks_garis,
    "A = Desimal ke Biner, Oktal, Heksadesimal ",
    "B = Biner ke Desimal, Oktal, Heksadesimal ",
    "C = Oktal ke Desimal, Biner, Heksadesimal ",
    "D = Heksadesimal ke Desimal, Biner, Oktal ",
    teks_garis,
    "",
};

// The banner and menu of the operations (--hitung): the base of the soal.
inline constexpr Menu teks_menu_hitung = {
    "Program Tavirel: Operasi Hitung",
    teks_garis,
    "A = Desimal",
    "B = Biner",
    "C = Oktal",
    "D = Heksadesimal",
    teks_garis,
    "",
};

// The banner and menu of fractions (--pecahan): the converter's menu under its own title.
inline constexpr Menu teks_menu_pecahan = {
    "Program Tavirel: Bilangan Pecahan",
    teks_menu[1],
    teks_menu[2],
    teks_menu[3],
    teks_menu[4],
    teks_menu[5],
    teks_menu[6],
    teks_menu[7],
};

inline constexpr std::string_view teks_prompt_pilihan = "Masukkan Pilihan : ";
inline constexpr std::string_view teks_coba_lagi = "Ingin coba lagi (Y/N) ? ";

// The headers of the practice round (--latihan) and of the sheets (--lembar, --kunci): the
// title between rules, then "10 soal, benih 42" under it, with the kind's word for other kinds
// than conversions, "10 soal hitung, benih 42", and ", tingkat 2" at level 2.
inline constexpr std::string_view judul_latihan = "Program Tavirel: Latihan";
inline constexpr std::string_view judul_lembar = "Program Tavirel: Lembar Soal";
inline constexpr std::string_view judul_kunci = "Program Tavirel: Kunci Jawaban";
inline constexpr std::string_view teks_soal_kepala = " soal";
inline constexpr std::string_view teks_sebelum_jenis = " ";
inline constexpr std::string_view teks_benih = ", benih ";
inline constexpr std::string_view teks_tingkat = ", tingkat ";
// Each question: "Soal 1 dari 10", then the kind's prompt.
inline constexpr std::string_view teks_soal = "Soal ";
inline constexpr std::string_view teks_dari = " dari ";
// The answer judged: right, or wrong with the right answer, whose working follows.
inline constexpr std::string_view teks_benar = "Benar!";
inline constexpr std::string_view teks_salah_jawaban = "Salah. Jawaban yang benar: ";
// The round's score: "Benar 1 dari 3 soal."
inline constexpr std::string_view teks_skor = "Benar ";
inline constexpr std::string_view teks_skor_akhir = " soal.";

// The sheets. A worksheet has blanks for the student's name and class, 30 columns, and one
// for each answer, 24 columns; each question is numbered, "1. Ubah desimal 62 ke oktal", and
// its answer follows three blanks in. A line holding only a form feed starts the next sheet.
inline constexpr std::string_view teks_nama = "Nama  : ______________________________";
inline constexpr std::string_view teks_kelas = "Kelas : ______________________________";
inline constexpr std::string_view teks_nomor = ". ";
inline constexpr std::string_view teks_jawaban = "   Jawaban: ";
inline constexpr std::string_view teks_jawaban_kosong = "   Jawaban: ________________________";
inline constexpr std::string_view teks_ganti_halaman = "\f";
// Multiple choice: each option on a line of its own, three blanks in, "   a. 77", and a key's
// answer by its letter, "   Jawaban: c. 76".
inline constexpr std::string_view teks_opsi = "   ";
inline constexpr std::string_view huruf_opsi = "abcde";
// The key table of a class: its title, the header with the last seed, "12 soal, benih 42
// sampai 43", then for each student "benih 42" and the letters, ten a line, each
// "  1.c", the question's number in three columns, joined by one blank.
inline constexpr std::string_view judul_tabel = "Program Tavirel: Tabel Kunci";
inline constexpr std::string_view teks_sampai = " sampai ";
inline constexpr std::string_view teks_benih_siswa = "benih ";
inline constexpr std::string_view teks_titik_huruf = ".";
inline constexpr std::string_view teks_antar_huruf = " ";
inline constexpr std::size_t lebar_nomor_tabel = 3;
inline constexpr int huruf_per_baris = 10;
static_assert(teks_nama.size() == 8 + 30 && teks_kelas.size() == 8 + 30 &&
              teks_jawaban_kosong.size() == teks_jawaban.size() + 24 &&
              teks_jawaban_kosong.starts_with(teks_jawaban));

// Multiple choice: the reason of a wrong option that is a slip, not a mistake of method.
inline constexpr std::string_view alasan_periksa = "Periksa lagi hitungannya.";

// The Moodle question bank (--moodle), in Moodle XML. A category of its own,
// "$course$/top/tavirel/konversi tingkat 1/benih 42", then each question: its name, "benih 42
// soal 1", its task as a paragraph, its working in a <pre> block as general feedback, its
// settings (one right answer, the options in the given order numbered a to e, a grade of 1, no
// penalty), and its options, the right one at 100 with the feedback "Benar.", each wrong one
// at 0 with its reason.
inline constexpr std::string_view xml_awal[] = {
    R"(<?xml version="1.0" encoding="UTF-8"?>)",
    "<quiz>",
    R"(<question type="category">)",
};
inline constexpr std::string_view xml_kategori_awal = "<category><text>$course$/top/tavirel/";
inline constexpr std::string_view xml_tingkat = " tingkat ";
inline constexpr std::string_view xml_kategori_benih = "/benih ";
inline constexpr std::string_view xml_kategori_akhir = "</text></category>";
inline constexpr std::string_view xml_kategori_tutup = "</question>";
inline constexpr std::string_view xml_pertanyaan = R"(<question type="multichoice">)";
inline constexpr std::string_view xml_nama_awal = "<name><text>";
inline constexpr std::string_view xml_soal_ke = " soal ";
inline constexpr std::string_view xml_nama_akhir = "</text></name>";
inline constexpr std::string_view xml_tugas_awal =
    R"(<questiontext format="html"><text><![CDATA[<p>)";
inline constexpr std::string_view xml_tugas_akhir = "</p>]]></text></questiontext>";
inline constexpr std::string_view xml_umpan_awal =
    R"(<generalfeedback format="html"><text><![CDATA[<pre>)";
inline constexpr std::string_view xml_umpan_akhir = "</pre>]]></text></generalfeedback>";
inline constexpr std::string_view xml_pengaturan[] = {
    "<defaultgrade>1</defaultgrade>",
    "<penalty>0</penalty>",
    "<hidden>0</hidden>",
    "<single>true</single>",
    "<shuffleanswers>0</shuffleanswers>",
    "<answernumbering>abc</answernumbering>",
};
inline constexpr std::string_view xml_opsi_benar = R"(<answer fraction="100" format="html"><text>)";
inline constexpr std::string_view xml_opsi_salah = R"(<answer fraction="0" format="html"><text>)";
inline constexpr std::string_view xml_opsi_alasan = R"(</text><feedback format="html"><text>)";
inline constexpr std::string_view xml_opsi_akhir = "</text></feedback></answer>";
inline constexpr std::string_view teks_benar_moodle = "Benar.";
inline constexpr std::string_view xml_pertanyaan_akhir = "</question>";
inline constexpr std::string_view xml_akhir = "</quiz>";

// The command line: --help's text, --version's, and the answers to an argument that is not
// understood, each followed by the line teks_coba_bantuan.
inline constexpr std::string_view teks_bantuan[] = {
    "Pemakaian: tavirel [OPSI]...",
    "Mengubah bilangan bulat 32-bit, atau dengan --pecahan bilangan pecahan seperti",
    "10,625, antara desimal, biner, oktal dan heksadesimal dalam dialog: pilih",
    "konversi dari menu, ketik bilangan, baca hasilnya.",
    "",
    "  -l, --langkah  tampilkan juga langkah pengerjaan setiap konversi: bobot",
    "                 digit, pembagian, pengelompokan bit dan komplemen dua",
    "      --hitung   operasi hitung dalam satu basis: pilih basis, ketik soal",
    "                 seperti 1011 + 110 (operasi: + - x :), baca hasilnya;",
    "                 dengan --langkah, beserta cara bersusunnya; dengan",
    "                 --latihan, --lembar, --kunci atau --moodle, soal operasi",
    "                 hitung",
    "      --pecahan  bilangan pecahan: ketik bilangan seperti 10,625 atau",
    "                 1010,101, baca hasilnya yang tepat (yang tidak berakhir",
    "                 dipotong setelah 12 angka, ditandai ...); dengan --langkah,",
    "                 beserta langkahnya; dengan --latihan, --lembar, --kunci",
    "                 atau --moodle, soal bilangan pecahan",
    "      --latihan  berlatih: ubah sendiri bilangan yang ditanyakan; setiap",
    "                 jawaban diperiksa, dan yang salah diberi langkahnya",
    "      --lembar   tulis lembar soal latihan untuk dicetak, satu per siswa",
    "      --kunci    tulis kunci jawaban lembar itu (dengan --langkah, beserta",
    "                 langkah pengerjaannya)",
    "      --pilihan  dengan --lembar atau --kunci: soal pilihan ganda, lima",
    "                 pilihan a sampai e; kunci memberi huruf jawabannya, lalu",
    "                 tabel kunci seluruh kelas",
    "      --moodle   tulis bank soal pilihan ganda untuk diimpor ke Moodle",
    "                 (format Moodle XML), beserta langkah pengerjaan dan alasan",
    "                 tiap pilihan yang salah; soalnya seperti pada lembar, tanpa",
    "                 soal yang berulang",
    "      --soal=N   N soal dalam satu putaran latihan atau satu lembar, 1 sampai",
    "                 100 (bawaan 10); bank soal memuat lembar setiap siswa",
    "      --benih=N  benih soal, 0 sampai 18446744073709551615; benih yang sama",
    "                 memberi soal yang sama (tanpanya, benih acak)",
    "      --siswa=N  N siswa, masing-masing dengan benih berikutnya: benih,",
    "                 benih+1, ...; 1 sampai 100 (bawaan 1)",
    "      --tingkat=N",
    "                 tingkat soal: 1 untuk bilangan sampai 8 bit (bawaan), 2",
    "                 untuk bilangan sampai 16 bit; soal konversi tingkat 2",
    "                 memakai bilangan 256 sampai 65535, hasil penjumlahan bisa",
    "                 1 bit lebih, dan bilangan pecahan punya separuh bitnya di",
    "                 depan koma dan separuhnya di belakang",
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
inline constexpr std::string_view teks_tingkat_salah = "tavirel: tingkat harus 1 atau 2: ";
inline constexpr std::string_view teks_siswa_salah = "tavirel: banyak siswa harus 1 sampai 100: ";
inline constexpr std::string_view teks_tanpa_latihan =
    "tavirel: opsi hanya berlaku dengan --latihan, --lembar, --kunci atau --moodle: ";
inline constexpr std::string_view teks_tanpa_cetakan =
    "tavirel: opsi hanya berlaku dengan --lembar, --kunci atau --moodle: ";
inline constexpr std::string_view teks_tanpa_lembar =
    "tavirel: opsi hanya berlaku dengan --lembar atau --kunci: ";
inline constexpr std::string_view teks_moodle_dan_lain =
    "tavirel: --moodle tidak bisa digabung dengan --latihan, --lembar, --kunci atau --pilihan: ";
inline constexpr std::string_view teks_hitung_dan_pecahan =
    "tavirel: --hitung tidak bisa digabung dengan --pecahan: ";
inline constexpr std::string_view teks_latihan_dan_lembar =
    "tavirel: --latihan tidak bisa digabung dengan --lembar atau --kunci: ";
