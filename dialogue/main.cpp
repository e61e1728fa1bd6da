// The program's start: the command line is read whole before anything is written; then the
// converter runs, with the working when it was asked for, the practice round, or the sheets.
#include "latihan.h"
#include "lembar.h"
#include "menu.h"
#include "moodle.h"
#include "texts.h"

#include "arithmetic/arithmetic.h"
#include "console/console.h"
#include "conversion/conversion.h"
#include "pecahan/pecahan.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace {

// Exit status for a command line that is not understood, as coreutils gives.
constexpr int status_salah_pakai = 2;

// A round's or a sheet's questions unless --soal says otherwise.
constexpr int soal_bawaan = 10;

// A seed drawn for a round or a sheet is one a student can read out and type again: 1 to
// 999999.
constexpr std::uint64_t benih_acak_maks = 999999;

// The kinds of question and dialogue: conversions, operations (--hitung), fractions
// (--pecahan).
enum class Jenis { konversi, hitung, pecahan };

// What the command line asks for. The numbers are those given, if any. alasan names the first
// fault, if any, and salah is the argument or the number it is about.
struct Perintah {
    bool langkah;
    Jenis jenis;
    bool bantuan;
    bool versi;
    bool latihan;
    bool lembar;
    bool kunci;
    bool pilihan;
    bool moodle;
    std::optional<std::uint64_t> soal;
    std::optional<std::uint64_t> benih;
    std::optional<std::uint64_t> siswa;
    std::optional<std::uint64_t> tingkat;
    std::string_view salah;
    std::string_view alasan;
};

// An option that takes a number, as "--nama=N" or as "--nama" followed by "N": its range, the
// text that refuses a number outside it, whether --latihan is enough for it or it needs
// --lembar, --kunci or --moodle, and where its number goes.
struct OpsiBilangan {
    std::string_view nama;
    std::uint64_t min;
    std::uint64_t maks;
    std::string_view alasan;
    bool hanya_cetakan;
    std::optional<std::uint64_t> Perintah::*tempat;
};
constexpr OpsiBilangan opsi_bilangan_semua[] = {
    {"--soal", 1, soal_maks, teks_soal_salah, false, &Perintah::soal},
    {"--benih", 0, std::numeric_limits<std::uint64_t>::max(), teks_benih_salah, false,
     &Perintah::benih},
    {"--siswa", 1, siswa_maks, teks_siswa_salah, true, &Perintah::siswa},
    {"--tingkat", tingkat_dasar, tingkat_maks, teks_tingkat_salah, false, &Perintah::tingkat},
};

// The value of a number given to an option: decimal digits only, leading zeros allowed, from
// opsi.min to opsi.max; nothing for anything else.
std::optional<std::uint64_t> baca_bilangan(std::string_view teks, const OpsiBilangan &opsi) {
    std::uint64_t nilai = 0;
    for (const char c : teks) {
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (c < '0' || c > '9' || digit > opsi.maks ||
            nilai > (opsi.maks - digit) / basis_desimal) {
            return std::nullopt;
        }
        nilai = nilai * basis_desimal + digit;
    }
    if (teks.empty() || nilai < opsi.min) {
        return std::nullopt;
    }
    return nilai;
}

// The option that argumen names, as "--nama" or "--nama=N"; nullptr for any other.
const OpsiBilangan *opsi_bilangan(std::string_view argumen) {
    for (const OpsiBilangan &opsi : opsi_bilangan_semua) {
        const std::string_view awal(argumen.data(), std::min(argumen.size(), opsi.nama.size()));
        if (awal == opsi.nama && (argumen.size() == awal.size() || argumen[awal.size()] == '=')) {
            return &opsi;
        }
    }
    return nullptr;
}

// Whether nama is one of the arguments.
bool ada(int argc, char **argv, std::string_view nama) {
    return std::any_of(argv + 1, argv + argc,
                       [nama](const char *argumen) { return std::string_view(argumen) == nama; });
}

// Whether argumen is one of those that --moodle cannot go with.
bool bukan_untuk_moodle(std::string_view argumen) {
    return argumen == "--latihan" || argumen == "--lembar" || argumen == "--kunci" ||
           argumen == "--pilihan";
}

// Reads the arguments up to the first that is wrong. An option is wrong where it stands when
// what it is for is nowhere on the command line; --lembar or --kunci, the first of them, when
// --latihan is anywhere; --latihan, --lembar, --kunci or --pilihan, the first of them, when
// --moodle is anywhere, which is the fault named where it falls on the same argument as another.
Perintah baca_perintah(int argc, char **argv) {
    Perintah perintah{};
    perintah.latihan = ada(argc, argv, "--latihan");
    perintah.lembar = ada(argc, argv, "--lembar");
    perintah.kunci = ada(argc, argv, "--kunci");
    perintah.moodle = ada(argc, argv, "--moodle");
    const bool cetakan = perintah.lembar || perintah.kunci || perintah.moodle;
    for (int i = 1; i < argc && perintah.alasan.empty(); ++i) {
        const std::string_view argumen = argv[i];
        perintah.salah = argumen;
        if (perintah.moodle && bukan_untuk_moodle(argumen)) {
            perintah.alasan = teks_moodle_dan_lain;
        } else if (const OpsiBilangan *opsi = opsi_bilangan(argumen)) {
            std::string_view bilangan = argumen;
            bilangan.remove_prefix(std::min(argumen.size(), opsi->nama.size() + 1));
            if (argumen == opsi->nama && i + 1 < argc) {
                bilangan = argv[++i];
            }
            const auto nilai = baca_bilangan(bilangan, *opsi);
            if (opsi->hanya_cetakan && !cetakan) {
                perintah.alasan = teks_tanpa_cetakan;
            } else if (!cetakan && !perintah.latihan) {
                perintah.alasan = teks_tanpa_latihan;
            } else if (bilangan.empty()) {
                perintah.alasan = teks_tanpa_bilangan;
            } else if (!nilai) {
                perintah.salah = bilangan;
                perintah.alasan = opsi->alasan;
            } else {
                perintah.*(opsi->tempat) = nilai;
            }
        } else if (argumen == "--langkah" || argumen == "-l") {
            perintah.langkah = true;
        } else if (argumen == "--hitung" || argumen == "--pecahan") {
            const Jenis jenis = argumen == "--hitung" ? Jenis::hitung : Jenis::pecahan;
            if (perintah.jenis != Jenis::konversi && perintah.jenis != jenis) {
                perintah.alasan = teks_hitung_dan_pecahan;
            }
            perintah.jenis = jenis;
        } else if (argumen == "--help" || argumen == "-h") {
            perintah.bantuan = true;
        } else if (argumen == "--version") {
            perintah.versi = true;
        } else if (argumen == "--lembar" || argumen == "--kunci") {
            if (perintah.latihan) {
                perintah.alasan = teks_latihan_dan_lembar;
            }
        } else if (argumen == "--pilihan") {
            perintah.pilihan = true;
            if (!perintah.lembar && !perintah.kunci) {
                perintah.alasan = teks_tanpa_lembar;
            }
        } else if (argumen != "--latihan" && argumen != "--moodle") {
            perintah.alasan = argumen.starts_with('-') ? teks_opsi_salah : teks_argumen_salah;
        }
    }
    return perintah;
}

// Runs the practice round or writes the sheets, of the kind Soal, as perintah asks.
template <JenisSoal Soal> void jalankan_soal(const Perintah &perintah) {
    const std::uint64_t benih =
        perintah.benih ? *perintah.benih : 1 + bilangan_acak() % benih_acak_maks;
    const auto soal = static_cast<int>(perintah.soal.value_or(soal_bawaan));
    const auto tingkat = static_cast<int>(perintah.tingkat.value_or(tingkat_dasar));
    if (perintah.latihan) {
        latihan<Soal>(benih, soal, tingkat);
    }
    const Cetakan cetakan{benih,
                          soal,
                          tingkat,
                          static_cast<int>(perintah.siswa.value_or(1)),
                          perintah.lembar,
                          perintah.kunci,
                          perintah.langkah,
                          perintah.pilihan};
    if (perintah.moodle) {
        tulis_moodle<Soal>(cetakan);
    } else {
        tulis_cetakan<Soal>(cetakan);
    }
}

} // namespace

int main(int argc, char **argv) {
    const Perintah perintah = baca_perintah(argc, argv);
    siapkan_konsol();
    if (!perintah.alasan.empty()) {
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
    if (perintah.latihan || perintah.lembar || perintah.kunci || perintah.moodle) {
        switch (perintah.jenis) {
        case Jenis::konversi:
            jalankan_soal<SoalKonversi>(perintah);
            break;
        case Jenis::hitung:
            jalankan_soal<SoalHitung>(perintah);
            break;
        case Jenis::pecahan:
            jalankan_soal<SoalPecahan>(perintah);
            break;
        }
        return 0;
    }
    switch (perintah.jenis) {
    case Jenis::konversi:
        menu_utama(perintah.langkah);
    case Jenis::hitung:
        menu_hitung(perintah.langkah);
    case Jenis::pecahan:
        menu_pecahan(perintah.langkah);
    }
}
