#include "arithmetic.h"
#include "texts.h"

HasilHitung hitung(const Hitungan &hitungan) {
    const std::uint64_t a = hitungan.a;
    const std::uint64_t b = hitungan.b;
    switch (hitungan.operasi) {
    case Operasi::tambah:
        return {false, a + b, 0};
    case Operasi::kurang:
        return a < b ? HasilHitung{true, b - a, 0} : HasilHitung{false, a - b, 0};
    case Operasi::kali:
        return {false, a * b, 0};
    default:
        return {false, a / b, static_cast<std::uint32_t>(a % b)};
    }
}

void sambung_hitungan(Baris &baris, const Hitungan &hitungan) {
    const char tanda[] = {' ', static_cast<char>(hitungan.operasi), ' '};
    sambung_angka(baris, hitungan.a, hitungan.basis);
    sambung(baris, {tanda, sizeof tanda});
    sambung_angka(baris, hitungan.b, hitungan.basis);
}

void sambung_hasil(Baris &baris, const HasilHitung &hasil, int basis) {
    if (hasil.minus) {
        sambung(baris, teks_minus);
    }
    sambung_angka(baris, hasil.besar, basis);
    if (hasil.sisa != 0) {
        sambung(baris, teks_sisa);
        sambung_angka(baris, hasil.sisa, basis);
    }
}
