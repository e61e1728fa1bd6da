// The whole dialogue fed an arbitrary byte stream as standard input, without and with the
// working. It must end by itself at end of input with status 0, and every byte it writes must
// belong to one of its texts, a result line in the right digits, or the clearing sequence.
// With the working, it writes the same and, after each conversion's result lines, sections
// that read back the digits of their base's result line (groups, complements, divisions of
// a value that is not negative) or the bits of the magnitude typed (expansions, the division
// by 2 of a negative decimal), and a complement exactly for a number typed negative.
#include "ending.h"
#include "memory_console.h"
#include "sections.h"

#include "console/texts.h"
#include "conversion/conversion.h"
#include "conversion/texts.h"
#include "dialogue/menu.h"
#include "dialogue/texts.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

namespace {

bool ambil(std::string_view &out, std::string_view teks) {
    if (out.substr(0, teks.size()) != teks) {
        return false;
    }
    out.remove_prefix(teks.size());
    return true;
}

// Takes a result line's digits: no leading zero but in "0", at most 32, then the line's end.
bool ambil_digit(std::string_view &out, std::string_view digits) {
    const std::size_t n = out.find_first_not_of(digits);
    if (n == 0 || n > 32 || n == std::string_view::npos || out[n] != '\n' ||
        (out[0] == '0' && n > 1)) {
        return false;
    }
    out.remove_prefix(n + 1);
    return true;
}

bool keluaran_sah(std::string_view out) {
    const std::string_view teks_tetap[] = {
        teks_prompt_pilihan, teks_coba_lagi,    teks_salah,        teks_prompt_desimal,
        teks_prompt_biner,   teks_prompt_oktal, teks_prompt_heksa, urutan_bersih,
    };
    while (!out.empty()) {
        bool cocok = ambil(out, "\n");
        for (const std::string_view teks : teks_menu) {
            cocok = cocok || (!teks.empty() && ambil(out, teks));
        }
        for (const std::string_view teks : teks_tetap) {
            cocok = cocok || ambil(out, teks);
        }
        if (cocok) {
            continue;
        }
        if (ambil(out, label_desimal)) {
            ambil(out, "-");
            cocok = ambil_digit(out, "0123456789");
        } else if (ambil(out, label_biner)) {
            cocok = ambil_digit(out, "01");
        } else if (ambil(out, label_oktal)) {
            cocok = ambil_digit(out, "01234567");
        } else if (ambil(out, label_heksa)) {
            cocok = ambil_digit(out, "0123456789ABCDEF");
        }
        if (!cocok) {
            return false;
        }
    }
    return true;
}

// What the working of one conversion must read back: the value's pattern (from the decimal
// result line, or for a decimal numeral the binary one), the magnitude of the numeral typed
// and whether it was typed negative, and the result lines' digits by base.
struct Konversi {
    std::uint32_t pola = 0;
    std::uint32_t besar = 0;
    bool negatif = false;
    std::string baris[17]; // the result lines' digits, by basis
};

// Reads a result line's digits into konversi.
void baca_hasil(std::string_view baris, Konversi &konversi) {
    const std::pair<std::string_view, unsigned> label[] = {
        {label_desimal, 10}, {label_biner, 2}, {label_oktal, 8}, {label_heksa, 16}};
    for (const auto &[teks, basis] : label) {
        if (baris.substr(0, teks.size()) == teks) {
            std::string digits(baris.substr(teks.size()));
            konversi.baris[basis] = digits;
            if (basis == 10) {
                konversi.pola = static_cast<std::uint32_t>(std::stoll(digits));
            } else if (basis == 2 && konversi.baris[10].empty()) {
                konversi.pola = static_cast<std::uint32_t>(std::stoull(digits, nullptr, 2));
            }
        }
    }
}

// Whether a section reads back the digits of its base's result line, or of the magnitude
// typed, in the conversion k.
bool bagian_sah(const Bagian &bagian, const Konversi &k) {
    const auto sama = [&](std::string_view teks, std::string_view harapan) {
        return cari(bagian, teks) == harapan;
    };
    const std::string_view judul = bagian.judul;
    if (judul == judul_bagi_biner) {
        return sama(teks_dibaca, digit(k.besar, 2));
    }
    if (judul == judul_bagi_oktal || judul == judul_bagi_heksa) {
        return !k.negatif && sama(teks_dibaca, k.baris[judul == judul_bagi_oktal ? 8 : 16]);
    }
    if (judul == judul_urai_oktal || judul == judul_urai_heksa) {
        return sama(teks_tanpa_nol, digit(k.besar, 2));
    }
    if (judul == judul_kelompok_oktal || judul == judul_kelompok_heksa) {
        return sama(teks_dibaca_kiri, k.baris[judul == judul_kelompok_oktal ? 8 : 16]);
    }
    if (judul == judul_komplemen) {
        return sama(label_tanpa_tanda, digit(k.besar, 2, 32)) &&
               sama(label_komplemen_dua, digit(k.pola, 2, 32));
    }
    return judul == judul_bobot && sama(teks_jumlah, std::to_string(k.besar));
}

// Takes the working out of out: from the empty line that opens its first section up to the
// empty line before the try-again prompt. False when a section reads back digits other than
// those of its base's result line, or of the magnitude typed, in the conversion just before,
// or when a number typed negative (not 0) has no complement, or one that is not has one.
bool buang_langkah(std::string &out) {
    const std::string kembali = "\n" + std::string(teks_coba_lagi);
    for (std::size_t awal = out.find("\n\nKe "); awal != std::string::npos;
         awal = out.find("\n\nKe ", awal)) {
        const std::size_t akhir = out.find(kembali, awal);
        const std::size_t konversi = out.rfind(teks_prompt_pilihan, awal);
        if (akhir == std::string::npos || konversi == std::string::npos) {
            return false;
        }
        Konversi k;
        for (std::string_view hasil = std::string_view(out).substr(konversi, awal - konversi);
             !hasil.empty();) {
            const std::size_t label = hasil.find(label_desimal.substr(0, 6));
            if (label == std::string_view::npos) {
                break;
            }
            hasil.remove_prefix(label);
            baca_hasil(hasil.substr(0, hasil.find('\n')), k);
            hasil.remove_prefix(std::min(hasil.size(), hasil.find('\n')));
        }
        // The sections: each an empty line, its title, then its lines.
        std::vector<Bagian> langkah;
        std::string_view sisa = std::string_view(out).substr(awal + 1, akhir - awal - 1);
        while (!sisa.empty()) {
            const std::string_view baris = sisa.substr(0, sisa.find('\n'));
            sisa.remove_prefix(std::min(sisa.size(), baris.size() + 1));
            if (baris.empty()) {
                langkah.push_back({sisa.substr(0, sisa.find('\n')), {}});
                sisa.remove_prefix(std::min(sisa.size(), langkah.back().judul.size() + 1));
            } else if (!langkah.empty()) {
                langkah.back().baris.push_back(baris);
            } else {
                return false;
            }
        }
        if (langkah.empty()) {
            return false;
        }
        // A decimal numeral is worked from its pattern; the others from their weighting.
        const Bagian &pertama = langkah.front();
        if (pertama.judul == judul_bobot) {
            k.besar =
                static_cast<std::uint32_t>(std::stoull(std::string(cari(pertama, teks_jumlah))));
            k.negatif = !cari(pertama, teks_tanda_minus).empty();
        } else {
            k.negatif = static_cast<std::int32_t>(k.pola) < 0;
            k.besar = k.negatif ? 0U - k.pola : k.pola;
        }
        bool komplemen = false;
        for (const Bagian &bagian : langkah) {
            komplemen = komplemen || bagian.judul == judul_komplemen;
            if (!bagian_sah(bagian, k)) {
                return false;
            }
        }
        if (komplemen != (k.negatif && k.besar != 0)) {
            return false;
        }
        out.erase(awal + 1, akhir - awal - 1);
    }
    return true;
}

// Runs the dialogue on masukan; returns what it wrote, or aborts when it does not end by
// itself with status 0 and nothing on standard error.
std::string jalankan(std::string_view masukan, bool langkah) {
    start_console(masukan);
    int status = -1;
    try {
        menu_utama(langkah);
    } catch (const Akhir &akhir) {
        status = akhir.status;
    }
    if (status != 0 || !console_errors().empty()) {
        std::fprintf(stderr, "ended with status %d:\n%s\n", status, console_errors().c_str());
        std::abort();
    }
    return console_output();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view masukan(reinterpret_cast<const char *>(data), size);
    const std::string out = jalankan(masukan, false);
    if (!keluaran_sah(out)) {
        std::fprintf(stderr, "wrote bytes that are none of the dialogue's:\n%s\n", out.c_str());
        std::abort();
    }
    std::string dengan_langkah = jalankan(masukan, true);
    if (!buang_langkah(dengan_langkah) || dengan_langkah != out) {
        std::fprintf(stderr,
                     "the working is not where it belongs or reads back wrong digits:\n%s\n",
                     jalankan(masukan, true).c_str());
        std::abort();
    }
    return 0;
}
