// The options of multiple-choice questions, drawn as a sheet draws them, for many seeds of
// every kind and level: five numerals of the answer's base as the key writes them, of five
// values, one of them the answer, which the answer's letter points at; in a question of
// fractions none whole; every wrong option with its reason, and a mistake's numeral the one
// its reason gives; and the question's mistakes, all of them in the order they are tried. What a question must have is worked out here, apart from the program's
// writers. Then the letters of the answers, which must be spread evenly; and the options of
// sheets that are published.
#include "dialogue/pilihan.h"

#include "arithmetic/arithmetic.h"
#include "pecahan/pecahan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr std::string_view digit = "0123456789ABCDEF";
constexpr std::string_view huruf_opsi = "abcde";
constexpr std::string_view periksa_lagi = "Periksa lagi hitungannya.";

// n in basis, most significant digit first, zero as "0", with zeros in front up to lebar.
std::string tulis(std::uint64_t n, int basis, std::size_t lebar = 1) {
    std::string s;
    const auto b = static_cast<std::uint64_t>(basis);
    for (; n > 0 || s.size() < lebar; n /= b) {
        s.insert(s.begin(), digit[n % b]);
    }
    return s;
}

std::uint64_t nilai_digit(char c) {
    return digit.find(c);
}

// The value of s, digits of basis only.
std::uint64_t baca(std::string_view s, int basis) {
    std::uint64_t n = 0;
    for (const char c : s) {
        n = n * static_cast<std::uint64_t>(basis) + nilai_digit(c);
    }
    return n;
}

// bulat + pembilang / penyebut in basis: the whole part, then "," and the fraction's digits up
// to the last that is not zero, or 64 of them where it does not end by then.
std::string tulis_pecahan(const Pecahan &p, int basis) {
    std::string s = tulis(p.bulat, basis) + ',';
    std::uint64_t sisa = p.pembilang;
    for (int i = 0; sisa != 0 && i < 64; ++i) {
        sisa *= static_cast<std::uint64_t>(basis);
        s += digit[sisa / p.penyebut];
        sisa %= p.penyebut;
    }
    return s;
}

std::string terbalik(std::string_view s) {
    return {s.rbegin(), s.rend()};
}

std::string_view bagian_bulat(std::string_view s) {
    return s.substr(0, s.find(','));
}
std::string_view bagian_pecahan(std::string_view s) {
    const std::size_t koma = s.find(',');
    return koma == std::string_view::npos ? std::string_view{} : s.substr(koma + 1);
}

// s with its value's one way of writing: no zeros in front but one before the comma, none at
// the fraction's end, and no comma where nothing is left after it.
std::string rapi(std::string_view s) {
    std::string_view bulat = bagian_bulat(s);
    std::string_view pecahan = bagian_pecahan(s);
    while (bulat.size() > 1 && bulat.front() == '0') {
        bulat.remove_prefix(1);
    }
    while (!pecahan.empty() && pecahan.back() == '0') {
        pecahan.remove_suffix(1);
    }
    std::string hasil(bulat.empty() ? "0" : bulat);
    if (!pecahan.empty()) {
        hasil += ',';
        hasil += pecahan;
    }
    return hasil;
}

// Whether s is a numeral of basis written that way: digits of basis, a whole part without
// zeros in front but a single 0, and perhaps "," and a fraction that does not end in 0.
bool sah(std::string_view s, int basis) {
    const std::string_view bulat = bagian_bulat(s);
    const std::string_view pecahan = bagian_pecahan(s);
    const auto digit_sah = [basis](std::string_view bagian) {
        return std::all_of(bagian.begin(), bagian.end(), [basis](char c) {
            return nilai_digit(c) < static_cast<std::uint64_t>(basis);
        });
    };
    const bool ada_koma = bulat.size() < s.size();
    return !bulat.empty() && digit_sah(bulat) && digit_sah(pecahan) &&
           (bulat.size() == 1 || bulat.front() != '0') &&
           (!ada_koma || (!pecahan.empty() && pecahan.back() != '0'));
}

std::string nama(int basis) {
    switch (basis) {
    case 2:
        return "biner";
    case 8:
        return "oktal";
    case 10:
        return "desimal";
    default:
        return "heksadesimal";
    }
}

int bit_per_digit(int basis) {
    return basis == 8 ? 3 : 4;
}

// Bits grouped from the left into digits of basis 8 or 16, the last group filled with zeros
// at its right.
std::string kelompok_kiri(std::string_view bit, int basis) {
    const auto lebar = static_cast<std::size_t>(bit_per_digit(basis));
    std::string hasil;
    for (std::size_t awal = 0; awal < bit.size(); awal += lebar) {
        std::string kelompok(bit.substr(awal, lebar));
        kelompok.resize(lebar, '0');
        hasil += digit[baca(kelompok, basis_biner)];
    }
    return hasil;
}

// Each digit in binary without zeros in front, joined.
std::string bit_tiap_digit(std::string_view s) {
    std::string hasil;
    for (const char c : s) {
        hasil += tulis(nilai_digit(c), basis_biner);
    }
    return hasil;
}

// What a question must have: its answer and its base, and each mistake students make in it,
// by its reason and the numeral it gives, written as the key writes a value.
struct Harapan {
    std::string jawaban;
    int basis;
    std::vector<std::pair<std::string, std::string>> kesalahan;

    void tambah(std::string alasan, std::string_view angka) {
        kesalahan.emplace_back(std::move(alasan), rapi(angka));
    }
    // The question's number, as dari writes it, left in its digits, where they are ke's.
    void belum_diubah(std::string_view soal, int ke) {
        if (sah(rapi(soal), ke)) {
            tambah("Bilangan soal belum diubah ke " + nama(ke) + ".", soal);
        }
    }
};

Harapan harapan(const SoalKonversi &soal) {
    const std::string s = tulis(soal.nilai, soal.dari);
    Harapan h{tulis(soal.nilai, soal.ke), soal.ke, {}};
    const std::string urutan_terbalik = "Urutan digit terbalik.";
    if (soal.dari == 10) {
        h.tambah("Sisa pembagian dibaca dari bawah ke atas.", terbalik(h.jawaban));
        h.belum_diubah(s, soal.ke);
    } else if (soal.ke == 10) {
        h.tambah("Bobot digit dimulai dari kanan, dengan bobot 1.",
                 tulis(baca(terbalik(s), soal.dari), 10));
        h.tambah("Digit paling kanan berbobot " + tulis(soal.dari, 10) + "^0 = 1.",
                 tulis(std::uint64_t{soal.nilai} * static_cast<std::uint64_t>(soal.dari), 10));
        h.belum_diubah(s, 10);
    } else if (soal.dari == 2) {
        h.tambah("Bit dikelompokkan dari kiri; mulailah dari kanan.", kelompok_kiri(s, soal.ke));
        h.belum_diubah(s, soal.ke);
        h.tambah(urutan_terbalik, terbalik(h.jawaban));
    } else if (soal.ke == 2) {
        h.tambah("Tiap digit harus menjadi " + tulis(bit_per_digit(soal.dari), 10) + " bit.",
                 bit_tiap_digit(s));
        h.tambah(urutan_terbalik, terbalik(h.jawaban));
    } else {
        h.belum_diubah(s, soal.ke);
        h.tambah(urutan_terbalik, terbalik(h.jawaban));
    }
    return h;
}

Harapan harapan(const SoalHitung &soal) {
    const auto [basis, a, operasi, b] = soal.hitungan;
    std::uint64_t hasil = 0;
    switch (operasi) {
    case Operasi::tambah:
        hasil = std::uint64_t{a} + b;
        break;
    case Operasi::kurang:
        hasil = std::uint64_t{a} - b;
        break;
    case Operasi::kali:
        hasil = std::uint64_t{a} * b;
        break;
    case Operasi::bagi:
        hasil = a / b;
        break;
    }
    Harapan h{tulis(hasil, basis), basis, {}};
    const std::size_t lebar = std::max(tulis(a, basis).size(), tulis(b, basis).size());
    const std::string x = tulis(a, basis, lebar);
    const std::string y = tulis(b, basis, lebar);
    std::string angka;
    switch (operasi) {
    case Operasi::tambah:
        for (std::size_t i = 0; i < lebar; ++i) {
            angka += digit[(nilai_digit(x[i]) + nilai_digit(y[i])) % static_cast<unsigned>(basis)];
        }
        h.tambah("Simpanan tidak ditambahkan ke kolom berikutnya.", angka);
        break;
    case Operasi::kurang:
        for (std::size_t i = 0; i < lebar; ++i) {
            const std::uint64_t p = nilai_digit(x[i]);
            const std::uint64_t q = nilai_digit(y[i]);
            angka += digit[p > q ? p - q : q - p];
        }
        h.tambah("Pinjaman tidak dihitung: tiap kolom dikurangi yang kecil dari yang besar.",
                 angka);
        break;
    case Operasi::kali: {
        std::uint64_t jumlah = 0;
        for (const char c : y) {
            jumlah += a * nilai_digit(c);
        }
        h.tambah("Hasil kali tiap digit tidak digeser ke kiri.", tulis(jumlah, basis));
        break;
    }
    case Operasi::bagi:
        angka = h.jawaban;
        angka.erase(std::remove(angka.begin() + 1, angka.end(), '0'), angka.end());
        h.tambah("Angka 0 di hasil bagi tidak ditulis.", angka);
        break;
    }
    h.tambah("Urutan digit terbalik.", terbalik(h.jawaban));
    return h;
}

Harapan harapan(const SoalPecahan &soal) {
    const int dari = soal.dari;
    const int ke = soal.ke;
    const std::string s = tulis_pecahan(soal.nilai, dari);
    Harapan h{tulis_pecahan(soal.nilai, ke), ke, {}};
    const std::string bulat(bagian_bulat(h.jawaban));
    const std::string_view pecahan = bagian_pecahan(h.jawaban);
    const std::string_view pecahan_soal = bagian_pecahan(s);

    const std::string seperti_bulat =
        ke == 10 ? "Digit di belakang koma berbobot " + tulis(dari, 10) + "^-1, " +
                       tulis(dari, 10) + "^-2, dan seterusnya."
        : dari == 10 ? "Bagian pecahan diubah seperti bilangan bulat; kalikan dengan " +
                           tulis(ke, 10) + " berulang kali."
                     : "Bagian pecahan diubah seperti bilangan bulat.";
    h.tambah(seperti_bulat, bulat + ',' + tulis(baca(pecahan_soal, dari), ke));
    if (dari == 10) {
        h.tambah("Bagian bulat hasil kali dibaca dari atas ke bawah.",
                 bulat + ',' + terbalik(pecahan));
        h.tambah("Sisa pembagian dibaca dari bawah ke atas.",
                 terbalik(bulat) + ',' + std::string(pecahan));
    } else if (dari == 2 && ke != 10) {
        const auto lebar = static_cast<std::size_t>(bit_per_digit(ke));
        const std::string bit = std::string((lebar - pecahan_soal.size() % lebar) % lebar, '0') +
                                std::string(pecahan_soal);
        h.tambah("Bit pecahan dikelompokkan dari koma ke kanan.",
                 bulat + ',' + kelompok_kiri(bit, ke));
    } else if (ke == 2) {
        h.tambah("Tiap digit harus menjadi " + tulis(bit_per_digit(dari), 10) + " bit.",
                 bulat + ',' + bit_tiap_digit(pecahan_soal));
    }
    h.belum_diubah(s, ke);
    return h;
}

std::string tugas(const auto &soal) {
    Baris baris{};
    soal.sambung_tugas(baris);
    return std::string(isi(baris));
}

// Draws the first banyak questions of the multiple-choice sheet of seed benih at tingkat as a
// sheet draws them, and hands each with its number and its options to f.
template <JenisSoal Soal, class F>
void lembar(std::uint64_t benih, int tingkat, int banyak, const F &f) {
    std::uint64_t keadaan = benih;
    std::uint64_t keadaan_opsi = benih_pilihan(benih, Soal::nomor, tingkat);
    for (int nomor = 1; nomor <= banyak; ++nomor) {
        const Soal soal = Soal::berikut(keadaan, tingkat);
        f(nomor, soal, pilihan_soal(soal, keadaan_opsi));
    }
}

// Checks one question's options.
template <JenisSoal Soal>
void periksa_opsi(const Soal &soal, const Pilihan &pilihan, std::uint64_t benih, int tingkat,
                  int nomor) {
    const Harapan h = harapan(soal);
    const auto konteks = [&] {
        std::string s = std::string(Soal::nama) + ", benih " + std::to_string(benih) +
                        ", tingkat " + std::to_string(tingkat) + ", soal " + std::to_string(nomor) +
                        ": " + tugas(soal) + ";";
        for (int i = 0; i < banyak_opsi; ++i) {
            s += ' ';
            s += huruf_opsi[static_cast<std::size_t>(i)];
            s += ". ";
            s += isi(pilihan.opsi[i].angka);
            s += i == pilihan.jawaban ? " (jawaban)"
                                      : " (" + std::string(isi(pilihan.opsi[i].alasan)) + ")";
        }
        return s;
    };
    Baris kunci{};
    soal.sambung_jawaban(kunci);
    EXPECT_EQ(isi(kunci), h.jawaban) << konteks();
    DaftarKesalahan daftar{};
    soal.tulis_kesalahan(daftar);
    std::vector<std::pair<std::string, std::string>> kesalahan;
    for (int i = 0; i < daftar.banyak; ++i) {
        kesalahan.emplace_back(isi(daftar.isi[i].alasan), rapi(isi(daftar.isi[i].angka)));
    }
    EXPECT_EQ(kesalahan, h.kesalahan) << "the mistakes in the order they are tried, " << konteks();
    EXPECT_EQ(soal.basis_jawaban(), h.basis) << konteks();
    EXPECT_TRUE(pilihan.jawaban >= 0 && pilihan.jawaban < banyak_opsi) << konteks();

    std::array<std::string, banyak_opsi> nilai;
    int sama_jawaban = 0;
    for (int i = 0; i < banyak_opsi; ++i) {
        const Opsi &opsi = pilihan.opsi[i];
        const std::string_view angka = isi(opsi.angka);
        EXPECT_TRUE(sah(angka, h.basis))
            << "option " << huruf_opsi[static_cast<std::size_t>(i)] << ", " << konteks();
        if (Soal::jawaban_pecahan) {
            EXPECT_NE(angka.find(','), std::string_view::npos)
                << "option " << huruf_opsi[static_cast<std::size_t>(i)] << ", " << konteks();
        }
        nilai[static_cast<std::size_t>(i)] = rapi(angka);
        sama_jawaban += nilai[static_cast<std::size_t>(i)] == rapi(h.jawaban) ? 1 : 0;
        if (i == pilihan.jawaban) {
            EXPECT_EQ(angka, h.jawaban) << konteks();
            EXPECT_EQ(isi(opsi.alasan), "") << konteks();
            continue;
        }
        const std::string_view alasan = isi(opsi.alasan);
        EXPECT_NE(alasan, "") << "option " << huruf_opsi[static_cast<std::size_t>(i)] << ", "
                              << konteks();
        if (alasan != periksa_lagi) {
            const std::pair<std::string, std::string> kesalahan(alasan, rapi(angka));
            EXPECT_TRUE(std::find(h.kesalahan.begin(), h.kesalahan.end(), kesalahan) !=
                        h.kesalahan.end())
                << "option " << huruf_opsi[static_cast<std::size_t>(i)]
                << " is no mistake of its reason, " << konteks();
        }
    }
    EXPECT_EQ(sama_jawaban, 1) << konteks();
    for (std::size_t i = 0; i < nilai.size(); ++i) {
        for (std::size_t j = i + 1; j < nilai.size(); ++j) {
            EXPECT_NE(nilai[i], nilai[j])
                << "options " << huruf_opsi[i] << " and " << huruf_opsi[j] << ", " << konteks();
        }
    }
}

// Seeds spread over all 64 bits, 42 the first, and ten questions of each sheet. Their step is
// not SplitMix64's, nor its negative, so that no two sheets share draws of a question or of its
// options: with that step sheet k + 1 would draw what sheet k draws after its first draw.
constexpr int banyak_benih = 1000;
constexpr int soal_per_lembar = 10;
std::uint64_t benih_ke(int k) {
    return 42 + static_cast<std::uint64_t>(k) * 0xD1B54A32D192ED03U;
}

// Checks every question of the sheets of tingkat, up to the first sheet that fails, and how often
// the answer is at each letter. Each letter is the answer's with probability 1/5, so over n
// questions its count has a standard deviation of sqrt(n x 1/5 x 4/5), 40 for 10,000; a fair
// shuffle strays seven of them, 2.8 points of the 20 per cent, less than once in 10^11
// letters, while one that always keeps the answer where it was, or never does, or favours one
// place by a quarter, strays 12 or more.
template <JenisSoal Soal> void periksa_lembar(int tingkat) {
    std::array<int, banyak_opsi> huruf{};
    int banyak = 0;
    for (int k = 0; k < banyak_benih && !::testing::Test::HasFailure(); ++k) {
        const std::uint64_t benih = benih_ke(k);
        lembar<Soal>(benih, tingkat, soal_per_lembar,
                     [&](int nomor, const Soal &soal, const Pilihan &pilihan) {
                         periksa_opsi(soal, pilihan, benih, tingkat, nomor);
                         if (pilihan.jawaban >= 0 && pilihan.jawaban < banyak_opsi) {
                             ++huruf[static_cast<std::size_t>(pilihan.jawaban)];
                         }
                         ++banyak;
                     });
    }
    if (::testing::Test::HasFailure()) {
        return;
    }
    std::printf("%s tingkat %d, %d soal, jawaban di: a %d, b %d, c %d, d %d, e %d\n",
                std::string(Soal::nama).c_str(), tingkat, banyak, huruf[0], huruf[1], huruf[2],
                huruf[3], huruf[4]);
    const double harapan_huruf = banyak / 5.0;
    const double simpangan = std::sqrt(banyak * 0.2 * 0.8);
    for (std::size_t i = 0; i < huruf.size(); ++i) {
        EXPECT_NEAR(huruf[i], harapan_huruf, 7 * simpangan)
            << Soal::nama << " tingkat " << tingkat << ", letter " << huruf_opsi[i];
    }
}

TEST(MultipleChoice, ConversionsAtLevel1) {
    periksa_lembar<SoalKonversi>(1);
}
TEST(MultipleChoice, ConversionsAtLevel2) {
    periksa_lembar<SoalKonversi>(2);
}
TEST(MultipleChoice, ArithmeticAtLevel1) {
    periksa_lembar<SoalHitung>(1);
}
TEST(MultipleChoice, ArithmeticAtLevel2) {
    periksa_lembar<SoalHitung>(2);
}
TEST(MultipleChoice, FractionsAtLevel1) {
    periksa_lembar<SoalPecahan>(1);
}
TEST(MultipleChoice, FractionsAtLevel2) {
    periksa_lembar<SoalPecahan>(2);
}

// The first questions of sheets of seed 42 at level 1 as they are published: the task, the
// options and the answer's letter.
struct Terbit {
    std::string tugas;
    std::array<std::string, banyak_opsi> opsi;
    char jawaban;
};
template <JenisSoal Soal> Terbit terbit(int nomor) {
    Terbit hasil{};
    lembar<Soal>(42, tingkat_dasar, nomor, [&](int, const Soal &soal, const Pilihan &pilihan) {
        hasil.tugas = tugas(soal);
        for (std::size_t i = 0; i < hasil.opsi.size(); ++i) {
            hasil.opsi[i] = isi(pilihan.opsi[i].angka);
        }
        hasil.jawaban = huruf_opsi.at(static_cast<std::size_t>(pilihan.jawaban));
    });
    return hasil;
}

TEST(MultipleChoice, PublishedSheetsOfSeed42) {
    const struct {
        Terbit (*soal)(int);
        int nomor;
        Terbit terbit;
    } kasus[] = {
        {terbit<SoalKonversi>,
         1,
         {"Ubah desimal 62 ke oktal", {"77", "66", "76", "67", "62"}, 'c'}},
        {terbit<SoalKonversi>, 2, {"Ubah oktal 50 ke desimal", {"50", "40", "5", "6", "60"}, 'b'}},
        {terbit<SoalKonversi>,
         3,
         {"Ubah heksadesimal EE ke biner",
          {"1111111", "1110111", "11111110", "11101110", "11111101"},
          'd'}},
        {terbit<SoalHitung>, 1, {"Hitung oktal 155 - 76", {"57", "75", "121", "65", "122"}, 'a'}},
        {terbit<SoalPecahan>,
         1,
         {"Ubah desimal 3,25 ke oktal", {"3,3", "3,2", "3,4", "3,31", "3,13"}, 'b'}},
    };
    for (const auto &k : kasus) {
        const Terbit ada = k.soal(k.nomor);
        EXPECT_EQ(ada.tugas, k.terbit.tugas) << "question " << k.nomor;
        EXPECT_EQ(ada.opsi, k.terbit.opsi) << k.terbit.tugas;
        EXPECT_EQ(ada.jawaban, k.terbit.jawaban) << k.terbit.tugas;
    }
}

} // namespace
