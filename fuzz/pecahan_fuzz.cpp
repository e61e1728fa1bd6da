// The fractions' dialogue (--pecahan) fed an arbitrary byte stream as standard input, against a
// plain model of its rules: the menu of bases, each answer line taken as a number with an
// optional fraction part, its first fault named, or its value in the three other bases, and
// "try again?". The model's values are exact by arithmetic of its own: bits regrouped between
// binary, octal and hexadecimal; a binary fraction m / 2^e in decimal as the e digits of
// m 5^e; a decimal fraction d / 10^k in base t cut to 12 digits as d t^12 / 10^k in 128 bits,
// which ends where that division leaves nothing. The first byte, when odd, asks for the
// working, which the model writes too, every section line by line from the same values. The
// run must be the model's byte for byte and end by itself at end of input with status 0.
#include "ending.h"
#include "memory_console.h"
#include "sections.h"

#include "console/console.h"
#include "dialogue/menu.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using u64 = std::uint64_t;
__extension__ typedef unsigned __int128 u128;

std::string nama(unsigned basis) {
    return basis == 2 ? "biner" : basis == 8 ? "oktal" : basis == 10 ? "desimal" : "heksadesimal";
}

std::string label(unsigned basis) {
    return basis == 2    ? "Hasil biner        : "
           : basis == 8  ? "Hasil oktal        : "
           : basis == 10 ? "Hasil desimal      : "
                         : "Hasil heksadesimal : ";
}

// The bits that one digit of basis 2, 8 or 16 stands for.
unsigned lebar_bit(unsigned basis) {
    return basis == 2 ? 1 : basis == 8 ? 3 : 4;
}

// The value of a byte as a digit of any base up to 36, or 99 for any other byte.
unsigned nilai(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<unsigned>(c - '0');
    }
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
        return static_cast<unsigned>((c | 0x20) - 'a' + 10);
    }
    return 99;
}

void buang_nol_belakang(std::string &teks) {
    teks.erase(teks.find_last_not_of('0') + 1);
}

// A number taken: its whole part, the base it was typed in, and its fraction's digits in
// capitals, without the zeros at their end.
struct Angka {
    u64 bulat;
    unsigned basis;
    std::string pecahan;
};

// The fraction's digits in ke without the zeros at their end, or, where it does not end in ke
// (berakhir false), its first 12.
std::string pecahan_di(const Angka &a, unsigned ke, bool &berakhir) {
    berakhir = true;
    if (a.pecahan.empty() || ke == a.basis) {
        return a.pecahan;
    }
    if (a.basis == 10) {
        u64 penyebut = 1;
        for (std::size_t i = 0; i < a.pecahan.size(); ++i) {
            penyebut *= 10;
        }
        u128 x = std::stoull(a.pecahan);
        for (int i = 0; i < 12; ++i) {
            x *= ke;
        }
        berakhir = x % penyebut == 0;
        std::string hasil = digit(static_cast<u64>(x / penyebut), ke, 12);
        if (berakhir) {
            buang_nol_belakang(hasil);
        }
        return hasil;
    }
    std::string bit;
    for (const char c : a.pecahan) {
        bit += digit(nilai(c), 2, lebar_bit(a.basis));
    }
    buang_nol_belakang(bit);
    return pecahan_biner(std::stoull(bit, nullptr, 2), static_cast<unsigned>(bit.size()), ke);
}

// a in ke as a result line writes it.
std::string tulis(const Angka &a, unsigned ke) {
    bool berakhir = true;
    const std::string pecahan = pecahan_di(a, ke, berakhir);
    return digit(a.bulat, ke) + (pecahan.empty() ? "" : "," + pecahan) + (berakhir ? "" : "...");
}

// A digit as a weighting line writes it: "F(15)".
std::string digit_bernilai(unsigned n) {
    return digit(n, 16) + (n >= 10 ? "(" + std::to_string(n) + ")" : "");
}

// A remainder or a whole part taken as a digit, with its digit when it is 10 or more: " (F)".
std::string huruf_sisa(u64 n) {
    return n >= 10 ? " (" + digit(n, 16) + ")" : "";
}

// The divisions of w by t until nothing is left, each dividend right-aligned to w's width,
// and the remainders read back.
std::string bagi(u64 w, unsigned t) {
    const std::size_t lebar = std::to_string(w).size();
    std::string out;
    for (u64 sisa = w;; sisa /= t) {
        const std::string teks = std::to_string(sisa);
        out += std::string(lebar - teks.size(), ' ') + teks + " : " + std::to_string(t) + " = " +
               std::to_string(sisa / t) + " sisa " + std::to_string(sisa % t) +
               huruf_sisa(sisa % t) + "\n";
        if (sisa / t == 0) {
            break;
        }
    }
    return out + "Sisa dibaca dari bawah ke atas: " + digit(w, t) + "\n";
}

// The multiplications of a decimal fraction by t, one line a digit, "0,625 x 2 = 1,25 -> 1",
// up to 12, then whether it was cut.
std::string kali(const Angka &a, unsigned t) {
    const std::size_t k = a.pecahan.size();
    u64 penyebut = 1;
    for (std::size_t i = 0; i < k; ++i) {
        penyebut *= 10;
    }
    const auto desimal = [&](u64 r) {
        std::string teks = digit(r, 10, k);
        buang_nol_belakang(teks);
        return teks;
    };
    std::string out;
    u64 p = std::stoull(a.pecahan);
    for (int i = 0; i < 12 && p != 0; ++i) {
        const u64 x = p * t;
        const u64 d = x / penyebut;
        out += "0," + desimal(p) + " x " + std::to_string(t) + " = " + std::to_string(d) + "," +
               (x % penyebut == 0 ? "0" : desimal(x % penyebut)) + " -> " + std::to_string(d) +
               huruf_sisa(d) + "\n";
        p = x % penyebut;
    }
    return out + (p != 0 ? "Tidak berakhir: dipotong setelah 12 angka\n" : "");
}

// The weighting of a number typed in basis 2, 8 or 16: each digit times its weight, those of
// the fraction by negative powers, exactly in decimal; then the sum.
std::string bobot(const Angka &a) {
    const unsigned b = a.basis;
    const std::string bulat = digit(a.bulat, b);
    std::string out = "\nKe desimal: kalikan digit dengan bobotnya\n";
    for (std::size_t i = 0; i < bulat.size(); ++i) {
        const std::size_t pangkat = bulat.size() - 1 - i;
        u64 berat = 1;
        for (std::size_t j = 0; j < pangkat; ++j) {
            berat *= b;
        }
        const unsigned n = nilai(bulat[i]);
        out += digit_bernilai(n) + " x " + std::to_string(b) + "^" + std::to_string(pangkat) +
               " = " + std::to_string(n * berat) + "\n";
    }
    for (std::size_t j = 1; j <= a.pecahan.size(); ++j) {
        const unsigned n = nilai(a.pecahan[j - 1]);
        out +=
            digit_bernilai(n) + " x " + std::to_string(b) + "^-" + std::to_string(j) + " = " +
            (n == 0 ? "0" : "0," + pecahan_biner(n, static_cast<unsigned>(j * lebar_bit(b)), 10)) +
            "\n";
    }
    return out + "Jumlah: " + tulis(a, 10) + "\n";
}

// A row of an expansion or a grouping in basis 8 or 16: the whole part's digits, and where
// there is a fraction a group "," and its digits, each digit as its bits (bit) or
// right-aligned as wide, one blank between.
std::string deret(std::string_view bulat, std::string_view pecahan, unsigned basis, bool bit) {
    const unsigned s = lebar_bit(basis);
    const auto satu = [&](std::string_view digits) {
        std::string out;
        for (const char c : digits) {
            out += (out.empty() ? "" : " ") +
                   (bit ? digit(nilai(c), 2, s) : std::string(s - 1, ' ') + c);
        }
        return out;
    };
    return satu(bulat) + (pecahan.empty() ? "" : " , " + satu(pecahan)) + "\n";
}

// The working after the result lines of a: from decimal a section for each other base; else
// the weighting, the expansion into bits from octal or hexadecimal, and the grouping into each
// of octal and hexadecimal that is left.
std::string langkah(const Angka &a) {
    std::string out;
    const bool pecahan = !a.pecahan.empty();
    bool berakhir = true;
    if (a.basis == 10) {
        for (const unsigned t : {2U, 8U, 16U}) {
            const std::string b = std::to_string(t);
            if (!pecahan) {
                out += "\nKe " + nama(t) + ": bagi dengan " + b + " berulang kali\n" +
                       bagi(a.bulat, t);
                continue;
            }
            out +=
                "\nKe " + nama(t) + ": bagian bulat dibagi " + b + ", bagian pecahan dikali " + b +
                "\n" + bagi(a.bulat, t) + kali(a, t) +
                "Bagian bulat hasil kali dibaca dari atas ke bawah: " + pecahan_di(a, t, berakhir) +
                "\nHasil: " + tulis(a, t) + "\n";
        }
        return out;
    }
    out += bobot(a);
    if (a.basis != 2) {
        const std::string bulat = digit(a.bulat, a.basis);
        out += "\nKe biner: ganti tiap digit dengan " + std::to_string(lebar_bit(a.basis)) +
               " bit\n" + deret(bulat, a.pecahan, a.basis, false) +
               deret(bulat, a.pecahan, a.basis, true) +
               (pecahan ? "Tanpa nol di depan dan di belakang: " : "Tanpa nol di depan: ") +
               tulis(a, 2) + "\n";
    }
    for (const unsigned ke : {8U, 16U}) {
        if (ke == a.basis) {
            continue;
        }
        const std::string bulat = digit(a.bulat, ke);
        const std::string digits = pecahan_di(a, ke, berakhir);
        out += "\nKe " + nama(ke) + ": kelompokkan " + std::to_string(lebar_bit(ke)) +
               (pecahan ? " bit ke kiri dan ke kanan dari koma\n" : " bit dari kanan\n") +
               deret(bulat, digits, ke, true) + deret(bulat, digits, ke, false) +
               "Digit dibaca dari kiri ke kanan: " + tulis(a, ke) + "\n";
    }
    return out;
}

// The model's answer to one answer line in basis: its first fault's line, or its result lines
// and, with the working, the working.
std::string jawab(std::string_view baris, unsigned basis, bool dengan_langkah) {
    constexpr std::string_view kosong = " \t\r\v\f";
    baris.remove_prefix(std::min(baris.size(), baris.find_first_not_of(kosong)));
    baris = baris.substr(0, baris.find_last_not_of(kosong) + 1);
    const std::size_t koma = baris.find_first_of(",.");
    const std::string_view bulat = baris.substr(0, koma);
    const std::string_view pecahan =
        koma == std::string_view::npos ? std::string_view() : baris.substr(koma + 1);
    const auto huruf_digit = [](std::string_view teks) {
        return !teks.empty() &&
               std::all_of(teks.begin(), teks.end(), [](char c) { return nilai(c) < 36; });
    };
    if (!huruf_digit(bulat) || (koma != std::string_view::npos && !huruf_digit(pecahan))) {
        const std::string contoh = basis == 2    ? "1010,101"
                                   : basis == 8  ? "12,5"
                                   : basis == 10 ? "10,625"
                                                 : "A,A";
        return "Tulis bilangan seperti " + contoh + "\n";
    }
    const std::string kutip =
        std::string(baris.substr(0, 40)) + (baris.size() > 40 ? "..." : "") + "\n";
    if (std::any_of(baris.begin(), baris.end(),
                    [&](char c) { return nilai(c) >= basis && nilai(c) < 36; })) {
        return "Bukan bilangan " + nama(basis) + ": " + kutip;
    }
    Angka a{0, basis, {}};
    for (const char c : bulat) {
        a.bulat = std::min<u64>(a.bulat * basis + nilai(c), u64{1} << 33);
    }
    if (a.bulat > 0xFFFFFFFFU) {
        return "Lebih dari 32 bit: " + kutip;
    }
    for (const char c : pecahan) {
        a.pecahan += digit(nilai(c), 16);
    }
    buang_nol_belakang(a.pecahan);
    const std::size_t batas = basis == 2 ? 48 : basis == 8 ? 16 : 12;
    if (a.pecahan.size() > batas) {
        return "Lebih dari " + std::to_string(batas) + " angka di belakang koma: " + kutip;
    }
    std::string out;
    for (const unsigned ke : {10U, 2U, 8U, 16U}) {
        if (ke != basis) {
            out += label(ke) + tulis(a, ke) + "\n";
        }
    }
    return dengan_langkah ? out + langkah(a) : out;
}

// What the dialogue writes for masukan.
std::string model(std::string_view masukan, bool dengan_langkah) {
    const std::string garis(45, '=');
    const std::string banner = "Program Tavirel: Bilangan Pecahan\n" + garis +
                               "\nA = Desimal ke Biner, Oktal, Heksadesimal "
                               "\nB = Biner ke Desimal, Oktal, Heksadesimal "
                               "\nC = Oktal ke Desimal, Biner, Heksadesimal "
                               "\nD = Heksadesimal ke Desimal, Biner, Oktal \n" +
                               garis + "\n\n";
    const std::string salah = "Kode yang Anda masukkan salah!!\n\n";
    constexpr unsigned basis_pilihan[] = {10, 2, 8, 16};
    std::string out = banner;
    std::size_t i = 0;
    const auto jawaban = [&](std::string_view prompt) {
        out += prompt;
        while (i < masukan.size() && spasi(static_cast<unsigned char>(masukan[i]))) {
            ++i;
        }
        if (i == masukan.size()) {
            out += "\n";
        }
        return i < masukan.size();
    };
    for (;;) {
        if (!jawaban("Masukkan Pilihan : ")) {
            return out;
        }
        const std::size_t pilih = std::string_view("AaBbCcDd").find(masukan[i++]);
        out += "\n";
        if (pilih == std::string_view::npos) {
            out += salah + banner;
            continue;
        }
        const unsigned basis = basis_pilihan[pilih / 2];
        for (std::string tanggapan; tanggapan.rfind("Hasil", 0) != 0;) {
            if (!jawaban("Masukkan bilangan " + nama(basis) + " : ")) {
                return out;
            }
            const std::size_t akhir = std::min(masukan.find('\n', i), masukan.size());
            tanggapan = jawab(masukan.substr(i, akhir - i), basis, dengan_langkah);
            out += tanggapan;
            i = std::min(akhir + 1, masukan.size());
        }
        for (;;) {
            if (!jawaban("\nIngin coba lagi (Y/N) ? ")) {
                return out;
            }
            const char c = masukan[i++];
            if (c == 'N' || c == 'n') {
                return out;
            }
            if (c == 'Y' || c == 'y') {
                out += banner;
                break;
            }
            out += salah;
        }
    }
}

std::string jalankan(std::string_view masukan, bool dengan_langkah) {
    start_console(masukan);
    int status = -1;
    try {
        menu_pecahan(dengan_langkah);
    } catch (const Akhir &akhir) {
        status = akhir.status;
    }
    if (status != 0 || !console_errors().empty()) {
        std::fprintf(stderr, "ended with status %d:\n%s\n", status, console_errors().c_str());
        std::abort();
    }
    return console_output();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool dengan_langkah = (data[0] & 1U) != 0;
    const std::string_view masukan(reinterpret_cast<const char *>(data) + 1, size - 1);
    const std::string out = jalankan(masukan, dengan_langkah);
    const std::string harapan = model(masukan, dengan_langkah);
    if (out != harapan) {
        const auto beda = std::mismatch(out.begin(), out.end(), harapan.begin(), harapan.end());
        std::fprintf(stderr,
                     "the dialogue is not as the model writes it, from byte %zu:\n%s\n"
                     "--- model:\n%s\n",
                     static_cast<std::size_t>(beda.first - out.begin()), out.c_str(),
                     harapan.c_str());
        std::abort();
    }
    return 0;
}
