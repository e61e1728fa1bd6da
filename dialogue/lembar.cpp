// The worksheets and their answer keys: the practice round's questions on paper.
#include "lembar.h"
#include "soal.h"
#include "texts.h"

#include "console/console.h"

namespace {

// Starts question nomor: an empty line, then "1. Ubah desimal 62 ke oktal".
void tulis_soal(int nomor, const Soal &soal) {
    tulis_baris();
    Baris baris{};
    sambung_angka(baris, static_cast<std::uint64_t>(nomor), basis_desimal);
    sambung(baris, teks_nomor);
    sambung_soal(baris, soal);
    tulis(baris);
}

// A worksheet: blanks for the student's name and class, and one for each answer.
void tulis_lembar(const Cetakan &cetakan, std::uint64_t benih) {
    tulis_kepala(judul_lembar, cetakan.banyak, benih, cetakan.tingkat, cetakan.hitung);
    tulis_baris();
    tulis_baris(teks_nama);
    tulis_baris(teks_kelas);
    std::uint64_t keadaan = benih;
    for (int nomor = 1; nomor <= cetakan.banyak; ++nomor) {
        tulis_soal(nomor, soal_berikut(keadaan, cetakan.tingkat, cetakan.hitung));
        tulis_baris(teks_jawaban_kosong);
    }
}

// An answer key: each answer as a result line writes it, and with langkah its working.
void tulis_kunci(const Cetakan &cetakan, std::uint64_t benih) {
    tulis_kepala(judul_kunci, cetakan.banyak, benih, cetakan.tingkat, cetakan.hitung);
    std::uint64_t keadaan = benih;
    for (int nomor = 1; nomor <= cetakan.banyak; ++nomor) {
        const Soal soal = soal_berikut(keadaan, cetakan.tingkat, cetakan.hitung);
        tulis_soal(nomor, soal);
        Baris jawaban{};
        sambung(jawaban, teks_jawaban);
        sambung_angka(jawaban, soal.nilai, soal.ke);
        tulis(jawaban);
        if (cetakan.langkah) {
            langkah_soal(soal);
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

void tulis_cetakan(const Cetakan &cetakan) {
    bool ada = false;
    if (cetakan.lembar) {
        tulis_untuk_siswa(cetakan, tulis_lembar, ada);
    }
    if (cetakan.kunci) {
        tulis_untuk_siswa(cetakan, tulis_kunci, ada);
    }
}
