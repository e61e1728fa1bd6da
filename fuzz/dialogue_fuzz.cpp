// The whole dialogue fed an arbitrary byte stream as standard input, without and with the
// working. It must end by itself at end of input with status 0, and every byte it writes must
// belong to one of its texts, a result line in the right digits, or the clearing sequence.
// With the working, it writes the same and, after each conversion's result lines, sections
// whose digits read back are those of the result line in their base.
#include "ending.h"
#include "memory_console.h"

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

// The label of the result line in the base that a division section's title names.
std::string_view label_bagi(std::string_view judul) {
    if (judul == judul_bagi_biner) {
        return label_biner;
    }
    return judul == judul_bagi_oktal ? label_oktal : label_heksa;
}

// Takes the working out of out: from the empty line that opens its first section up to the
// empty line before the try-again prompt. False when the digits that a division section reads
// back are not those of its base's result line in the conversion just before.
bool buang_langkah(std::string &out) {
    const std::string kembali = "\n" + std::string(teks_coba_lagi);
    for (std::size_t awal = out.find("\n\nKe "); awal != std::string::npos;
         awal = out.find("\n\nKe ", awal)) {
        const std::size_t akhir = out.find(kembali, awal);
        const std::size_t konversi = out.rfind(teks_prompt_pilihan, awal);
        if (akhir == std::string::npos || konversi == std::string::npos) {
            return false;
        }
        const std::string_view hasil = std::string_view(out).substr(konversi, awal + 1 - konversi);
        std::string_view sisa = std::string_view(out).substr(awal + 1, akhir - awal - 1);
        std::string_view judul;
        bool judul_berikut = false;
        while (!sisa.empty()) {
            const std::string_view baris = sisa.substr(0, sisa.find('\n'));
            sisa.remove_prefix(std::min(sisa.size(), baris.size() + 1));
            if (judul_berikut) {
                judul = baris;
            }
            judul_berikut = baris.empty();
            if (baris.substr(0, teks_dibaca.size()) == teks_dibaca) {
                const std::string digit = std::string(label_bagi(judul)) +
                                          std::string(baris.substr(teks_dibaca.size())) + "\n";
                if (hasil.find(digit) == std::string_view::npos) {
                    return false;
                }
            }
        }
        out.erase(awal + 1, akhir - awal - 1);
    }
    return true;
}

// Runs the dialogue on masukan; returns what it wrote, or aborts when it does not end by
// itself with status 0 and nothing on standard error.
std::string jalankan(std::string_view masukan, bool langkah) {
    start_console(masukan);
    tampilkan_langkah(langkah);
    int status = -1;
    try {
        menu_utama();
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
