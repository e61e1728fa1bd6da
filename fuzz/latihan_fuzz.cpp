// The practice round fed an arbitrary seed, level, number of questions and byte stream as
// answers, against a plain model of its rules: the questions that SplitMix64 draws at that
// level, each answer word judged by comparing its digits with the right answer's, the score,
// and "try again?". With each wrong answer's working taken out, the round must write exactly
// what the model writes, and end by itself at end of input with status 0. The working must be
// the sections that explain the question's direction, each reading back the right answer or
// its bits.
#include "ending.h"
#include "memory_console.h"
#include "sections.h"

#include "console/console.h"
#include "conversion/texts.h"
#include "dialogue/latihan.h"

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

// A word is right when, after a "0x" or "0X" in hexadecimal, it is digits of the base whose
// leading zeros dropped, in capitals, are the right answer.
bool benar(std::string kata, unsigned basis, std::uint32_t nilai) {
    if (basis == 16 && (kata.rfind("0x", 0) == 0 || kata.rfind("0X", 0) == 0)) {
        kata.erase(0, 2);
    }
    for (char &c : kata) {
        c = static_cast<char>(c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c);
        const char *d = std::strchr("0123456789ABCDEF", c);
        if (c == '\0' || d == nullptr || static_cast<unsigned>(d - "0123456789ABCDEF") >= basis) {
            return false;
        }
    }
    kata.erase(0, kata.find_first_not_of('0'));
    return kata == digit(nilai, basis);
}

// What the round writes for these answers, without the working.
std::string model(std::string_view masukan, std::uint64_t benih, int banyak, int tingkat) {
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
        out += "Program Tavirel: Latihan\n" + garis + "\n" + n + " soal, benih " +
               std::to_string(benih) + (tingkat == 2 ? ", tingkat 2" : "") + "\n" + garis + "\n";
        std::uint64_t s = benih;
        int skor = 0;
        for (int nomor = 1; nomor <= banyak; ++nomor) {
            const std::uint64_t arah = splitmix64(s) % 12;
            const std::uint64_t d = splitmix64(s);
            const auto nilai =
                static_cast<std::uint32_t>(tingkat == 2 ? 256 + d % 65280 : 1 + d % 255);
            out += "\nSoal " + std::to_string(nomor) + " dari " + n + "\nUbah ";
            out += std::string(nama(dari[arah])) + " " + digit(nilai, dari[arah]) + " ke " +
                   std::string(nama(ke[arah])) + " : ";
            if (!jawaban()) {
                return out;
            }
            const std::size_t awal = i;
            while (i < masukan.size() && !spasi(static_cast<unsigned char>(masukan[i]))) {
                ++i;
            }
            if (benar(std::string(masukan.substr(awal, i - awal)), ke[arah], nilai)) {
                out += "Benar!\n";
                ++skor;
            } else {
                out += "Salah. Jawaban yang benar: " + digit(nilai, ke[arah]) + "\n";
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

unsigned basis_bernama(std::string_view teks) {
    for (const unsigned basis : {2U, 8U, 10U, 16U}) {
        if (teks == nama(basis)) {
            return basis;
        }
    }
    return 0;
}

// Takes out the sections that follow each wrong answer; false when they are not its working.
bool buang_langkah(std::string &out) {
    const std::string salah = "Salah. Jawaban yang benar: ";
    for (std::size_t awal = out.find(salah); awal != std::string::npos;
         awal = out.find(salah, awal + 1)) {
        // The question, "Ubah <from> <numeral> ke <to> : ", then the right answer.
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
        const auto nilai = static_cast<std::uint32_t>(
            std::stoul(std::string(soal.substr(numeral, ke_awal - 4 - numeral)), nullptr,
                       static_cast<int>(dari)));
        const std::size_t akhir_baris = out.find('\n', awal);
        const std::string jawaban =
            out.substr(awal + salah.size(), akhir_baris - awal - salah.size());
        // The sections, each an empty line, a title and its lines, up to the next question or
        // the score.
        std::vector<Bagian> langkah;
        std::size_t ujung = akhir_baris;
        while (out.compare(ujung, 7, "\n\nSoal ") != 0 &&
               out.compare(ujung, 8, "\n\nBenar ") != 0) {
            const std::size_t judul = ujung + 2;
            if (out.compare(ujung, 2, "\n\n") != 0 || out.find('\n', judul) == std::string::npos) {
                return false;
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
        if (!langkah_sah(langkah, dari, ke, jawaban, digit(nilai, 2))) {
            return false;
        }
        out.erase(akhir_baris, ujung - akhir_baris);
    }
    return true;
}

} // namespace

// The first 8 bytes are the seed; of the ninth, the low four bits are the number of questions
// less one (up to 16, so that rounds end and start often) and the next bit the level less one;
// the rest is what is typed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    constexpr std::size_t kepala = 9;
    if (size < kepala) {
        return 0;
    }
    std::uint64_t benih = 0;
    std::memcpy(&benih, data, sizeof benih);
    const int banyak = 1 + data[8] % 16;
    const int tingkat = 1 + data[8] / 16 % 2;
    const std::string_view masukan(reinterpret_cast<const char *>(data) + kepala, size - kepala);
    start_console(masukan);
    int status = -1;
    try {
        latihan(benih, banyak, tingkat, false);
    } catch (const Akhir &akhir) {
        status = akhir.status;
    }
    std::string out = console_output();
    if (status != 0 || !console_errors().empty()) {
        std::fprintf(stderr, "ended with status %d:\n%s\n", status, console_errors().c_str());
        std::abort();
    }
    if (!buang_langkah(out)) {
        std::fprintf(stderr, "a wrong answer is not explained by its working:\n%s\n",
                     console_output().c_str());
        std::abort();
    }
    if (out != model(masukan, benih, banyak, tingkat)) {
        std::fprintf(stderr, "the round is not as the model writes it:\n%s\n--- model:\n%s\n",
                     out.c_str(), model(masukan, benih, banyak, tingkat).c_str());
        std::abort();
    }
    return 0;
}
