// What the practice round and the sheets ask of a kind of question (SoalKonversi describes
// it), and the header they share.
#pragma once

#include "conversion/conversion.h"

#include <concepts>
#include <cstdint>
#include <string_view>

template <class Soal>
concept JenisSoal = requires(const Soal soal, Baris baris, std::uint64_t keadaan) {
    { Soal::jenis } -> std::convertible_to<std::string_view>;
    { Soal::berikut(keadaan, tingkat_dasar) } -> std::same_as<Soal>;
    soal.sambung_tugas(baris);
    soal.sambung_prompt(baris);
    { soal.periksa() } -> std::same_as<bool>;
    soal.sambung_jawaban(baris);
    soal.langkah();
};

// Writes a header: judul between rules, under it "10 soal, benih 42", or with the kind's word
// "10 soal hitung, benih 42", with ", tingkat 2" at level 2, then a rule.
void tulis_kepala(std::string_view judul, int banyak, std::uint64_t benih, int tingkat,
                  std::string_view jenis);
