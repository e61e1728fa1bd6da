#include "conversion.h"
#include "radix.h"
#include "texts.h"

#include "console/console.h"

#include <initializer_list>

namespace {

// The number last typed under choices A, B and C.
int angka;

// Whether each conversion also writes its working.
bool langkah;

// Writes prompt and reads the answer until it is a numeral in basis; returns it. Each wrong
// answer is answered with the error message and the same prompt.
Bilangan tanya_bilangan(std::string_view prompt, int basis) {
    for (;;) {
        tunggu_jawaban(prompt);
        const auto bilangan = basis == basis_heksa ? baca_kata_heksa() : baca_token(basis);
        if (bilangan) {
            return *bilangan;
        }
        lapor_salah();
    }
}

// The working for a numeral typed in basis, when it is asked for, a section for each result
// line in their order. First the magnitude's bits: its divisions by 2 when it is decimal,
// else its weighting, then, from octal or hexadecimal, its digits expanded into bits. A
// numeral typed negative then gets the complement of its magnitude. Each other base follows:
// from a decimal value that is not negative by division, else by grouping the pattern's bits.
void tulis_langkah(Bilangan bilangan, int basis) {
    if (!langkah) {
        return;
    }
    const auto pola = static_cast<std::uint32_t>(bilangan.nilai);
    const std::uint32_t besar = bilangan.minus ? 0U - pola : pola;
    if (basis == basis_desimal) {
        langkah_bagi(besar, basis_biner);
    } else {
        langkah_bobot(bilangan, basis);
        if (basis != basis_biner) {
            langkah_urai(besar, basis);
        }
    }
    if (bilangan.minus && besar != 0) {
        langkah_komplemen(besar);
    }
    for (const int tujuan : {basis_oktal, basis_heksa}) {
        if (tujuan == basis) {
            continue;
        }
        if (basis == basis_desimal && bilangan.nilai >= 0) {
            langkah_bagi(pola, tujuan);
        } else {
            langkah_kelompok(pola, tujuan);
        }
    }
}

} // namespace

void tambah_kutipan(Kutipan &kutipan, int c) {
    if (kutipan.panjang < kutip_maks) {
        kutipan.awal[kutipan.panjang] = static_cast<char>(c);
    }
    if (kutipan.panjang <= kutip_maks) {
        ++kutipan.panjang;
    }
}

void tulis_kutip(std::string_view teks, const Kutipan &kutipan) {
    Baris baris{};
    sambung(baris, teks);
    sambung(baris, {kutipan.awal, kutipan.panjang < kutip_maks ? kutipan.panjang : kutip_maks});
    if (kutipan.panjang > kutip_maks) {
        sambung(baris, teks_terpotong);
    }
    tulis(baris);
}

void tulis_bukan_bilangan(int basis, const Kutipan &kutipan) {
    Baris awal{};
    sambung(awal, teks_bukan_bilangan);
    sambung(awal, nama_basis(basis));
    sambung(awal, teks_titik_dua);
    tulis_kutip({awal.teks, awal.panjang}, kutipan);
}

void tulis_lebih_32_bit(const Kutipan &kutipan) {
    tulis_kutip(teks_lebih_32_bit, kutipan);
}

void tampilkan_langkah(bool ya) {
    langkah = ya;
}

void langkah_konversi(int dari, int ke, std::uint32_t nilai) {
    if (dari == basis_desimal) {
        langkah_bagi(nilai, ke);
    } else if (ke == basis_desimal) {
        langkah_bobot({static_cast<int>(nilai), false}, dari);
    } else {
        if (dari != basis_biner) {
            langkah_urai(nilai, dari);
        }
        if (ke != basis_biner) {
            langkah_kelompok(nilai, ke);
        }
    }
}

void dari_desimal() {
    const Bilangan bilangan = tanya_bilangan(teks_prompt_desimal, basis_desimal);
    angka = bilangan.nilai;
    ke_biner(angka);
    ke_oktal(angka);
    ke_heksadesimal(angka);
    tulis_langkah(bilangan, basis_desimal);
}

void dari_biner() {
    const Bilangan bilangan = tanya_bilangan(teks_prompt_biner, basis_biner);
    angka = bilangan.nilai;
    ke_desimal(angka);
    ke_oktal(angka);
    ke_heksadesimal(angka);
    tulis_langkah(bilangan, basis_biner);
}

void dari_oktal() {
    const Bilangan bilangan = tanya_bilangan(teks_prompt_oktal, basis_oktal);
    angka = bilangan.nilai;
    ke_desimal(angka);
    ke_biner(angka);
    ke_heksadesimal(angka);
    tulis_langkah(bilangan, basis_oktal);
}

void dari_heksadesimal() {
    const Bilangan bilangan = tanya_bilangan(teks_prompt_heksa, basis_heksa);
    ke_desimal(bilangan.nilai);
    ke_biner(bilangan.nilai);
    ke_oktal(bilangan.nilai);
    tulis_langkah(bilangan, basis_heksa);
}
