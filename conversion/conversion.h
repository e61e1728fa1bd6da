// The boundary between the rooms above and the conversions: the four entry routines and the
// three printers they call; the questions of conversions, with what every kind of question
// shares: the draws, the levels and the directions; checking an answer and the working of one
// conversion; the bases' names and result labels; and the lines put together with numbers in
// them, through the one digit writer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

inline constexpr int basis_biner = 2;
inline constexpr int basis_oktal = 8;
inline constexpr int basis_desimal = 10;
inline constexpr int basis_heksa = 16;

// One line of output, put together piece by piece and then written whole. The longest made
// is a step of a binary division: a part of 33 digits, a divisor and a remainder of 32, and
// the words between them.
struct Baris {
    char teks[128];
    std::size_t panjang;
};

// Appends teks to baris.
void sambung(Baris &baris, std::string_view teks);

// What baris holds.
inline std::string_view isi(const Baris &baris) {
    return {baris.teks, baris.panjang};
}

// Appends n's digits in basis, most significant first, through the digit stack; zero is the
// one digit 0. With lebar, isi comes first as often as it takes the digits to fill at least
// lebar columns: blanks to right-align them, zeros to write a fixed number of digits.
void sambung_angka(Baris &baris, std::uint64_t n, int basis, std::size_t lebar = 0, char isi = ' ');

// Appends the character of a digit of value nilai, below 16, and with a value of 10 or more
// that value in parentheses: "F(15)".
void sambung_digit(Baris &baris, std::uint32_t nilai);

// The value of a digit as the digit table writes it, '0' to '9' and 'A' to 'F'.
inline std::uint32_t nilai_digit_tabel(char c) {
    return static_cast<std::uint32_t>(c <= '9' ? c - '0' : c - 'A' + 10);
}

// Writes baris and an end of line.
void tulis(const Baris &baris);

// A base's name as the dialogue writes it: "biner", "oktal", "desimal", "heksadesimal".
std::string_view nama_basis(int basis);

// The label of a result line in basis: "Hasil biner        : ", all of one length.
std::string_view label_hasil(int basis);

// A number as typed, to quote in a fault: its first bytes, and its length counted up to one
// past them, which is enough to tell that it is longer.
inline constexpr std::size_t kutip_maks = 40;
struct Kutipan {
    char awal[kutip_maks];
    std::size_t panjang;
};

// Appends the byte c to the number kutipan quotes.
void tambah_kutipan(Kutipan &kutipan, int c);

// Writes teks, then the number as typed: by its first 40 bytes, and "..." when it is longer.
void tulis_kutip(std::string_view teks, const Kutipan &kutipan);

// The faults of a number typed, each a line with the number quoted: a letter or digit that
// is no digit of basis, "Bukan bilangan biner: 1021"; a value past 2^32 - 1, "Lebih dari 32
// bit: 100000000".
void tulis_bukan_bilangan(int basis, const Kutipan &kutipan);
void tulis_lebih_32_bit(const Kutipan &kutipan);

// Entry routines, one per menu choice. Each prompts until it gets a numeral in its base,
// writes that value in the other bases, one result line each, and returns.
void dari_desimal();
void dari_biner();
void dari_oktal();
void dari_heksadesimal();

// Whether each conversion also writes its working after its result lines, by the method
// taught for each: weighting, division, expansion and grouping of bits, two's complement.
// Off at start.
void tampilkan_langkah(bool ya);

// Reads the next answer, the whitespace-delimited word that starts at the console's next
// byte, whole however long it is, in constant memory. True when it is a numeral in basis
// whose value is nilai: digits of basis only, leading zeros allowed, in basis 16 either case
// and an optional "0x" or "0X", no sign.
bool baca_jawaban(int basis, std::uint32_t nilai);

// The working of one conversion of nilai from basis dari to basis ke, as --langkah shows it:
// from decimal, the divisions; to decimal, the weighting; between binary, octal and
// hexadecimal, the expansion of the digits into bits and the grouping of bits into digits.
void langkah_konversi(int dari, int ke, std::uint32_t nilai);

// The questions of practice rounds and sheets come from SplitMix64, which every platform
// computes alike, so that one seed gives one class the same questions everywhere. tarik gives
// the next number from the state keadaan, all modulo 2^64.
std::uint64_t tarik(std::uint64_t &keadaan);

// The levels. A conversion asks the numbers from 1 to 255 at level 1 and from 256 to 65535 at
// level 2; an operation adds and subtracts those, and multiplies and divides numbers up to
// faktor_maks, 4 and 8 bits, so that at each level no number of the question passes 8 or 16
// bits, but for a sum, which may take one more.
inline constexpr int tingkat_dasar = 1;
inline constexpr int tingkat_maks = 2;
struct Rentang {
    std::uint64_t min;
    std::uint64_t maks;
    std::uint64_t faktor_maks;
};
inline constexpr Rentang rentang_tingkat[tingkat_maks] = {{1, 255, 15}, {256, 65535, 255}};

// The twelve directions of a conversion, in the order the first draw of a question picks them.
struct Arah {
    int dari;
    int ke;
};
inline constexpr Arah arah_soal[] = {
    {basis_desimal, basis_biner}, {basis_desimal, basis_oktal}, {basis_desimal, basis_heksa},
    {basis_biner, basis_desimal}, {basis_biner, basis_oktal},   {basis_biner, basis_heksa},
    {basis_oktal, basis_desimal}, {basis_oktal, basis_biner},   {basis_oktal, basis_heksa},
    {basis_heksa, basis_desimal}, {basis_heksa, basis_biner},   {basis_heksa, basis_oktal},
};

// Appends a conversion's task, "Ubah desimal 62 ke oktal", with bilangan as dari writes it.
void sambung_ubah(Baris &baris, int dari, std::string_view bilangan, int ke);

struct DaftarKesalahan;

// A kind of question, for the practice round and the sheets, is a type like this one: the
// question, with
// - jenis, the word for the kind in a header ("10 soal hitung, benih 42"), empty here;
// - nama and nomor, the kind's name and number for multiple choice: "konversi" 0, "hitung" 1,
//   "pecahan" 2; and jawaban_pecahan, whether its answers have a fraction part;
// - berikut, the next question that the draws from keadaan give at tingkat;
// - sambung_tugas, its task, and sambung_prompt, the task and what leads to the answer;
// - identitas, a number that only questions of the same task share;
// - periksa, which reads the answer from the console, as baca_jawaban does, and judges it;
// - sambung_jawaban, the right answer as a result line writes it, and basis_jawaban, its base;
// - tulis_kesalahan, the mistakes students make in it, in the order they are tried;
// - langkah, the working of the right answer.
// A conversion question asks nilai, written in dari, in ke. It takes two draws: the
// direction, then the value.
struct SoalKonversi {
    int dari;
    int ke;
    std::uint32_t nilai;

    static constexpr std::string_view jenis = "";
    static constexpr std::string_view nama = "konversi";
    static constexpr int nomor = 0;
    static constexpr bool jawaban_pecahan = false;
    static SoalKonversi berikut(std::uint64_t &keadaan, int tingkat);
    void sambung_tugas(Baris &baris) const;
    void sambung_prompt(Baris &baris) const;
    std::uint64_t identitas() const;
    bool periksa() const;
    void sambung_jawaban(Baris &baris) const;
    int basis_jawaban() const;
    void tulis_kesalahan(DaftarKesalahan &daftar) const;
    void langkah() const;
};

// A number with a fraction part: bulat + pembilang / penyebut, pembilang below penyebut, and
// penyebut a divisor of 2^48 or of 10^12, as a fraction of at most 48 bits or 12 decimal
// digits has. Its fraction ends in decimal; in binary, octal and hexadecimal where penyebut
// divides 2^48.
struct Pecahan {
    std::uint32_t bulat;
    std::uint64_t pembilang;
    std::uint64_t penyebut;
};

// A fraction that never ends in a base is written by this many digits, cut and not rounded: a
// fraction of at most 12 decimal digits that ends in binary, octal or hexadecimal does so
// within them.
inline constexpr int digit_dipotong = 12;

// Appends nilai in basis as a result line writes it: the whole part without leading zeros,
// then, where the fraction is not zero, "," and its digits without zeros at the end; one that
// never ends by its first 12 digits and "...".
void sambung_pecahan(Baris &baris, const Pecahan &nilai, int basis);

// Reads the next answer as baca_jawaban does, a numeral in basis that may go on with one ","
// or "." and more digits of basis; true when its value is exactly nilai.
bool baca_jawaban_pecahan(int basis, const Pecahan &nilai);

// The working of nilai, typed in dari, after its result lines, a section for each of them in
// their order: from decimal the whole part divided and the fraction multiplied by each base;
// to decimal the weighting; then, from octal or hexadecimal, the expansion into bits; then the
// grouping of bits into each base that is left. A value whose fraction is zero is worked as
// the converter works a whole number that is not negative.
void langkah_pecahan(int dari, const Pecahan &nilai);

// The working of one conversion of nilai from dari to ke: from decimal its section; to decimal
// the weighting; from binary the grouping; to binary the expansion; between octal and
// hexadecimal the expansion, then the grouping.
void langkah_konversi_pecahan(int dari, int ke, const Pecahan &nilai);

// A numeral cut at its comma: its whole part, and the digits after the comma, empty where it
// has none.
struct BagianAngka {
    std::string_view bulat;
    std::string_view pecahan;
};
BagianAngka pisah_koma(std::string_view angka);

// A mistake students make, as a wrong option of a multiple-choice question: the numeral it
// gives, in the answer's base, and its reason. A question has at most four.
struct Kesalahan {
    Baris angka;
    Baris alasan;
};
struct DaftarKesalahan {
    Kesalahan isi[4];
    int banyak;
};

// Adds the answer jawaban with its digits in the opposite order: "Urutan digit terbalik."
void tambah_terbalik(DaftarKesalahan &daftar, std::string_view jawaban);

// The mistakes of converting nilai from dari to ke, in the order they are tried. From decimal:
// the remainders read from the top down, the number left in its digits. To decimal: the
// weights taken from the left, every weight one place too high, the number left in its
// digits. From binary: the bits grouped from the left, the number left in its digits, the
// digits in the opposite order. To binary: each digit in fewer than 3 or 4 bits, the digits in
// the opposite order. Between octal and hexadecimal: the number left in its digits, the digits
// in the opposite order. A mistake whose numeral has a digit outside ke is none.
void kesalahan_konversi(DaftarKesalahan &daftar, int dari, int ke, std::uint32_t nilai);

// The mistakes of converting a fraction nilai from dari to ke: the fraction converted as if it
// were a whole number; by direction, from decimal the products' whole parts and the remainders
// each read the wrong way, from binary the fraction's bits grouped from the right, to binary
// each digit of the fraction in fewer than 3 or 4 bits; the number left in its digits.
void kesalahan_pecahan(DaftarKesalahan &daftar, int dari, int ke, const Pecahan &nilai);

// Printers: each writes one labelled result line with n's 32-bit pattern in its base,
// most significant digit first, so a negative n shows its two's complement.
void ke_biner(int n);
void ke_oktal(int n);
void ke_heksadesimal(int n);
