// The program's start: the command line is read whole before anything is written; then the
// dialogue runs, with the working when it was asked for.
#include "menu.h"
#include "texts.h"

#include "console/console.h"
#include "conversion/conversion.h"

#include <string_view>

namespace {

// Exit status for a command line that is not understood, as coreutils gives.
constexpr int status_salah_pakai = 2;

// What the command line asks for. salah is the first argument that is not understood, if any,
// and alasan the text that names it.
struct Perintah {
    bool langkah;
    bool bantuan;
    bool versi;
    std::string_view salah;
    std::string_view alasan;
};

Perintah baca_perintah(int argc, char **argv) {
    Perintah perintah{};
    for (int i = 1; i < argc && perintah.salah.empty(); ++i) {
        const std::string_view argumen = argv[i];
        if (argumen == "--langkah" || argumen == "-l") {
            perintah.langkah = true;
        } else if (argumen == "--help" || argumen == "-h") {
            perintah.bantuan = true;
        } else if (argumen == "--version") {
            perintah.versi = true;
        } else {
            perintah.salah = argumen;
            perintah.alasan = argumen.starts_with('-') ? teks_opsi_salah : teks_argumen_salah;
        }
    }
    return perintah;
}

} // namespace

int main(int argc, char **argv) {
    const Perintah perintah = baca_perintah(argc, argv);
    siapkan_konsol();
    if (!perintah.salah.empty()) {
        tulis_galat(perintah.alasan, perintah.salah);
        tulis_galat(teks_coba_bantuan);
        return status_salah_pakai;
    }
    if (perintah.bantuan) {
        for (const std::string_view baris : teks_bantuan) {
            tulis_baris(baris);
        }
        return 0;
    }
    if (perintah.versi) {
        for (const std::string_view baris : teks_versi) {
            tulis_baris(baris);
        }
        return 0;
    }
    tampilkan_langkah(perintah.langkah);
    menu_utama();
}
