// The working that --langkah shows after a soal, by the methods taught for each operation:
// addition column by column from the right with carries, subtraction with borrows, long
// multiplication by each digit of the multiplier, and long division digit by digit. Written
// sums are right-aligned to one width, their columns numbered from 1 at the right.
#include "arithmetic.h"
#include "texts.h"

#include "console/console.h"

#include <algorithm>

namespace {

// basis to the power k.
std::uint64_t pangkat(int basis, int k) {
    std::uint64_t hasil = 1;
    for (int i = 0; i < k; ++i) {
        hasil *= static_cast<unsigned>(basis);
    }
    return hasil;
}

// How many digits n has in basis: 1 for 0.
int panjang(std::uint64_t n, int basis) {
    int banyak = 1;
    for (n /= static_cast<unsigned>(basis); n > 0; n /= static_cast<unsigned>(basis)) {
        ++banyak;
    }
    return banyak;
}

// The digit of n in column k, 1 being the rightmost.
std::uint32_t digit_di(std::uint64_t n, int basis, int k) {
    return static_cast<std::uint32_t>(n / pangkat(basis, k - 1) % static_cast<unsigned>(basis));
}

void sambung_ulang(Baris &baris, char c, int banyak) {
    for (int i = 0; i < banyak; ++i) {
        sambung(baris, {&c, 1});
    }
}

// Starts a section: an empty line, then "Penjumlahan biner: jumlahkan tiap kolom dari kanan".
void mulai(std::string_view judul, int basis, std::string_view cara) {
    tulis_baris();
    Baris baris{};
    sambung(baris, judul);
    sambung(baris, nama_basis(basis));
    sambung(baris, cara);
    tulis(baris);
}

// Appends n in basis with zeros in front up to digit digits, right-aligned to lebar columns.
void sambung_rata(Baris &baris, std::uint64_t n, int basis, int lebar, int digit = 1) {
    sambung_ulang(baris, ' ', lebar - std::max(digit, panjang(n, basis)));
    sambung_angka(baris, n, basis, static_cast<std::size_t>(digit), '0');
}

// The top of a written sum: the marks over the columns set in tanda, if any, cut after the
// last; the first number; the second with its sign; the rule.
void tulis_atas(std::uint64_t tanda, std::uint64_t pertama, std::uint64_t kedua, int basis,
                Operasi operasi, int lebar) {
    if (tanda != 0) {
        Baris baris{};
        for (int kolom = lebar; (tanda & ((std::uint64_t{2} << kolom) - 1)) != 0; --kolom) {
            sambung_ulang(baris, ((tanda >> kolom) & 1U) != 0 ? tanda_kolom : ' ', 1);
        }
        tulis(baris);
    }
    Baris atas{};
    sambung_rata(atas, pertama, basis, lebar);
    tulis(atas);
    Baris bawah{};
    sambung_rata(bawah, kedua, basis, lebar);
    const char tanda_operasi[] = {' ', static_cast<char>(operasi)};
    sambung(bawah, {tanda_operasi, sizeof tanda_operasi});
    tulis(bawah);
    Baris garis{};
    sambung_ulang(garis, tanda_garis, lebar);
    tulis(garis);
}

// Writes n in basis right-aligned to lebar, with zeros in front up to digit digits.
void tulis_rata(std::uint64_t n, int basis, int lebar, int digit = 1) {
    Baris baris{};
    sambung_rata(baris, n, basis, lebar, digit);
    tulis(baris);
}

// Appends "Kolom k: ".
void sambung_kolom(Baris &baris, int kolom) {
    sambung(baris, teks_kolom);
    sambung_angka(baris, static_cast<unsigned>(kolom), basis_desimal);
    sambung(baris, teks_titik_dua);
}

// Appends ", tulis d", d a digit of the base.
void sambung_tulis(Baris &baris, std::uint32_t digit) {
    sambung(baris, teks_tulis);
    sambung_angka(baris, digit, basis_heksa);
}

// A column of an addition: its digits of a and b, where they have one, and the carry that
// comes in (masuk), summed; the digit written and the carry out.
void tulis_kolom_tambah(const Hitungan &h, int kolom, bool masuk) {
    const int basis = h.basis;
    const auto b = static_cast<std::uint32_t>(basis);
    Baris baris{};
    sambung_kolom(baris, kolom);
    std::string_view antara;
    std::uint32_t jumlah = 0;
    for (const std::uint32_t n : {h.a, h.b}) {
        if (kolom <= panjang(n, basis)) {
            sambung(baris, antara);
            sambung_digit(baris, digit_di(n, basis, kolom));
            jumlah += digit_di(n, basis, kolom);
            antara = teks_tambah;
        }
    }
    if (masuk) {
        sambung(baris, antara);
        sambung(baris, teks_simpanan);
        ++jumlah;
    }
    sambung(baris, teks_sama_dengan);
    sambung_angka(baris, jumlah, basis_desimal);
    if (jumlah >= b) {
        sambung(baris, teks_koma);
        sambung_angka(baris, jumlah, basis_desimal);
        sambung(baris, teks_kurang);
        sambung_angka(baris, b, basis_desimal);
        sambung(baris, teks_sama_dengan);
        sambung_angka(baris, jumlah - b, basis_desimal);
    }
    sambung_tulis(baris, jumlah % b);
    if (jumlah >= b) {
        sambung(baris, teks_simpan);
    }
    tulis(baris);
}

// Columns run up to the sum's last digit, which holds a digit of a or b or the last carry.
// A column that a carry comes into is marked.
void langkah_tambah(const Hitungan &h) {
    const int basis = h.basis;
    const std::uint64_t jumlah = std::uint64_t{h.a} + h.b;
    const int lebar = panjang(jumlah, basis);
    std::uint64_t tanda = 0;
    std::uint32_t simpanan = 0;
    for (int kolom = 1; kolom <= lebar; ++kolom) {
        simpanan = (digit_di(h.a, basis, kolom) + digit_di(h.b, basis, kolom) + simpanan) /
                   static_cast<std::uint32_t>(basis);
        tanda |= std::uint64_t{simpanan} << (kolom + 1);
    }
    mulai(judul_tambah, basis, cara_tambah);
    tulis_atas(tanda, h.a, h.b, basis, h.operasi, lebar);
    tulis_rata(jumlah, basis, lebar);
    for (int kolom = 1; kolom <= lebar; ++kolom) {
        tulis_kolom_tambah(h, kolom, ((tanda >> kolom) & 1U) != 0);
    }
}

// Appends a column's subtraction: t's digit, the 1 it lent to the column at its right
// (dipinjam, named as such or not), and s's digit where s has one.
void sambung_kurang(Baris &baris, std::uint32_t t, std::uint32_t s, int basis, int kolom,
                    bool dipinjam, bool sebut_pinjam) {
    sambung_digit(baris, digit_di(t, basis, kolom));
    if (dipinjam) {
        sambung(baris, teks_kurang);
        sambung(baris, teks_satu);
        if (sebut_pinjam) {
            sambung(baris, teks_dipinjam);
        }
    }
    if (kolom <= panjang(s, basis)) {
        sambung(baris, teks_kurang);
        sambung_digit(baris, digit_di(s, basis, kolom));
    }
}

// A column's value: t's digit, less what it lent and s's digit; below zero when it borrows.
int nilai_kurang(std::uint32_t t, std::uint32_t s, int basis, int kolom, bool dipinjam) {
    return static_cast<int>(digit_di(t, basis, kolom)) - (dipinjam ? 1 : 0) -
           static_cast<int>(digit_di(s, basis, kolom));
}

void tulis_kolom_kurang(std::uint32_t t, std::uint32_t s, int basis, int kolom, bool dipinjam) {
    const int nilai = nilai_kurang(t, s, basis, kolom, dipinjam);
    Baris baris{};
    sambung_kolom(baris, kolom);
    sambung_kurang(baris, t, s, basis, kolom, dipinjam, true);
    if (nilai < 0) {
        sambung(baris, teks_pinjam);
        sambung_angka(baris, static_cast<unsigned>(basis), basis_desimal);
        sambung(baris, teks_tambah);
        sambung_kurang(baris, t, s, basis, kolom, dipinjam, false);
    }
    const auto ditulis = static_cast<std::uint32_t>(nilai < 0 ? nilai + basis : nilai);
    sambung(baris, teks_sama_dengan);
    sambung_angka(baris, ditulis, basis_desimal);
    sambung_tulis(baris, ditulis);
    tulis(baris);
}

// The larger number t less the smaller s, a minus sign given where the second was larger.
// Columns run over t's digits; a column that lends to the one at its right is marked. The
// digits written keep their leading zeros.
void langkah_kurang(const Hitungan &h) {
    const int basis = h.basis;
    const std::uint32_t t = std::max(h.a, h.b);
    const std::uint32_t s = std::min(h.a, h.b);
    const int lebar = panjang(t, basis);
    std::uint64_t tanda = 0;
    for (int kolom = 1; kolom < lebar; ++kolom) {
        const bool dipinjam = ((tanda >> kolom) & 1U) != 0;
        tanda |= std::uint64_t{nilai_kurang(t, s, basis, kolom, dipinjam) < 0} << (kolom + 1);
    }
    mulai(judul_kurang, basis, cara_kurang);
    if (h.a < h.b) {
        Baris baris{};
        sambung(baris, teks_kedua_lebih_besar);
        sambung_hitungan(baris, {basis, h.b, Operasi::kurang, h.a});
        sambung(baris, teks_beri_minus);
        tulis(baris);
    }
    tulis_atas(tanda, t, s, basis, h.operasi, lebar);
    tulis_rata(t - s, basis, lebar, lebar);
    for (int kolom = 1; kolom <= lebar; ++kolom) {
        tulis_kolom_kurang(t, s, basis, kolom, ((tanda >> kolom) & 1U) != 0);
    }
}

// The partial product of b's digit in column kolom: a times the digit, or for the digit 0 as
// many zeros as a has digits.
struct Parsial {
    std::uint64_t nilai;
    int digit;
};
Parsial parsial(const Hitungan &h, int kolom) {
    const std::uint32_t d = digit_di(h.b, h.basis, kolom);
    const std::uint64_t nilai = std::uint64_t{h.a} * d;
    return {nilai, d == 0 ? panjang(h.a, h.basis) : panjang(nilai, h.basis)};
}

// A multiplier of one digit gives the product at once; a longer one gives a partial product
// for each of its digits, from the right, each shifted one column further left, the last
// with the "+" that sums them. No partial product, shifted by j, is wider than the product or
// the multiplier: a times b is at least a times b's digit times basis^j, and where a is 0
// each row is one digit, shifted less than b is long.
void langkah_kali(const Hitungan &h) {
    const int basis = h.basis;
    const std::uint64_t hasil = std::uint64_t{h.a} * h.b;
    const int banyak = panjang(h.b, basis);
    const int lebar = std::max({panjang(h.a, basis), banyak, panjang(hasil, basis)});
    mulai(judul_kali, basis, cara_kali);
    tulis_atas(0, h.a, h.b, basis, h.operasi, lebar);
    if (banyak > 1) {
        for (int j = 0; j < banyak; ++j) {
            const Parsial p = parsial(h, j + 1);
            Baris baris{};
            sambung_rata(baris, p.nilai, basis, lebar - j, p.digit);
            if (j == banyak - 1) {
                sambung_ulang(baris, ' ', j);
                const char tambah[] = {' ', static_cast<char>(Operasi::tambah)};
                sambung(baris, {tambah, sizeof tambah});
            }
            tulis(baris);
        }
        Baris garis{};
        sambung_ulang(garis, tanda_garis, lebar);
        tulis(garis);
    }
    tulis_rata(hasil, basis, lebar);
}

// Appends n in basis, then teks.
void sambung_lalu(Baris &baris, std::uint64_t n, int basis, std::string_view teks) {
    sambung_angka(baris, n, basis);
    sambung(baris, teks);
}

// Long division: the first part is the shortest beginning of a that is at least b, or a
// whole; each next part is the remainder followed by a's next digit.
void langkah_bagi(const Hitungan &h) {
    const int basis = h.basis;
    const int banyak = panjang(h.a, basis);
    int diambil = 1;
    while (diambil < banyak && h.a / pangkat(basis, banyak - diambil) < h.b) {
        ++diambil;
    }
    mulai(judul_bagi, basis, cara_bagi);
    for (std::uint64_t bagian = h.a / pangkat(basis, banyak - diambil);; ++diambil) {
        Baris baris{};
        sambung_lalu(baris, bagian, basis, teks_bagi);
        sambung_lalu(baris, h.b, basis, teks_sama_dengan);
        sambung_lalu(baris, bagian / h.b, basis, teks_sisa);
        sambung_angka(baris, bagian % h.b, basis);
        tulis(baris);
        if (diambil == banyak) {
            break;
        }
        bagian =
            bagian % h.b * static_cast<unsigned>(basis) + digit_di(h.a, basis, banyak - diambil);
    }
}

} // namespace

void langkah_hitung(const Hitungan &hitungan) {
    switch (hitungan.operasi) {
    case Operasi::tambah:
        langkah_tambah(hitungan);
        break;
    case Operasi::kurang:
        langkah_kurang(hitungan);
        break;
    case Operasi::kali:
        langkah_kali(hitungan);
        break;
    case Operasi::bagi:
        langkah_bagi(hitungan);
        break;
    }
    Baris baris{};
    sambung(baris, teks_hasil);
    sambung_hasil(baris, hitung(hitungan), hitungan.basis);
    tulis(baris);
}
