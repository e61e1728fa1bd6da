// The controls of "Lembar soal", the group "Cetakan": the first seed, the questions and the
// students, each a text field of decimal digits (a number field cannot hold 2^64-1 exactly),
// which sheets to print, and whether they are multiple choice ("Pilihan ganda", with the key
// table after the keys). A value out of its range, or no sheets chosen, leaves nothing to run; a
// value out of its range says so next to its field. "Cetak" prints once a run of the sheets has
// ended.
const BATAS_BENIH = 2n ** 64n - 1n;

const grup = document.getElementById('cetakan');
const lembar = document.getElementById('cetak-lembar');
const kunci = document.getElementById('cetak-kunci');
const langkah = document.getElementById('cetak-langkah');
const cetak = document.getElementById('cetak');
export const pilihan = document.getElementById('pilihan');

// Each field: its option, and the numbers it takes.
const isian = [
  { opsi: '--benih', min: 0n, maks: BATAS_BENIH, elemen: document.getElementById('benih') },
  { opsi: '--soal', min: 1n, maks: 100n, elemen: document.getElementById('soal') },
  { opsi: '--siswa', min: 1n, maks: 100n, elemen: document.getElementById('siswa') },
];
isian[0].elemen.value = String(1 + crypto.getRandomValues(new Uint32Array(1))[0] % 999999);

export const kontrolCetakan = [...isian.map(({ elemen }) => elemen), lembar, kunci, langkah,
  pilihan];

// Whether a field's value is in its range, said by its message and aria-invalid.
function periksa({ min, maks, elemen }) {
  const sah = /^\d+$/.test(elemen.value) && BigInt(elemen.value) >= min &&
    BigInt(elemen.value) <= maks;
  elemen.toggleAttribute('aria-invalid', !sah);
  elemen.nextElementSibling.textContent = sah ? '' : `Harus bilangan ${min} sampai ${maks}`;
  return sah;
}

// The program's arguments for the sheets chosen at tingkat, with those of the kind of question
// (jenis), or null when there is nothing to run. The working is for the keys alone.
export function argumenCetakan(tingkat, jenis) {
  langkah.disabled = !kunci.checked;
  cetak.disabled = true;
  const sah = isian.map(periksa).every(Boolean);
  if (!sah || !(lembar.checked || kunci.checked)) {
    return null;
  }
  return [
    ...(lembar.checked ? ['--lembar'] : []),
    ...(kunci.checked ? ['--kunci'] : []),
    ...jenis,
    ...(pilihan.checked ? ['--pilihan'] : []),
    ...(kunci.checked && langkah.checked ? ['--langkah'] : []),
    ...isian.map(({ opsi, elemen }) => `${opsi}=${elemen.value}`),
    `--tingkat=${tingkat}`,
  ];
}

// The run of the sheets has ended: they can be printed. Returns how many there are, the key
// table of multiple choice, which follows the keys, counted as one.
export function siapCetak() {
  cetak.disabled = false;
  return Number(isian[2].elemen.value) * (Number(lembar.checked) + Number(kunci.checked)) +
    Number(pilihan.checked && kunci.checked);
}

export function tampilkanCetakan(ya) {
  grup.hidden = !ya;
}

export function fokusCetakan() {
  isian[0].elemen.focus();
}

cetak.addEventListener('click', () => window.print());
