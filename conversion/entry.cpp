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

// The working for a numeral typed in basis, when it is asked for: the weighting of its digits
// unless it is decimal, then the divisions for each base that is neither decimal nor its own,
// in the order of the result lines.
void tulis_langkah(Bilangan bilangan, int basis) {
    if (!langkah) {
        return;
    }
    if (basis != basis_desimal) {
        langkah_bobot(bilangan, basis);
    }
    for (const int tujuan : {basis_biner, basis_oktal, basis_heksa}) {
        if (tujuan != basis) {
            langkah_bagi(bilangan.nilai, tujuan);
        }
    }
}

} // namespace

void tampilkan_langkah(bool ya) {
    langkah = ya;
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
