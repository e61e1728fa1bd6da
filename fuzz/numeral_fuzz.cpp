// The numeral readers against a plain model of the rules. The first byte picks the base; the
// rest is the answer, followed by whatever was typed after it.
#include "memory_console.h"

#include "console/console.h"
#include "conversion/radix.h"

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace {

struct Model {
    std::optional<int> value;
    std::size_t taken; // bytes the answer takes from the input
};

bool blank(char c) {
    return spasi(static_cast<unsigned char>(c));
}

// Value of an optional sign and digits in base: 32-bit rules, or nothing.
std::optional<int> evaluate(std::string_view sign, std::string_view digits, int base) {
    if (digits.empty()) {
        return std::nullopt;
    }
    const std::string text(digits);
    const unsigned long long magnitude = std::strtoull(text.c_str(), nullptr, base);
    const bool negative = sign == "-";
    const unsigned long long limit =
        negative ? 1ULL << 31 : (base == basis_desimal ? (1ULL << 31) - 1 : (1ULL << 32) - 1);
    if (magnitude > limit) {
        return std::nullopt;
    }
    const auto pattern = static_cast<std::uint32_t>(magnitude);
    return static_cast<int>(negative ? 0U - pattern : pattern);
}

Model model(std::string_view in, int base) {
    std::size_t word = 0;
    while (word < in.size() && !blank(in[word])) {
        ++word;
    }
    const std::size_t sign = !in.empty() && (in[0] == '+' || in[0] == '-') ? 1 : 0;
    if (base == basis_heksa) {
        std::string_view rest = in.substr(sign, word - sign);
        if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
            rest.remove_prefix(2);
        }
        if (rest.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos) {
            return {std::nullopt, word};
        }
        return {evaluate(in.substr(0, sign), rest, base), word};
    }
    std::size_t end = sign;
    while (end < in.size() && in[end] >= '0' && in[end] <= '9') {
        ++end;
    }
    const std::string_view digits = in.substr(sign, end - sign);
    const std::string_view allowed = std::string_view("0123456789").substr(0, base);
    if (digits.find_first_not_of(allowed) != std::string_view::npos) {
        return {std::nullopt, word};
    }
    const std::optional<int> value = evaluate(in.substr(0, sign), digits, base);
    return {value, value ? end : word};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int bases[] = {basis_biner, basis_oktal, basis_desimal, basis_heksa};
    const int base = bases[data[0] % 4];
    const std::string typed(reinterpret_cast<const char *>(data) + 1, size - 1);
    start_console(typed);
    const auto numeral = base == basis_heksa ? baca_kata_heksa() : baca_token(base);
    const std::optional<int> got = numeral ? std::optional(numeral->nilai) : std::nullopt;
    std::string left;
    for (int byte = lihat_masukan(); byte != akhir_masukan; byte = lihat_masukan()) {
        left += static_cast<char>(byte);
        ambil_masukan();
    }
    const Model want = model(typed, base);
    if (numeral && numeral->minus != (typed[0] == '-')) {
        std::cerr << "base " << base << ": the sign of " << *got << " is not as typed\n";
        std::abort();
    }
    if (got != want.value || left != typed.substr(want.taken)) {
        std::cerr << "base " << base << ": read " << (got ? std::to_string(*got) : "nothing")
                  << " leaving " << left.size() << " bytes; expected "
                  << (want.value ? std::to_string(*want.value) : "nothing") << " leaving "
                  << typed.size() - want.taken << '\n';
        std::abort();
    }
    return 0;
}
