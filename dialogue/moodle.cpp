// The Moodle question bank: the multiple-choice sheets of a class as a Moodle XML file that
// Moodle's importer takes as it is. All of it is ASCII. The tasks, options and reasons hold no
// character that XML or HTML treats specially; the working, which has "->", is written as
// HTML's text inside a CDATA section, which then never holds "]]>".
#include "moodle.h"
#include "latihan.h"
#include "pilihan.h"
#include "texts.h"

#include "arithmetic/arithmetic.h"
#include "console/console.h"
#include "pecahan/pecahan.h"

#include <cstddef>

namespace {

// The tasks already in the bank, by their questions' identitas: an open-addressing table with
// room for every question of the largest bank.
constexpr std::size_t ruang_tugas = 1U << 14;
static_assert(ruang_tugas > 3 * soal_maks * siswa_maks / 2);
std::uint64_t tugas[ruang_tugas];
bool terisi[ruang_tugas];

// Adds identitas to the tasks in the bank; false when it is there already.
bool tugas_baru(std::uint64_t identitas) {
    std::uint64_t campur = identitas;
    std::size_t tempat = static_cast<std::size_t>(tarik(campur)) & (ruang_tugas - 1);
    for (; terisi[tempat]; tempat = (tempat + 1) & (ruang_tugas - 1)) {
        if (tugas[tempat] == identitas) {
            return false;
        }
    }
    terisi[tempat] = true;
    tugas[tempat] = identitas;
    return true;
}

// Writes awal, teks and akhir as one line, longer than a Baris may hold.
void tulis_elemen(std::string_view awal, std::string_view teks, std::string_view akhir) {
    tulis_teks(awal);
    tulis_teks(teks);
    tulis_baris(akhir);
}

// A question of the bank: its name, its task, its working as general feedback, its settings
// and its options in letter order.
template <JenisSoal Soal>
void tulis_pertanyaan(const Soal &soal, const Pilihan &pilihan, std::uint64_t benih, int nomor) {
    tulis_baris(xml_pertanyaan);
    Baris nama{};
    sambung(nama, teks_benih_siswa);
    sambung_angka(nama, benih, basis_desimal);
    sambung(nama, xml_soal_ke);
    sambung_angka(nama, static_cast<std::uint64_t>(nomor), basis_desimal);
    tulis_elemen(xml_nama_awal, isi(nama), xml_nama_akhir);
    Baris tugas_soal{};
    soal.sambung_tugas(tugas_soal);
    tulis_elemen(xml_tugas_awal, isi(tugas_soal), xml_tugas_akhir);
    tulis_teks(xml_umpan_awal);
    tulis_html(true);
    lewati_baris_kosong();
    soal.langkah();
    tulis_html(false);
    tulis_baris(xml_umpan_akhir);
    for (const std::string_view baris : xml_pengaturan) {
        tulis_baris(baris);
    }
    for (int huruf = 0; huruf < banyak_opsi; ++huruf) {
        const bool benar = huruf == pilihan.jawaban;
        tulis_teks(benar ? xml_opsi_benar : xml_opsi_salah);
        tulis_teks(isi(pilihan.opsi[huruf].angka));
        tulis_elemen(xml_opsi_alasan, benar ? teks_benar_moodle : isi(pilihan.opsi[huruf].alasan),
                     xml_opsi_akhir);
    }
    tulis_baris(xml_pertanyaan_akhir);
}

} // namespace

template <JenisSoal Soal> void tulis_moodle(const Cetakan &cetakan) {
    for (const std::string_view baris : xml_awal) {
        tulis_baris(baris);
    }
    Baris kategori{};
    sambung(kategori, Soal::nama);
    sambung(kategori, xml_tingkat);
    sambung_angka(kategori, static_cast<std::uint64_t>(cetakan.tingkat), basis_desimal);
    sambung(kategori, xml_kategori_benih);
    sambung_angka(kategori, cetakan.benih, basis_desimal);
    tulis_elemen(xml_kategori_awal, isi(kategori), xml_kategori_akhir);
    tulis_baris(xml_kategori_tutup);
    for (int k = 0; k < cetakan.siswa; ++k) {
        const std::uint64_t benih = cetakan.benih + static_cast<std::uint64_t>(k);
        std::uint64_t keadaan = benih;
        std::uint64_t keadaan_opsi = benih_pilihan(benih, Soal::nomor, cetakan.tingkat);
        for (int nomor = 1; nomor <= cetakan.banyak; ++nomor) {
            const Soal soal = Soal::berikut(keadaan, cetakan.tingkat);
            const Pilihan pilihan = pilihan_soal(soal, keadaan_opsi);
            if (tugas_baru(soal.identitas())) {
                tulis_pertanyaan(soal, pilihan, benih, nomor);
            }
        }
    }
    tulis_baris(xml_akhir);
}

template void tulis_moodle<SoalKonversi>(const Cetakan &);
template void tulis_moodle<SoalHitung>(const Cetakan &);
template void tulis_moodle<SoalPecahan>(const Cetakan &);
