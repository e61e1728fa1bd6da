// The operations' dialogue (--hitung) fed an arbitrary byte stream as standard input, against a
// plain model of its rules: the menu of bases, each soal line cut into a number, an operation
// and a number, its first fault named, or its exact result in all four bases, and "try
// again?". It must end by itself at end of input with status 0. The first byte, when odd,
// asks for the working: then each result is followed by a section that the rules of written
// sums and of long division check against the soal, and without it the run is the model's.
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
#include <vector>

namespace {

using u64 = std::uint64_t;

std::string nama(unsigned basis) {
    return basis == 2 ? "biner" : basis == 8 ? "oktal" : basis == 10 ? "desimal" : "heksadesimal";
}

// A soal answered, and the text of its result in its base as the first result line has it.
struct Soal {
    unsigned basis;
    u64 a;
    char operasi;
    u64 b;
    std::string hasil;
};

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

// The model's answer to one soal line in basis: the fault's line, or the result lines, with
// the soal kept in soal.
std::string jawab(std::string_view baris, unsigned basis, std::vector<Soal> &soal) {
    std::vector<std::string> potongan;
    bool angka_lanjut = false;
    bool salah = false;
    for (const char c : baris) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f') {
            angka_lanjut = false;
        } else if (nilai(c) < 36 && c != 'x' && c != 'X') {
            if (!angka_lanjut) {
                potongan.emplace_back();
            }
            potongan.back() += c;
            angka_lanjut = true;
        } else if (std::string_view("+-xX*:/").find(c) != std::string_view::npos) {
            potongan.emplace_back(1, c);
            angka_lanjut = false;
        } else {
            salah = true;
        }
    }
    const auto operasi = [](const std::string &p) {
        return p.size() == 1 && std::string_view("+-xX*:/").find(p[0]) != std::string_view::npos;
    };
    if (salah || potongan.size() != 3 || operasi(potongan[0]) || !operasi(potongan[1]) ||
        operasi(potongan[2])) {
        return "Tulis soal seperti " + digit(11, basis) + " + " + digit(6, basis) +
               " (operasi: + - x :)\n";
    }
    u64 n[2];
    for (int i = 0; i < 2; ++i) {
        const std::string &p = potongan[i * 2];
        const std::string kutip = p.size() > 40 ? p.substr(0, 40) + "..." : p;
        n[i] = 0;
        bool besar = false;
        for (const char c : p) {
            if (nilai(c) >= basis) {
                return "Bukan bilangan " + nama(basis) + ": " + kutip + "\n";
            }
            n[i] = n[i] * basis + nilai(c);
            besar = besar || n[i] > 0xFFFFFFFFU;
            n[i] = std::min<u64>(n[i], u64{1} << 33);
        }
        if (besar) {
            return "Lebih dari 32 bit: " + kutip + "\n";
        }
    }
    const char op = potongan[1] == "+"                         ? '+'
                    : potongan[1] == "-"                       ? '-'
                    : potongan[1] == ":" || potongan[1] == "/" ? ':'
                                                               : 'x';
    if (op == ':' && n[1] == 0) {
        return "Tidak bisa dibagi nol.\n";
    }
    std::string out;
    for (const unsigned b : {basis, 10U, 2U, 8U, 16U}) {
        if (b == basis && !out.empty()) {
            continue;
        }
        std::string hasil;
        switch (op) {
        case '+':
            hasil = digit(n[0] + n[1], b);
            break;
        case '-':
            hasil = n[0] < n[1] ? "-" + digit(n[1] - n[0], b) : digit(n[0] - n[1], b);
            break;
        case 'x':
            hasil = digit(n[0] * n[1], b);
            break;
        default:
            hasil =
                digit(n[0] / n[1], b) + (n[0] % n[1] != 0 ? " sisa " + digit(n[0] % n[1], b) : "");
        }
        if (out.empty()) {
            soal.push_back({basis, n[0], op, n[1], hasil});
        }
        const std::string label = b == 2    ? "biner       "
                                  : b == 8  ? "oktal       "
                                  : b == 10 ? "desimal     "
                                            : "heksadesimal";
        out += "Hasil " + label + " : " + hasil + "\n";
    }
    return out;
}

// What the dialogue writes for masukan, without the working, each soal answered kept in soal
// and its place, where the working goes, marked with a byte the dialogue never writes.
constexpr char tempat_langkah = '\x01';
constexpr unsigned basis_pilihan[] = {10, 2, 8, 16};
std::string model(std::string_view masukan, std::vector<Soal> &soal) {
    const std::string garis(45, '=');
    const std::string banner = "Program Tavirel: Operasi Hitung\n" + garis +
                               "\nA = Desimal\nB = Biner\nC = Oktal\nD = Heksadesimal\n" + garis +
                               "\n\n";
    const std::string salah = "Kode yang Anda masukkan salah!!\n\n";
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
        for (std::string tanggapan; tanggapan.empty() || tanggapan.rfind("Hasil", 0) != 0;) {
            if (!jawaban("Masukkan soal " + nama(basis) + " : ")) {
                return out;
            }
            const std::size_t akhir = std::min(masukan.find('\n', i), masukan.size());
            tanggapan = jawab(masukan.substr(i, akhir - i), basis, soal);
            out += tanggapan;
            i = std::min(akhir + 1, masukan.size());
        }
        out += tempat_langkah;
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

std::vector<std::string> baris_dari(std::string_view teks) {
    std::vector<std::string> baris;
    while (!teks.empty()) {
        const std::size_t akhir = teks.find('\n');
        baris.emplace_back(teks.substr(0, akhir));
        teks.remove_prefix(std::min(teks.size(), akhir + 1));
    }
    return baris;
}

// n's numeral in basis right-aligned to lebar.
std::string rata(u64 n, unsigned basis, std::size_t lebar) {
    const std::string teks = digit(n, basis);
    return std::string(lebar - std::min(lebar, teks.size()), ' ') + teks;
}

// The column lines of an addition or a subtraction of k from t: one for each column of the
// bottom row, each with that column's digit written and its sum or difference right; a column
// is marked when a carry comes into it or it lends.
bool kolom_sah(const std::vector<std::string> &baris, std::size_t awal, const std::string &tanda,
               const std::string &bawah, const Soal &s, u64 t, u64 k) {
    const std::size_t lebar = bawah.size();
    if (baris.size() != awal + lebar + 1 || tanda.size() > lebar) {
        return false;
    }
    const bool tambah = s.operasi == '+';
    const int basis = static_cast<int>(s.basis);
    bool masuk = false;
    for (std::size_t kolom = 1; kolom <= lebar; ++kolom, t /= s.basis, k /= s.basis) {
        const std::string &b = baris[awal + kolom - 1];
        const int dt = static_cast<int>(t % s.basis);
        const int dk = static_cast<int>(k % s.basis);
        const int nilai_kolom = tambah ? dt + dk + masuk : dt - dk - masuk;
        const bool keluar = tambah ? nilai_kolom >= basis : nilai_kolom < 0;
        // The sum after the first " = "; the difference, borrowed into, after the last.
        const std::string nilai_teks =
            std::to_string(tambah ? nilai_kolom : nilai_kolom + (keluar ? basis : 0)) + ",";
        const std::size_t sama = tambah ? b.find(" = ") : b.rfind(" = ");
        const bool ditandai = lebar - kolom < tanda.size() && tanda[lebar - kolom] == '1';
        if (b.rfind("Kolom " + std::to_string(kolom) + ": ", 0) != 0 || sama == std::string::npos ||
            b.compare(sama + 3, nilai_teks.size(), nilai_teks) != 0 ||
            b.substr(b.rfind(", tulis ") + 8, 1) != bawah.substr(lebar - kolom, 1) ||
            (b.find(tambah ? " simpan 1" : " tidak cukup") != std::string::npos) != keluar ||
            (b.find(tambah ? "1 (simpanan)" : "1 (dipinjam)") != std::string::npos) != masuk ||
            ditandai != masuk) {
            return false;
        }
        masuk = keluar;
    }
    return true;
}

// Whether section, with its opening empty line taken off, is the working of s.
bool langkah_sah(std::string_view section, const Soal &s) {
    const std::vector<std::string> baris = baris_dari(section);
    const std::string judul = s.operasi == '+'   ? "Penjumlahan "
                              : s.operasi == '-' ? "Pengurangan "
                              : s.operasi == 'x' ? "Perkalian "
                                                 : "Pembagian ";
    const std::string cara = s.operasi == '+'   ? ": jumlahkan tiap kolom dari kanan"
                             : s.operasi == '-' ? ": kurangkan tiap kolom dari kanan"
                             : s.operasi == 'x'
                                 ? ": kalikan dengan tiap digit pengali dari kanan, lalu jumlahkan"
                                 : ": bagi bersusun, digit demi digit dari kiri";
    if (baris.size() < 3 || baris[0] != judul + nama(s.basis) + cara ||
        baris.back() != "Hasil: " + s.hasil) {
        return false;
    }
    const std::string a = digit(s.a, s.basis);
    const std::string b = digit(s.b, s.basis);
    if (s.operasi == ':') {
        // Each step "p : b = q sisa r", p = q b + r with q a digit; the first p is the shortest
        // beginning of a that is at least b, or a whole; each next p is r and a's next digit.
        std::size_t diambil = 1;
        while (diambil < a.size() &&
               std::stoull(a.substr(0, diambil), nullptr, static_cast<int>(s.basis)) < s.b) {
            ++diambil;
        }
        if (baris.size() != 2 + a.size() - diambil + 1) {
            return false;
        }
        u64 p = std::stoull(a.substr(0, diambil), nullptr, static_cast<int>(s.basis));
        for (std::size_t j = 1; j + 1 < baris.size(); ++j, ++diambil) {
            if (baris[j] != digit(p, s.basis) + " : " + b + " = " + digit(p / s.b, s.basis) +
                                " sisa " + digit(p % s.b, s.basis) ||
                p / s.b >= s.basis) {
                return false;
            }
            if (diambil < a.size()) {
                p = p % s.b * s.basis + nilai(a[diambil]);
            }
        }
        return true;
    }
    // A written sum: a subtraction whose second number is larger says so and works the other
    // way round; the marks, if any; the two numbers right-aligned to the rule's width, the
    // second with its sign.
    std::size_t j = 1;
    u64 t = s.a;
    u64 k = s.b;
    if (s.operasi == '-' && s.a < s.b) {
        if (baris[j++] !=
            "Bilangan kedua lebih besar: hitung " + b + " - " + a + ", lalu beri tanda minus") {
            return false;
        }
        std::swap(t, k);
    }
    // The marks row, where there is one, stands over the numbers and the rule, which is the
    // only row of "-" alone.
    const auto garis = [&](std::size_t i) {
        return baris.size() > i && !baris[i].empty() &&
               baris[i].find_first_not_of('-') == std::string::npos;
    };
    std::string tanda;
    if (!garis(j + 2) && garis(j + 3)) {
        tanda = baris[j++];
        if (tanda.back() != '1' || tanda.find_first_not_of("1 ") != std::string::npos) {
            return false;
        }
    }
    if (!garis(j + 2) || baris.size() < j + 4) {
        return false;
    }
    const std::size_t lebar = baris[j + 2].size();
    if (baris[j + 2] != std::string(lebar, '-') || baris[j] != rata(t, s.basis, lebar) ||
        baris[j + 1] != rata(k, s.basis, lebar) + " " + s.operasi) {
        return false;
    }
    j += 3;
    if (s.operasi == 'x') {
        // Each partial product shifted one more column left, the last with the "+".
        if (b.size() > 1) {
            for (std::size_t i = 0; i < b.size(); ++i, ++j) {
                const unsigned d = nilai(b[b.size() - 1 - i]);
                const std::string p = d == 0 ? std::string(a.size(), '0') : digit(s.a * d, s.basis);
                std::string harapan =
                    std::string(lebar - i - std::min(lebar - i, p.size()), ' ') + p;
                if (i + 1 == b.size()) {
                    harapan += std::string(i, ' ') + " +";
                }
                if (baris.size() <= j || baris[j] != harapan) {
                    return false;
                }
            }
            if (baris.size() <= j || baris[j++] != std::string(lebar, '-')) {
                return false;
            }
        }
        return baris.size() == j + 2 && baris[j] == rata(s.a * s.b, s.basis, lebar);
    }
    const u64 hasil = s.operasi == '+' ? t + k : t - k;
    const std::string bawah =
        s.operasi == '+' ? rata(hasil, s.basis, lebar) : digit(hasil, s.basis, lebar);
    if (baris.size() <= j || baris[j] != bawah || bawah.size() != lebar ||
        (s.operasi == '+' && bawah[0] == ' ') ||
        (s.operasi == '-' && lebar != digit(t, s.basis).size())) {
        return false;
    }
    return kolom_sah(baris, j + 1, tanda, bawah, s, t, k);
}

std::string jalankan(std::string_view masukan, bool langkah) {
    start_console(masukan);
    int status = -1;
    try {
        menu_hitung(langkah);
    } catch (const Akhir &akhir) {
        status = akhir.status;
    }
    if (status != 0 || !console_errors().empty()) {
        std::fprintf(stderr, "ended with status %d:\n%s\n", status, console_errors().c_str());
        std::abort();
    }
    return console_output();
}

[[noreturn]] void gagal(const char *apa, const std::string &out, const std::string &harapan) {
    std::fprintf(stderr, "%s:\n%s\n--- model:\n%s\n", apa, out.c_str(), harapan.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool langkah = (data[0] & 1U) != 0;
    const std::string_view masukan(reinterpret_cast<const char *>(data) + 1, size - 1);
    std::vector<Soal> soal;
    const std::string harapan = model(masukan, soal);
    const std::string out = jalankan(masukan, langkah);
    // The model's pieces between the places of the working, each in turn; at each place,
    // with the working, a section up to the empty line before "try again?".
    std::size_t di = 0;
    std::size_t nomor = 0;
    for (std::size_t awal = 0;; ++nomor) {
        const std::size_t tempat = harapan.find(tempat_langkah, awal);
        const std::string_view bagian = std::string_view(harapan).substr(awal, tempat - awal);
        if (out.compare(di, bagian.size(), bagian) != 0) {
            gagal("the dialogue is not as the model writes it", out, harapan);
        }
        di += bagian.size();
        if (tempat == std::string::npos) {
            break;
        }
        if (langkah) {
            const std::size_t akhir = out.find("\nIngin coba lagi (Y/N) ? ", di);
            if (out.compare(di, 1, "\n") != 0 || akhir == std::string::npos ||
                !langkah_sah(std::string_view(out).substr(di + 1, akhir - di - 1), soal[nomor])) {
                gagal("the working is not the soal's", out, harapan);
            }
            di = akhir;
        }
        awal = tempat + 1;
    }
    if (di != out.size()) {
        gagal("the dialogue writes more than the model", out, harapan);
    }
    return 0;
}
