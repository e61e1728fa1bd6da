#include "conversion.h"
#include "radix.h"
#include "texts.h"

#include "console/console.h"

namespace {

// The number last typed under choices A, B and C.
int angka;

// Writes prompt and reads the answer until it is a numeral in basis; returns its value.
// Each wrong answer is answered with the error message and the same prompt.
int tanya_bilangan(std::string_view prompt, int basis) {
    for (;;) {
        tunggu_jawaban(prompt);
        const auto nilai = basis == basis_heksa ? baca_kata_heksa() : baca_token(basis);
        if (nilai) {
            return *nilai;
        }
        lapor_salah();
    }
}

} // namespace

void dari_desimal() {
    angka = tanya_bilangan(teks_prompt_desimal, basis_desimal);
    ke_biner(angka);
    ke_oktal(angka);
    ke_heksadesimal(angka);
}

void dari_biner() {
    angka = tanya_bilangan(teks_prompt_biner, basis_biner);
    ke_desimal(angka);
    ke_oktal(angka);
    ke_heksadesimal(angka);
}

void dari_oktal() {
    angka = tanya_bilangan(teks_prompt_oktal, basis_oktal);
    ke_desimal(angka);
    ke_biner(angka);
    ke_heksadesimal(angka);
}

void dari_heksadesimal() {
    const int desimal = tanya_bilangan(teks_prompt_heksa, basis_heksa);
    ke_desimal(desimal);
    ke_biner(desimal);
    ke_oktal(desimal);
}
