// The whole dialogue fed an arbitrary byte stream as standard input. It must end by itself at
// end of input with status 0, and every byte it writes must belong to one of its texts, a
// result line in the right digits, or the clearing sequence.
#include "ending.h"
#include "memory_console.h"

#include "console/texts.h"
#include "conversion/texts.h"
#include "dialogue/menu.h"
#include "dialogue/texts.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    start_console({reinterpret_cast<const char *>(data), size});
    int status = -1;
    try {
        menu_utama();
    } catch (const Akhir &akhir) {
        status = akhir.status;
    }
    const std::string &out = console_output();
    if (status != 0 || !console_errors().empty()) {
        std::fprintf(stderr, "ended with status %d:\n%s\n", status, console_errors().c_str());
        std::abort();
    }
    if (!keluaran_sah(out)) {
        std::fprintf(stderr, "wrote bytes that are none of the dialogue's:\n%s\n", out.c_str());
        std::abort();
    }
    return 0;
}
