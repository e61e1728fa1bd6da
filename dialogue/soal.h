// What the practice round and the sheets ask of a kind of question (SoalKonversi describes
// it), and the header they share.
#pragma once

#include "conversion/conversion.h"

#include <concepts>
#include <cstdint>
#include <optional>
#include <string_view>

template <class Soal>
concept JenisSoal = requires(const Soal soal, Baris baris, std::uint64_t keadaan,
                             DaftarKesalahan daftar) {
    { Soal::jenis } -> std::convertible_to<std::string_view>;
    { Soal::nama } -> std::convertible_to<std::string_view>;
    { Soal::nomor } -> std::convertible_to<int>;
    { Soal::jawaban_pecahan } -> std::convertible_to<bool>;
    { Soal::berikut(keadaan, tingkat_dasar) } -> std::same_as<Soal>;
    soal.sambung_tugas(baris);
    soal.sambung_prompt(baris);
    { soal.identitas() } -> std::same_as<std::uint64_t>;
    { soal.periksa() } -> std::same_as<bool>;
    soal.sambung_jawaban(baris);
    { soal.basis_jawaban() } -> std::same_as<int>;
    soal.tulis_kesalahan(daftar);
    soal.langkah();
};

// Writes a header: judul between rules, under it "10 soal, benih 42", or with the kind's word
// "10 soal hitung, benih 42", with " sampai 43" after the seed where a last seed is given and
// ", tingkat 2" at level 2, then a rule.
void tulis_kepala(std::string_view judul, int banyak, std::uint64_t benih, int tingkat,
                  std::string_view jenis, std::optional<std::uint64_t> sampai = std::nullopt);
