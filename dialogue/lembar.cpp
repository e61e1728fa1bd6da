// The worksheets and their answer keys: the practice round's questions on paper, every kind's
// sheets this one code.
#include "lembar.h"
#include "texts.h"

#include "arithmetic/arithmetic.h"
#include "console/console.h"
#include "pecahan/pecahan.h"

namespace {

// Starts question nomor: an empty line, then "1. Ubah desimal 62 ke oktal".
template <JenisSoal Soal> void tulis_soal(int nomor, const Soal &soal) {
    tulis_baris();
    Baris baris{};
    sambung_angka(baris, static_cast<std::uint64_t>(nomor), basis_desimal);
    sambung(baris, teks_nomor);
    soal.sambung_tugas(baris);
    tulis(baris);
}

// A worksheet: blanks for the student's name and class, and one for each answer.
template <JenisSoal Soal> void tulis_lembar(const Cetakan &cetakan, std::uint64_t benih) {
    tulis_kepala(judul_lembar, cetakan.banyak, benih, cetakan.tingkat, Soal::jenis);
    tulis_baris();
    tulis_baris(teks_nama);
    tulis_baris(teks_kelas);
    std::uint64_t keadaan = benih;
    for (int nomor = 1; nomor <= cetakan.banyak; ++nomor) {
        tulis_soal(nomor, Soal::berikut(keadaan, cetakan.tingkat));
        tulis_baris(teks_jawaban_kosong);
    }
}

// An answer key: each answer as a result line writes it, and with langkah its working.
template <JenisSoal Soal> void tulis_kunci(const Cetakan &cetakan, std::uint64_t benih) {
    tulis_kepala(judul_kunci, cetakan.banyak, benih, cetakan.tingkat, Soal::jenis);
    std::uint64_t keadaan = benih;
    for (int nomor = 1; nomor <= cetakan.banyak; ++nomor) {
        const Soal soal = Soal::berikut(keadaan, cetakan.tingkat);
        tulis_soal(nomor, soal);
        Baris jawaban{};
        sambung(jawaban, teks_jawaban);
        soal.sambung_jawaban(jawaban);
        tulis(jawaban);
        if (cetakan.langkah) {
            soal.langkah();
        }
    }
}

// Writes a sheet for each student with tulis_satu; a form feed line goes before every sheet
// of the printout but its first, which sets ada.
void tulis_untuk_siswa(const Cetakan &cetakan, void (*tulis_satu)(const Cetakan &, std::uint64_t),
                       bool &ada) {
    for (int k = 0; k < cetakan.siswa; ++k) {
        if (ada) {
            tulis_baris(teks_ganti_halaman);
        }
        ada = true;
        tulis_satu(cetakan, cetakan.benih + static_cast<std::uint64_t>(k));
    }
}

} // namespace

template <JenisSoal Soal> void tulis_cetakan(const Cetakan &cetakan) {
    bool ada = false;
    if (cetakan.lembar) {
        tulis_untuk_siswa(cetakan, tulis_lembar<Soal>, ada);
    }
    if (cetakan.kunci) {
        tulis_untuk_siswa(cetakan, tulis_kunci<Soal>, ada);
    }
}

template void tulis_cetakan<SoalKonversi>(const Cetakan &);
template void tulis_cetakan<SoalHitung>(const Cetakan &);
template void tulis_cetakan<SoalPecahan>(const Cetakan &);
