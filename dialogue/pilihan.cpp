#include "pilihan.h"
#include "texts.h"

#include <utility>

namespace {

constexpr char koma = ',';

// angka as the key writes a value: no leading zeros but one before the comma, and a fraction
// without zeros at its end, without the comma where nothing is left of it.
Baris rapikan(std::string_view angka) {
    auto [bulat, pecahan] = pisah_koma(angka);
    while (bulat.size() > 1 && bulat.front() == '0') {
        bulat.remove_prefix(1);
    }
    while (!pecahan.empty() && pecahan.back() == '0') {
        pecahan.remove_suffix(1);
    }
    Baris hasil{};
    sambung(hasil, bulat.empty() ? std::string_view("0") : bulat);
    if (!pecahan.empty()) {
        sambung(hasil, {&koma, 1});
        sambung(hasil, pecahan);
    }
    return hasil;
}

// The options taken so far, the answer first, and what a candidate must be to fit.
struct Ambilan {
    Opsi opsi[banyak_opsi];
    int banyak;
    int basis;
    bool pecahan;
};

// Whether angka, a numeral as the key writes it, fits: another value than every option taken,
// and for a question of fractions not a whole number.
bool cocok(const Ambilan &ambilan, std::string_view angka) {
    if (ambilan.pecahan && angka.find(koma) == std::string_view::npos) {
        return false;
    }
    for (int i = 0; i < ambilan.banyak; ++i) {
        if (isi(ambilan.opsi[i].angka) == angka) {
            return false;
        }
    }
    return true;
}

// Takes angka with its reason while fewer than five are taken and it fits; whether it did.
bool ambil(Ambilan &ambilan, std::string_view angka, std::string_view alasan) {
    if (ambilan.banyak == banyak_opsi || !cocok(ambilan, angka)) {
        return false;
    }
    Opsi &opsi = ambilan.opsi[ambilan.banyak++];
    opsi = {};
    sambung(opsi.angka, angka);
    sambung(opsi.alasan, alasan);
    return true;
}

// The k-th change that near misses of n are made of, in their order: two neighbouring digits
// swapped, for each pair from the right end to the left, then one digit changed by one, for
// each digit from the right end to the left, up one, or down one where it is the base's last.
// No change crosses the comma. False past the last change; hasil is empty where the change
// gives no near miss: where it leaves n as it was, starts a whole part of two digits or more
// with 0, or ends a fraction with 0.
bool perubahan(std::string_view n, int basis, std::size_t k, Baris &hasil) {
    hasil = {};
    const std::size_t tukar = n.size() - 1;
    if (k >= tukar + n.size()) {
        return false;
    }
    Baris baru{};
    sambung(baru, n);
    char *digit = baru.teks;
    if (k < tukar) {
        const std::size_t i = tukar - 1 - k;
        if (digit[i] == koma || digit[i + 1] == koma || digit[i] == digit[i + 1]) {
            return true;
        }
        std::swap(digit[i], digit[i + 1]);
    } else {
        const std::size_t i = n.size() - 1 - (k - tukar);
        if (digit[i] == koma) {
            return true;
        }
        const std::uint64_t d = nilai_digit_tabel(digit[i]);
        const auto terakhir = static_cast<std::uint64_t>(basis - 1);
        Baris ganti{};
        sambung_angka(ganti, d == terakhir ? d - 1 : d + 1, basis);
        digit[i] = ganti.teks[0];
    }
    const std::string_view hasil_baru = isi(baru);
    const std::size_t koma_di = hasil_baru.find(koma);
    const std::size_t bulat = koma_di == std::string_view::npos ? hasil_baru.size() : koma_di;
    if ((bulat >= 2 && hasil_baru.front() == '0') ||
        (koma_di != std::string_view::npos && hasil_baru.back() == '0')) {
        return true;
    }
    hasil = baru;
    return true;
}

// A slip of x picked by d: x's near misses that fit now, in their order, and of them number d
// modulo their count; false where there is none.
bool pilih_meleset(const Ambilan &ambilan, std::string_view x, std::uint64_t d, Baris &hasil) {
    std::uint64_t banyak = 0;
    Baris calon{};
    for (std::size_t k = 0; perubahan(x, ambilan.basis, k, calon); ++k) {
        banyak += calon.panjang > 0 && cocok(ambilan, isi(calon)) ? 1 : 0;
    }
    if (banyak == 0) {
        return false;
    }
    std::uint64_t sisa = d % banyak;
    for (std::size_t k = 0; perubahan(x, ambilan.basis, k, calon); ++k) {
        if (calon.panjang > 0 && cocok(ambilan, isi(calon)) && sisa-- == 0) {
            break;
        }
    }
    hasil = calon;
    return true;
}

// Takes x's near misses that fit, in their order, while fewer than five are taken.
void ambil_meleset(Ambilan &ambilan, std::string_view x) {
    Baris calon{};
    for (std::size_t k = 0; perubahan(x, ambilan.basis, k, calon); ++k) {
        if (calon.panjang > 0) {
            ambil(ambilan, isi(calon), alasan_periksa);
        }
    }
}

// A numeral as the whole number of its digits without the comma, and how many of them follow
// the comma: its value in units of its last digit.
struct Satuan {
    std::uint64_t nilai;
    std::size_t pecahan;
};
Satuan satuan(std::string_view angka, int basis) {
    Satuan hasil{0, 0};
    bool setelah_koma = false;
    for (const char c : angka) {
        if (c == koma) {
            setelah_koma = true;
            continue;
        }
        hasil.nilai = hasil.nilai * static_cast<std::uint64_t>(basis) + nilai_digit_tabel(c);
        hasil.pecahan += setelah_koma ? 1 : 0;
    }
    return hasil;
}

// The numeral of nilai units of basis^-pecahan, as the key writes it.
Baris dari_satuan(std::uint64_t nilai, std::size_t pecahan, int basis) {
    Baris digit{};
    sambung_angka(digit, nilai, basis, pecahan + 1, '0');
    const std::size_t bulat = digit.panjang - pecahan;
    Baris angka{};
    sambung(angka, {digit.teks, bulat});
    if (pecahan > 0) {
        sambung(angka, {&koma, 1});
        sambung(angka, {digit.teks + bulat, pecahan});
    }
    return rapikan(isi(angka));
}

// The first of the stand-ins for a mistake that fits: the answer times the base, a digit too
// many in a whole number; its whole part without its last digit, where it has two or more;
// plus 1; minus 1.
void ambil_pengganti(Ambilan &ambilan, std::string_view jawaban) {
    const auto b = static_cast<std::uint64_t>(ambilan.basis);
    const Satuan r = satuan(jawaban, ambilan.basis);
    std::uint64_t satu = 1;
    for (std::size_t i = 0; i < r.pecahan; ++i) {
        satu *= b;
    }
    const Baris kali = r.pecahan > 0 ? dari_satuan(r.nilai, r.pecahan - 1, ambilan.basis)
                                     : dari_satuan(r.nilai * b, 0, ambilan.basis);
    if (ambil(ambilan, isi(kali), alasan_periksa)) {
        return;
    }
    const std::size_t bulat = pisah_koma(jawaban).bulat.size();
    if (bulat >= 2) {
        Baris pendek{};
        sambung(pendek, {jawaban.data(), bulat - 1});
        sambung(pendek, {jawaban.data() + bulat, jawaban.size() - bulat});
        if (ambil(ambilan, isi(pendek), alasan_periksa)) {
            return;
        }
    }
    if (ambil(ambilan, isi(dari_satuan(r.nilai + satu, r.pecahan, ambilan.basis)),
              alasan_periksa)) {
        return;
    }
    if (r.nilai >= satu) {
        ambil(ambilan, isi(dari_satuan(r.nilai - satu, r.pecahan, ambilan.basis)), alasan_periksa);
    }
}

} // namespace

Pilihan susun_pilihan(std::string_view jawaban, int basis, bool pecahan,
                      const DaftarKesalahan &kesalahan,
                      const std::uint64_t (&tarikan)[banyak_opsi]) {
    Ambilan ambilan{};
    ambilan.basis = basis;
    ambilan.pecahan = pecahan;
    ambilan.banyak = 1;
    sambung(ambilan.opsi[0].angka, jawaban);
    const std::uint64_t d = tarikan[banyak_opsi - 1];

    // The mistake, or a stand-in for it.
    int pertama = kesalahan.banyak;
    for (int i = 0; i < kesalahan.banyak && pertama == kesalahan.banyak; ++i) {
        const Baris angka = rapikan(isi(kesalahan.isi[i].angka));
        if (ambil(ambilan, isi(angka), isi(kesalahan.isi[i].alasan))) {
            pertama = i;
        }
    }
    if (pertama == kesalahan.banyak) {
        ambil_pengganti(ambilan, jawaban);
    }
    const int salah = ambilan.banyak > 1 ? 1 : 0;
    const Baris keliru = ambilan.opsi[salah].angka;

    // The chains: a slip of the answer and a slip of that; a slip of the mistake.
    Baris meleset{};
    if (pilih_meleset(ambilan, jawaban, d, meleset)) {
        ambil(ambilan, isi(meleset), alasan_periksa);
        const Baris pertama_meleset = meleset;
        if (pilih_meleset(ambilan, isi(pertama_meleset), d, meleset)) {
            ambil(ambilan, isi(meleset), alasan_periksa);
        }
    }
    if (salah != 0 && pilih_meleset(ambilan, isi(keliru), d, meleset)) {
        ambil(ambilan, isi(meleset), alasan_periksa);
    }

    // As many more as it takes: the other mistakes, the near misses of the answer and of the
    // mistake, then values a unit of the answer's last digit away, farther and farther.
    for (int i = pertama + 1; i < kesalahan.banyak; ++i) {
        ambil(ambilan, isi(rapikan(isi(kesalahan.isi[i].angka))), isi(kesalahan.isi[i].alasan));
    }
    ambil_meleset(ambilan, jawaban);
    if (salah != 0) {
        ambil_meleset(ambilan, isi(keliru));
    }
    const Satuan r = satuan(jawaban, basis);
    for (std::uint64_t jarak = 1; ambilan.banyak < banyak_opsi; ++jarak) {
        ambil(ambilan, isi(dari_satuan(r.nilai + jarak, r.pecahan, basis)), alasan_periksa);
        if (r.nilai >= jarak) {
            ambil(ambilan, isi(dari_satuan(r.nilai - jarak, r.pecahan, basis)), alasan_periksa);
        }
    }

    // The letters: for j = 4 down to 1, the question's next draw picks a place i up to j, and
    // the options at i and j change places.
    Pilihan pilihan{};
    int tempat[banyak_opsi] = {0, 1, 2, 3, 4};
    for (int j = banyak_opsi - 1; j >= 1; --j) {
        const auto i =
            static_cast<int>(tarikan[banyak_opsi - 1 - j] % static_cast<std::uint64_t>(j + 1));
        std::swap(tempat[i], tempat[j]);
    }
    for (int huruf = 0; huruf < banyak_opsi; ++huruf) {
        pilihan.opsi[huruf] = ambilan.opsi[tempat[huruf]];
        if (tempat[huruf] == 0) {
            pilihan.jawaban = huruf;
        }
    }
    return pilihan;
}

std::uint64_t benih_pilihan(std::uint64_t benih, int nomor_jenis, int tingkat) {
    const auto campur = static_cast<std::uint64_t>(2 * nomor_jenis + tingkat) << 32;
    return ~benih ^ campur;
}
