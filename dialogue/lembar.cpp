// The worksheets and their answer keys: the practice round's questions on paper, open or
// multiple choice, every kind's sheets this one code; and the key table of a class.
#include "lembar.h"
#include "pilihan.h"
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

// Appends an option's letter, ". " and its numeral: "c. 76".
void sambung_opsi(Baris &baris, const Pilihan &pilihan, int huruf) {
    sambung(baris, {&huruf_opsi[static_cast<std::size_t>(huruf)], 1});
    sambung(baris, teks_nomor);
    sambung(baris, isi(pilihan.opsi[huruf].angka));
}

// The state of the sheet of seed benih's second SplitMix64, for the options.
template <JenisSoal Soal>
std::uint64_t keadaan_pilihan(const Cetakan &cetakan, std::uint64_t benih) {
    return benih_pilihan(benih, Soal::nomor, cetakan.tingkat);
}

// A worksheet: blanks for the student's name and class, and one for each answer, or with
// pilihan each question's options.
template <JenisSoal Soal> void tulis_lembar(const Cetakan &cetakan, std::uint64_t benih) {
    tulis_kepala(judul_lembar, cetakan.banyak, benih, cetakan.tingkat, Soal::jenis);
    tulis_baris();
    tulis_baris(teks_nama);
    tulis_baris(teks_kelas);
    std::uint64_t keadaan = benih;
    std::uint64_t keadaan_opsi = keadaan_pilihan<Soal>(cetakan, benih);
    for (int nomor = 1; nomor <= cetakan.banyak; ++nomor) {
        const Soal soal = Soal::berikut(keadaan, cetakan.tingkat);
        tulis_soal(nomor, soal);
        if (!cetakan.pilihan) {
            tulis_baris(teks_jawaban_kosong);
            continue;
        }
        const Pilihan pilihan = pilihan_soal(soal, keadaan_opsi);
        for (int huruf = 0; huruf < banyak_opsi; ++huruf) {
            Baris baris{};
            sambung(baris, teks_opsi);
            sambung_opsi(baris, pilihan, huruf);
            tulis(baris);
        }
    }
}

// An answer key: each answer as a result line writes it, with pilihan after its letter, and
// with langkah its working.
template <JenisSoal Soal> void tulis_kunci(const Cetakan &cetakan, std::uint64_t benih) {
    tulis_kepala(judul_kunci, cetakan.banyak, benih, cetakan.tingkat, Soal::jenis);
    std::uint64_t keadaan = benih;
    std::uint64_t keadaan_opsi = keadaan_pilihan<Soal>(cetakan, benih);
    for (int nomor = 1; nomor <= cetakan.banyak; ++nomor) {
        const Soal soal = Soal::berikut(keadaan, cetakan.tingkat);
        tulis_soal(nomor, soal);
        Baris jawaban{};
        sambung(jawaban, teks_jawaban);
        if (cetakan.pilihan) {
            const Pilihan pilihan = pilihan_soal(soal, keadaan_opsi);
            sambung_opsi(jawaban, pilihan, pilihan.jawaban);
        } else {
            soal.sambung_jawaban(jawaban);
        }
        tulis(jawaban);
        if (cetakan.langkah) {
            soal.langkah();
        }
    }
}

// The key table: every student's letters, ten a line, under one header for the class.
template <JenisSoal Soal> void tulis_tabel(const Cetakan &cetakan) {
    const std::uint64_t terakhir = cetakan.benih + static_cast<std::uint64_t>(cetakan.siswa - 1);
    tulis_kepala(judul_tabel, cetakan.banyak, cetakan.benih, cetakan.tingkat, Soal::jenis,
                 cetakan.siswa > 1 ? std::optional(terakhir) : std::nullopt);
    for (int k = 0; k < cetakan.siswa; ++k) {
        const std::uint64_t benih = cetakan.benih + static_cast<std::uint64_t>(k);
        tulis_baris();
        Baris judul{};
        sambung(judul, teks_benih_siswa);
        sambung_angka(judul, benih, basis_desimal);
        tulis(judul);
        std::uint64_t keadaan = benih;
        std::uint64_t keadaan_opsi = keadaan_pilihan<Soal>(cetakan, benih);
        Baris baris{};
        for (int nomor = 1; nomor <= cetakan.banyak; ++nomor) {
            const Pilihan pilihan =
                pilihan_soal(Soal::berikut(keadaan, cetakan.tingkat), keadaan_opsi);
            if (baris.panjang > 0) {
                sambung(baris, teks_antar_huruf);
            }
            sambung_angka(baris, static_cast<std::uint64_t>(nomor), basis_desimal,
                          lebar_nomor_tabel);
            sambung(baris, teks_titik_huruf);
            sambung(baris, {&huruf_opsi[static_cast<std::size_t>(pilihan.jawaban)], 1});
            if (nomor % huruf_per_baris == 0 || nomor == cetakan.banyak) {
                tulis(baris);
                baris = {};
            }
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
    if (cetakan.kunci && cetakan.pilihan) {
        tulis_baris(teks_ganti_halaman);
        tulis_tabel<Soal>(cetakan);
    }
}

template void tulis_cetakan<SoalKonversi>(const Cetakan &);
template void tulis_cetakan<SoalHitung>(const Cetakan &);
template void tulis_cetakan<SoalPecahan>(const Cetakan &);
