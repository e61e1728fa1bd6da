// The practice round fed an arbitrary seed, level, number of questions, kind of question and
// byte stream as answers, against a plain model of its rules: the questions of conversions, of
// operations or of fractions that SplitMix64 draws at that level, each answer word judged by
// comparing its digits with the right answer's, the score, and "try again?". With each wrong
// answer's working taken out, the round must write exactly what the model writes, and end by
// itself at end of input with status 0. The working must be the sections that explain the
// question's direction, each reading back the right answer or its bits, or the one section of
// its operation that ends with the right answer; for a fraction, each section ends with the
// right answer, or an expansion into bits before a grouping with the number's bits.
#include "ending.h"
#include "memory_console.h"
#include "sections.h"

#include "arithmetic/arithmetic.h"
#include "console/console.h"
#include "conversion/texts.h"
#include "dialogue/latihan.h"
#include "pecahan/pecahan.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string_view nama(unsigned basis) {
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

std::uint64_t splitmix64(std::uint64_t &s) {
    s += 0x9E3779B97F4A7C15U;
    std::uint64_t z = s;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9U;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBU;
    return z ^ (z >> 31);
}

// A word is right when, after a "0x" or "0X" in hexadecimal, it is digits of the base and,
// for a fraction (koma), maybe one "," or "." and more digits of the base, which, in capitals,
// with the leading zeros of the whole part dropped (but its last digit) and the zeros at the
// end of the fraction, are the right answer as a result line writes it.
bool benar(std::string kata, unsigned basis, const std::string &jawaban, bool koma) {
    if (basis == 16 && (kata.rfind("0x", 0) == 0 || kata.rfind("0X", 0) == 0)) {
        kata.erase(0, 2);
    }
    const std::size_t tanda = koma ? kata.find_first_of(",.") : std::string::npos;
    std::string bulat = kata.substr(0, tanda);
    std::string pecahan = tanda == std::string::npos ? "" : kata.substr(tanda + 1);
    for (std::string *bagian : {&bulat, &pecahan}) {
        if (bagian->empty() && (bagian == &bulat || tanda != std::string::npos)) {
            return false;
        }
        for (char &c : *bagian) {
            c = static_cast<char>(c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c);
            const char *d = std::strchr("0123456789ABCDEF", c);
            if (c == '\0' || d == nullptr ||
                static_cast<unsigned>(d - "0123456789ABCDEF") >= basis) {
                return false;
            }
        }
    }
    bulat.erase(0, std::min(bulat.size() - 1, bulat.find_first_not_of('0')));
    pecahan.erase(pecahan.find_last_not_of('0') + 1);
    return bulat + (pecahan.empty() ? "" : "," + pecahan) == jawaban;
}

// An operation's question as the rules draw it from s: its base, its task without the base
// ("155 - 76"), and its answer.
struct Hitungan {
    unsigned basis;
    std::string tugas;
    std::uint32_t jawaban;
};
Hitungan hitungan(std::uint64_t &s, int tingkat) {
    const unsigned basis[] = {2, 2, 2, 2, 8, 8, 16, 16};
    const char operasi[] = {'+', '-', 'x', ':', '+', '-', '+', '-'};
    const std::uint64_t jenis = splitmix64(s) % 8;
    const std::uint64_t d1 = splitmix64(s);
    const std::uint64_t d2 = splitmix64(s);
    const std::uint64_t rendah = tingkat == 2 ? 256 : 1;
    const std::uint64_t rentang = tingkat == 2 ? 65280 : 255;
    const std::uint64_t m = tingkat == 2 ? 255 : 15;
    std::uint64_t a = rendah + d1 % rentang;
    std::uint64_t b = rendah + d2 % rentang;
    std::uint64_t jawaban = a + b;
    switch (operasi[jenis]) {
    case '-':
        jawaban = a < b ? b - a : a - b;
        a = std::max(a, b);
        b = a - jawaban;
        break;
    case 'x':
        a = 1 + d1 % m;
        b = 1 + d2 % m;
        jawaban = a * b;
        break;
    case ':':
        b = 1 + d1 % m;
        jawaban = 1 + d2 % m;
        a = b * jawaban;
        break;
    default:
        break;
    }
    const unsigned dasar = basis[jenis];
    return {dasar,
            digit(static_cast<std::uint32_t>(a), dasar) + " " + operasi[jenis] + " " +
                digit(static_cast<std::uint32_t>(b), dasar),
            static_cast<std::uint32_t>(jawaban)};
}

// What the round writes for these answers, without the working; with hitung, of operations,
// with pecahan, of fractions.
std::string model(std::string_view masukan, std::uint64_t benih, int banyak, int tingkat,
                  bool hitung, bool pecahan) {
    const unsigned dari[] = {10, 10, 10, 2, 2, 2, 8, 8, 8, 16, 16, 16};
    const unsigned ke[] = {2, 8, 16, 10, 8, 16, 10, 2, 16, 10, 2, 8};
    const std::string garis(45, '=');
    const std::string n = std::to_string(banyak);
    std::string out;
    std::size_t i = 0;
    // Skips whitespace to the next answer; false, with the end of line written, at the end.
    const auto jawaban = [&] {
        while (i < masukan.size() && spasi(static_cast<unsigned char>(masukan[i]))) {
            ++i;
        }
        if (i == masukan.size()) {
            out += "\n";
        }
        return i < masukan.size();
    };
    for (;; ++benih) {
        out += "Program Tavirel: Latihan\n" + garis + "\n" + n +
               (hitung    ? " soal hitung, benih "
                : pecahan ? " soal pecahan, benih "
                          : " soal, benih ") +
               std::to_string(benih) + (tingkat == 2 ? ", tingkat 2" : "") + "\n" + garis + "\n";
        std::uint64_t s = benih;
        int skor = 0;
        for (int nomor = 1; nomor <= banyak; ++nomor) {
            out += "\nSoal " + std::to_string(nomor) + " dari " + n + "\n";
            unsigned basis_jawaban = 0;
            std::string jawaban_benar;
            if (hitung) {
                const Hitungan h = hitungan(s, tingkat);
                out += "Hitung " + std::string(nama(h.basis)) + " " + h.tugas + " = ";
                basis_jawaban = h.basis;
                jawaban_benar = digit(h.jawaban, h.basis);
            } else if (pecahan) {
                // A whole part below 2^e and a fraction of e bits, not zero.
                const std::uint64_t arah = splitmix64(s) % 12;
                const unsigned e = tingkat == 2 ? 8 : 4;
                const std::uint64_t bulat = splitmix64(s) % (std::uint64_t{1} << e);
                const std::uint64_t pembilang = 1 + splitmix64(s) % ((std::uint64_t{1} << e) - 1);
                const auto tulis = [&](unsigned basis) {
                    return digit(bulat, basis) + "," + pecahan_biner(pembilang, e, basis);
                };
                out += "Ubah " + std::string(nama(dari[arah])) + " " + tulis(dari[arah]) + " ke " +
                       std::string(nama(ke[arah])) + " : ";
                basis_jawaban = ke[arah];
                jawaban_benar = tulis(ke[arah]);
            } else {
                const std::uint64_t arah = splitmix64(s) % 12;
                const std::uint64_t d = splitmix64(s);
                const auto nilai =
                    static_cast<std::uint32_t>(tingkat == 2 ? 256 + d % 65280 : 1 + d % 255);
                out += "Ubah " + std::string(nama(dari[arah])) + " " + digit(nilai, dari[arah]) +
                       " ke " + std::string(nama(ke[arah])) + " : ";
                basis_jawaban = ke[arah];
                jawaban_benar = digit(nilai, ke[arah]);
            }
            if (!jawaban()) {
                return out;
            }
            const std::size_t awal = i;
            while (i < masukan.size() && !spasi(static_cast<unsigned char>(masukan[i]))) {
                ++i;
            }
            if (benar(std::string(masukan.substr(awal, i - awal)), basis_jawaban, jawaban_benar,
                      pecahan)) {
                out += "Benar!\n";
                ++skor;
            } else {
                out += "Salah. Jawaban yang benar: " + jawaban_benar + "\n";
            }
        }
        out += "\nBenar " + std::to_string(skor) + " dari " + n + " soal.\n";
        for (;;) {
            out += "\nIngin coba lagi (Y/N) ? ";
            if (!jawaban()) {
                return out;
            }
            const char c = masukan[i++];
            if (c == 'N' || c == 'n') {
                return out;
            }
            if (c == 'Y' || c == 'y') {
                break;
            }
            out += "Kode yang Anda masukkan salah!!\n\n";
        }
    }
}

// Whether sections are the working for a question from basis dari to basis ke whose right
// answer is jawaban and whose value has the bits bit: the division from decimal, the
// weighting to decimal, else the expansion from octal or hexadecimal and the grouping into
// them. An expansion reads back the bits, every other section the answer.
bool langkah_sah(const std::vector<Bagian> &langkah, unsigned dari, unsigned ke,
                 const std::string &jawaban, const std::string &bit) {
    std::vector<std::string_view> harapan;
    if (dari == 10) {
        harapan = {ke == 2 ? judul_bagi_biner : ke == 8 ? judul_bagi_oktal : judul_bagi_heksa};
    } else if (ke == 10) {
        harapan = {judul_bobot};
    } else {
        if (dari != 2) {
            harapan.push_back(dari == 8 ? judul_urai_oktal : judul_urai_heksa);
        }
        if (ke != 2) {
            harapan.push_back(ke == 8 ? judul_kelompok_oktal : judul_kelompok_heksa);
        }
    }
    if (langkah.size() != harapan.size()) {
        return false;
    }
    for (std::size_t i = 0; i < langkah.size(); ++i) {
        const Bagian &b = langkah[i];
        bool sah = b.judul == harapan[i];
        if (b.judul == judul_urai_oktal || b.judul == judul_urai_heksa) {
            sah = sah && cari(b, teks_tanpa_nol) == bit;
        } else if (b.judul == judul_kelompok_oktal || b.judul == judul_kelompok_heksa) {
            sah = sah && cari(b, teks_dibaca_kiri) == jawaban;
        } else if (b.judul == judul_bobot) {
            sah = sah && cari(b, teks_jumlah) == jawaban;
        } else {
            sah = sah && cari(b, teks_dibaca) == jawaban;
        }
        if (!sah) {
            return false;
        }
    }
    return true;
}

// Whether sections are the working for a question of fractions from basis dari to basis ke,
// whose number is bilangan as dari writes it and whose right answer is jawaban: the division
// and multiplication by ke from decimal, the weighting to decimal, else the expansion from
// octal or hexadecimal and the grouping into them. Each ends with the right answer, but an
// expansion before a grouping, which ends with the number's bits.
bool langkah_pecahan_sah(const std::vector<Bagian> &langkah, unsigned dari, unsigned ke,
                         std::string_view bilangan, const std::string &jawaban) {
    struct Harapan {
        std::string judul;
        std::string akhir;
    };
    std::vector<Harapan> harapan;
    if (dari == 10) {
        const std::string b = std::to_string(ke);
        harapan.push_back({std::string(teks_ke_basis) + std::string(nama(ke)) +
                               std::string(teks_bagian_bulat_dibagi) + b +
                               std::string(teks_bagian_pecahan_dikali) + b,
                           std::string(teks_hasil_pecahan) + jawaban});
    } else if (ke == 10) {
        harapan.push_back({std::string(judul_bobot), std::string(teks_jumlah) + jawaban});
    } else {
        if (dari != 2) {
            // The bits: each digit of the number as 3 or 4, without zeros before and after.
            const unsigned lebar = dari == 8 ? 3 : 4;
            const std::size_t koma = bilangan.find(',');
            std::string bit = digit(std::stoul(std::string(bilangan.substr(0, koma)), nullptr,
                                               static_cast<int>(dari)),
                                    2) +
                              ",";
            for (const char c : bilangan.substr(koma + 1)) {
                bit += digit(std::stoul(std::string(1, c), nullptr, 16), 2, lebar);
            }
            bit.erase(bit.find_last_not_of('0') + 1);
            harapan.push_back({std::string(dari == 8 ? judul_urai_oktal : judul_urai_heksa),
                               std::string(teks_tanpa_nol_pecahan) + bit});
        }
        if (ke != 2) {
            harapan.push_back(
                {std::string(ke == 8 ? judul_kelompok_pecahan_oktal : judul_kelompok_pecahan_heksa),
                 std::string(teks_dibaca_kiri) + jawaban});
        }
    }
    if (langkah.size() != harapan.size()) {
        return false;
    }
    for (std::size_t i = 0; i < langkah.size(); ++i) {
        if (langkah[i].judul != harapan[i].judul || langkah[i].baris.empty() ||
            langkah[i].baris.back() != harapan[i].akhir) {
            return false;
        }
    }
    return true;
}

unsigned basis_bernama(std::string_view teks) {
    for (const unsigned basis : {2U, 8U, 10U, 16U}) {
        if (teks == nama(basis)) {
            return basis;
        }
    }
    return 0;
}

// The sections after the line that ends at ujung, each an empty line, a title and its lines,
// up to the next question or the score; ujung is left at the end of the last. Empty when
// they are not so.
std::vector<Bagian> baca_bagian(const std::string &out, std::size_t &ujung) {
    std::vector<Bagian> langkah;
    while (out.compare(ujung, 7, "\n\nSoal ") != 0 && out.compare(ujung, 8, "\n\nBenar ") != 0) {
        const std::size_t judul = ujung + 2;
        if (out.compare(ujung, 2, "\n\n") != 0 || out.find('\n', judul) == std::string::npos) {
            return {};
        }
        ujung = out.find('\n', judul);
        langkah.push_back({std::string_view(out).substr(judul, ujung - judul), {}});
        for (std::size_t berikut = out.find('\n', ujung + 1);
             berikut != std::string::npos && berikut > ujung + 1;
             berikut = out.find('\n', ujung + 1)) {
            langkah.back().baris.push_back(
                std::string_view(out).substr(ujung + 1, berikut - ujung - 1));
            ujung = berikut;
        }
    }
    return langkah;
}

// Whether the sections are an operation's working: one section, titled by the operation in
// the question's base, that ends with the right answer. tugas is the question after
// "Hitung ", "oktal 155 - 76 = ".
bool langkah_hitung_sah(const std::vector<Bagian> &langkah, std::string_view tugas,
                        const std::string &jawaban) {
    const std::string_view basis = tugas.substr(0, tugas.find(' '));
    const char operasi = tugas[tugas.find(' ', basis.size() + 1) + 1];
    const std::string judul = operasi == '+'   ? "Penjumlahan "
                              : operasi == '-' ? "Pengurangan "
                              : operasi == 'x' ? "Perkalian "
                                               : "Pembagian ";
    return langkah.size() == 1 &&
           langkah[0].judul.rfind(judul + std::string(basis) + ": ", 0) == 0 &&
           !langkah[0].baris.empty() && langkah[0].baris.back() == "Hasil: " + jawaban;
}

// Takes out the sections that follow each wrong answer; false when they are not its working.
// With pecahan the questions are of fractions.
bool buang_langkah(std::string &out, bool pecahan) {
    const std::string salah = "Salah. Jawaban yang benar: ";
    for (std::size_t awal = out.find(salah); awal != std::string::npos;
         awal = out.find(salah, awal + 1)) {
        const std::size_t akhir_baris = out.find('\n', awal);
        const std::string jawaban =
            out.substr(awal + salah.size(), akhir_baris - awal - salah.size());
        std::size_t ujung = akhir_baris;
        const std::vector<Bagian> langkah = baca_bagian(out, ujung);
        // The question: "Hitung <base> <a> <op> <b> = ", or "Ubah <from> <numeral> ke <to> : ".
        const std::size_t soal_ini = out.rfind("\nSoal ", awal);
        const std::size_t hitung = out.rfind("\nHitung ", awal);
        if (hitung != std::string::npos && hitung > soal_ini) {
            if (!langkah_hitung_sah(langkah,
                                    std::string_view(out).substr(hitung + 8, awal - hitung - 8),
                                    jawaban)) {
                return false;
            }
            out.erase(akhir_baris, ujung - akhir_baris);
            continue;
        }
        const std::size_t ubah = out.rfind("\nUbah ", awal) + 6;
        std::string_view soal = std::string_view(out).substr(ubah, awal - ubah);
        const std::size_t spasi = soal.find(' ');
        const std::size_t numeral = spasi + 1;
        const std::size_t ke_awal = soal.find(" ke ") + 4;
        const unsigned dari = basis_bernama(soal.substr(0, spasi));
        const unsigned ke = basis_bernama(soal.substr(ke_awal, soal.size() - 3 - ke_awal));
        if (dari == 0 || ke == 0) {
            return false;
        }
        if (pecahan) {
            if (!langkah_pecahan_sah(langkah, dari, ke, soal.substr(numeral, ke_awal - 4 - numeral),
                                     jawaban)) {
                return false;
            }
            out.erase(akhir_baris, ujung - akhir_baris);
            continue;
        }
        const auto nilai = static_cast<std::uint32_t>(
            std::stoul(std::string(soal.substr(numeral, ke_awal - 4 - numeral)), nullptr,
                       static_cast<int>(dari)));
        if (!langkah_sah(langkah, dari, ke, jawaban, digit(nilai, 2))) {
            return false;
        }
        out.erase(akhir_baris, ujung - akhir_baris);
    }
    return true;
}

} // namespace

// The first 8 bytes are the seed; of the ninth, the low four bits are the number of questions
// less one (up to 16, so that rounds end and start often), the next bit the level less one,
// the next whether the questions are of operations and the next, when they are not, whether
// they are of fractions; the rest is what is typed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    constexpr std::size_t kepala = 9;
    if (size < kepala) {
        return 0;
    }
    std::uint64_t benih = 0;
    std::memcpy(&benih, data, sizeof benih);
    const int banyak = 1 + data[8] % 16;
    const int tingkat = 1 + data[8] / 16 % 2;
    const bool hitung = data[8] / 32 % 2 != 0;
    const bool pecahan = !hitung && data[8] / 64 % 2 != 0;
    const std::string_view masukan(reinterpret_cast<const char *>(data) + kepala, size - kepala);
    start_console(masukan);
    int status = -1;
    try {
        if (hitung) {
            latihan<SoalHitung>(benih, banyak, tingkat);
        }
        if (pecahan) {
            latihan<SoalPecahan>(benih, banyak, tingkat);
        }
        latihan<SoalKonversi>(benih, banyak, tingkat);
    } catch (const Akhir &akhir) {
        status = akhir.status;
    }
    std::string out = console_output();
    if (status != 0 || !console_errors().empty()) {
        std::fprintf(stderr, "ended with status %d:\n%s\n", status, console_errors().c_str());
        std::abort();
    }
    if (!buang_langkah(out, pecahan)) {
        std::fprintf(stderr, "a wrong answer is not explained by its working:\n%s\n",
                     console_output().c_str());
        std::abort();
    }
    if (out != model(masukan, benih, banyak, tingkat, hitung, pecahan)) {
        std::fprintf(stderr, "the round is not as the model writes it:\n%s\n--- model:\n%s\n",
                     out.c_str(), model(masukan, benih, banyak, tingkat, hitung, pecahan).c_str());
        std::abort();
    }
    return 0;
}
