// The texts that the conversion dialogue writes, each exactly as shown, blanks included.
#pragma once

#include <cstddef>
#include <string_view>

inline constexpr std::string_view teks_prompt_desimal = "Masukkan bilangan desimal : ";
inline constexpr std::string_view teks_prompt_biner = "Masukkan bilangan biner : ";
inline constexpr std::string_view teks_prompt_oktal = "Masukkan bilangan oktal : ";
inline constexpr std::string_view teks_prompt_heksa = "Masukkan bilangan hexadesimal : ";

// The bases by name, in the practice's questions and in the operations' prompts and titles.
inline constexpr std::string_view teks_biner = "biner";
inline constexpr std::string_view teks_oktal = "oktal";
inline constexpr std::string_view teks_desimal = "desimal";
inline constexpr std::string_view teks_heksadesimal = "heksadesimal";

// Result labels: all of one length, so the digits of every result line share a column.
inline constexpr std::size_t panjang_label = 21;
inline constexpr std::string_view label_desimal = "Hasil desimal      : ";
inline constexpr std::string_view label_biner = "Hasil biner        : ";
inline constexpr std::string_view label_oktal = "Hasil oktal        : ";
inline constexpr std::string_view label_heksa = "Hasil heksadesimal : ";
static_assert(label_desimal.size() == panjang_label && label_biner.size() == panjang_label &&
              label_oktal.size() == panjang_label && label_heksa.size() == panjang_label);

// A number typed refused, quoted as typed, by its first 40 bytes and "..." when it is longer:
// "Bukan bilangan biner: 1021", "Lebih dari 32 bit: 100000000".
inline constexpr std::string_view teks_bukan_bilangan = "Bukan bilangan ";
inline constexpr std::string_view teks_titik_dua = ": ";
inline constexpr std::string_view teks_lebih_32_bit = "Lebih dari 32 bit: ";
inline constexpr std::string_view teks_terpotong = "...";

// The working (--langkah). A division section: its title by base, one line per division, and
// the digits read back.
inline constexpr std::string_view judul_bagi_biner = "Ke biner: bagi dengan 2 berulang kali";
inline constexpr std::string_view judul_bagi_oktal = "Ke oktal: bagi dengan 8 berulang kali";
inline constexpr std::string_view judul_bagi_heksa =
    "Ke heksadesimal: bagi dengan 16 berulang kali";
inline constexpr std::string_view teks_bagi = " : ";
inline constexpr std::string_view teks_sama_dengan = " = ";
inline constexpr std::string_view teks_sisa = " sisa ";
inline constexpr std::string_view teks_dibaca = "Sisa dibaca dari bawah ke atas: ";

// A weighting section: its title, one line per digit ("F(15) x 16^7 = 4026531840"), the sum,
// and the value of a numeral typed with "-", or of a pattern from 2^31 up
// ("Komplemen dua: 4294967291 - 2^32 = -5").
inline constexpr std::string_view judul_bobot = "Ke desimal: kalikan digit dengan bobotnya";
inline constexpr std::string_view teks_kali = " x ";
inline constexpr std::string_view teks_pangkat = "^";
inline constexpr std::string_view teks_jumlah = "Jumlah: ";
inline constexpr std::string_view teks_tanda_minus = "Dengan tanda minus: ";
inline constexpr std::string_view teks_komplemen = "Komplemen dua: ";
inline constexpr std::string_view teks_kurang_2_pangkat_32 = " - 2^32";

// A digit of 10 or more is shown with its value, "F(15)"; a remainder of 10 or more with its
// digit, "15 (F)".
inline constexpr std::string_view teks_buka = "(";
inline constexpr std::string_view teks_buka_sisa = " (";
inline constexpr std::string_view teks_tutup = ")";

// An expansion section: its title by base, a row of the digits, a row of their bits, and the
// bits without leading zeros.
inline constexpr std::string_view judul_urai_oktal = "Ke biner: ganti tiap digit dengan 3 bit";
inline constexpr std::string_view judul_urai_heksa = "Ke biner: ganti tiap digit dengan 4 bit";
inline constexpr std::string_view teks_tanpa_nol = "Tanpa nol di depan: ";
inline constexpr std::string_view teks_antar_kelompok = " ";

// A grouping section: its title by base, a row of the groups of bits, a row of their digits,
// and the digits read.
inline constexpr std::string_view judul_kelompok_oktal = "Ke oktal: kelompokkan 3 bit dari kanan";
inline constexpr std::string_view judul_kelompok_heksa =
    "Ke heksadesimal: kelompokkan 4 bit dari kanan";
inline constexpr std::string_view teks_dibaca_kiri = "Digit dibaca dari kiri ke kanan: ";

// A complement section: its title, then three lines of 32 bits under labels as long as the
// result labels.
inline constexpr std::string_view judul_komplemen = "Bilangan negatif: komplemen dua";
inline constexpr std::string_view label_tanpa_tanda = "32 bit tanpa tanda : ";
inline constexpr std::string_view label_komplemen_satu = "Komplemen satu     : ";
inline constexpr std::string_view label_komplemen_dua = "Komplemen dua      : ";
static_assert(label_tanpa_tanda.size() == panjang_label &&
              label_komplemen_satu.size() == panjang_label &&
              label_komplemen_dua.size() == panjang_label);

// A question of the practice round and the sheets: its task, "Ubah desimal 62 ke oktal", and
// the round's prompt, the task and " : ".
inline constexpr std::string_view teks_ubah = "Ubah ";
inline constexpr std::string_view teks_spasi = " ";
inline constexpr std::string_view teks_ke = " ke ";
inline constexpr std::string_view teks_akhir_tanya = " : ";

// A number with a fraction part: the whole part, "," and the fraction, "10,625"; one that
// never ends cut with "...".
inline constexpr std::string_view teks_tanda_koma = ",";

// The working of a fraction. From decimal: a section for each base, "Ke biner: bagian bulat
// dibagi 2, bagian pecahan dikali 2", the divisions of the whole part, then a line for each
// digit of the fraction, "0,625 x 2 = 1,25 -> 1", the fraction multiplied and its whole part
// taken, "1,0" where the product is whole; the line "Tidak berakhir: dipotong setelah 12
// angka" where the fraction does not end; the digits read, and the value.
inline constexpr std::string_view teks_ke_basis = "Ke ";
inline constexpr std::string_view teks_bagian_bulat_dibagi = ": bagian bulat dibagi ";
inline constexpr std::string_view teks_bagian_pecahan_dikali = ", bagian pecahan dikali ";
inline constexpr std::string_view teks_panah = " -> ";
inline constexpr std::string_view teks_koma_nol = ",0";
inline constexpr std::string_view teks_tidak_berakhir = "Tidak berakhir: dipotong setelah ";
inline constexpr std::string_view teks_angka = " angka";
inline constexpr std::string_view teks_dibaca_atas =
    "Bagian bulat hasil kali dibaca dari atas ke bawah: ";
inline constexpr std::string_view teks_hasil_pecahan = "Hasil: ";
// To decimal, each digit of the fraction by its negative power, "A(10) x 16^-1 = 0,625".
inline constexpr std::string_view teks_pangkat_minus = "^-";
// The rows of an expansion and a grouping put a group that is just "," between the whole
// part's groups and the fraction's; the bits are read "Tanpa nol di depan dan di belakang: ".
inline constexpr std::string_view teks_kelompok_koma = " , ";
inline constexpr std::string_view teks_tanpa_nol_pecahan = "Tanpa nol di depan dan di belakang: ";
inline constexpr std::string_view judul_kelompok_pecahan_oktal =
    "Ke oktal: kelompokkan 3 bit ke kiri dan ke kanan dari koma";
inline constexpr std::string_view judul_kelompok_pecahan_heksa =
    "Ke heksadesimal: kelompokkan 4 bit ke kiri dan ke kanan dari koma";

// The mistakes that wrong options of a multiple-choice question stand for, each with its
// reason, a sentence: "Bilangan soal belum diubah ke oktal.", "Digit paling kanan berbobot 8^0
// = 1.", "Tiap digit harus menjadi 3 bit.", "Digit di belakang koma berbobot 2^-1, 2^-2, dan
// seterusnya.", "Bagian pecahan diubah seperti bilangan bulat; kalikan dengan 8 berulang kali."
inline constexpr std::string_view alasan_sisa_terbalik =
    "Sisa pembagian dibaca dari bawah ke atas.";
inline constexpr std::string_view alasan_belum_diubah = "Bilangan soal belum diubah ke ";
inline constexpr std::string_view alasan_bobot_dari_kiri =
    "Bobot digit dimulai dari kanan, dengan bobot 1.";
inline constexpr std::string_view alasan_bobot_kanan = "Digit paling kanan berbobot ";
inline constexpr std::string_view alasan_pangkat_nol = "^0 = 1";
inline constexpr std::string_view alasan_kelompok_kiri =
    "Bit dikelompokkan dari kiri; mulailah dari kanan.";
inline constexpr std::string_view alasan_urutan_terbalik = "Urutan digit terbalik.";
inline constexpr std::string_view alasan_tiap_digit = "Tiap digit harus menjadi ";
inline constexpr std::string_view alasan_bit = " bit";
inline constexpr std::string_view alasan_pecahan_bulat =
    "Bagian pecahan diubah seperti bilangan bulat";
inline constexpr std::string_view alasan_kalikan = "; kalikan dengan ";
inline constexpr std::string_view alasan_berulang = " berulang kali";
inline constexpr std::string_view alasan_bobot_koma = "Digit di belakang koma berbobot ";
inline constexpr std::string_view alasan_pangkat_minus_satu = "^-1, ";
inline constexpr std::string_view alasan_pangkat_minus_dua = "^-2, dan seterusnya";
inline constexpr std::string_view alasan_hasil_kali_terbalik =
    "Bagian bulat hasil kali dibaca dari atas ke bawah.";
inline constexpr std::string_view alasan_bit_pecahan =
    "Bit pecahan dikelompokkan dari koma ke kanan.";
inline constexpr std::string_view teks_titik = ".";
