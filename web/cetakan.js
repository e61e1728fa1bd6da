// The controls of "Lembar soal", the group "Cetakan": the first seed, the questions and the
// students, each a text field of decimal digits (a number field cannot hold 2^64-1 exactly),
// which sheets to print, and whether they are multiple choice ("Pilihan ganda", with the key
// table after the keys). A value out of its range, or no sheets chosen, leaves nothing to run; a
// value out of its range says so next to its field. "Cetak" prints once a run of the sheets has
// ended. "Unduh untuk Moodle" saves the question bank of the same seed, questions, students,
// kind and level, as the program writes it with --moodle, while the sheets stay on the screen.
import { jalankanProgram } from './program.js';

const BATAS_BENIH = 2n ** 64n - 1n;

const grup = document.getElementById('cetakan');
const lembar = document.getElementById('cetak-lembar');
const kunci = document.getElementById('cetak-kunci');
const langkah = document.getElementById('cetak-langkah');
const cetak = document.getElementById('cetak');
export const pilihan = document.getElementById('pilihan');
const moodle = document.getElementById('moodle');

// Each field: its option, and the numbers it takes.
const isian = [
  { opsi: '--benih', min: 0n, maks: BATAS_BENIH, elemen: document.getElementById('benih') },
  { opsi: '--soal', min: 1n, maks: 100n, elemen: document.getElementById('soal') },
  { opsi: '--siswa', min: 1n, maks: 100n, elemen: document.getElementById('siswa') },
];
isian[0].elemen.value = String(1 + crypto.getRandomValues(new Uint32Array(1))[0] % 999999);

export const kontrolCetakan = [...isian.map(({ elemen }) => elemen), lembar, kunci, langkah,
  pilihan];

// The bank's arguments and its file's name for the values as they are, or null when a value is
// out of its range.
let bank = null;

// Whether a field's value is in its range, said by its message and aria-invalid.
function periksa({ min, maks, elemen }) {
  const sah = /^\d+$/.test(elemen.value) && BigInt(elemen.value) >= min &&
    BigInt(elemen.value) <= maks;
  elemen.toggleAttribute('aria-invalid', !sah);
  elemen.nextElementSibling.textContent = sah ? '' : `Harus bilangan ${min} sampai ${maks}`;
  return sah;
}

// The program's arguments for the sheets chosen at tingkat, of the kind of question jenis, whose
// options are soal, or null when there is nothing to run. The working is for the keys alone.
export function argumenCetakan(tingkat, jenis, soal) {
  langkah.disabled = !kunci.checked;
  cetak.disabled = true;
  const sah = isian.map(periksa).every(Boolean);
  const nilai = isian.map(({ opsi, elemen }) => `${opsi}=${elemen.value}`);
  bank = sah ? {
    argumen: ['--moodle', ...soal, ...nilai, `--tingkat=${tingkat}`],
    nama: `tavirel-${jenis}-tingkat-${tingkat}-benih-${BigInt(isian[0].elemen.value)}.xml`,
  } : null;
  moodle.disabled = !sah;
  if (!sah || !(lembar.checked || kunci.checked)) {
    return null;
  }
  return [
    ...(lembar.checked ? ['--lembar'] : []),
    ...(kunci.checked ? ['--kunci'] : []),
    ...soal,
    ...(pilihan.checked ? ['--pilihan'] : []),
    ...(kunci.checked && langkah.checked ? ['--langkah'] : []),
    ...nilai,
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

// What a run writes, gathered in one buffer that doubles when full, so that gathering a bank of
// 16 MB copies each byte a bounded number of times.
function pengumpul() {
  let isi = new Uint8Array(65536);
  let panjang = 0;
  return {
    tulis: (bytes) => {
      if (panjang + bytes.length > isi.length) {
        const lebih = new Uint8Array(Math.max(2 * isi.length, panjang + bytes.length));
        lebih.set(isi.subarray(0, panjang));
        isi = lebih;
      }
      isi.set(bytes, panjang);
      panjang += bytes.length;
      return bytes.length;
    },
    hasil: () => isi.subarray(0, panjang),
  };
}

// Saves bytes as a file named nama, through a link to them that the browser downloads. The
// browser reads them from that address after the click, in its own time, so it is given up
// only a minute later.
function simpan(bytes, nama) {
  const tautan = document.createElement('a');
  tautan.href = URL.createObjectURL(new Blob([bytes], { type: 'application/xml' }));
  tautan.download = nama;
  tautan.click();
  setTimeout(() => URL.revokeObjectURL(tautan.href), 60000);
}

// The program writes the bank in one go on the main thread, half a second for the largest (16 MB)
// on a PC, so it starts after the next frame has shown that the bank is being made. The button
// keeps the focus, marked unavailable until the bank is saved, and the status says how it went.
let membuat = false;
moodle.addEventListener('click', () => {
  if (membuat || !bank) {
    return;
  }
  const { argumen, nama } = bank;
  const kabarMoodle = document.getElementById('kabar-moodle');
  membuat = true;
  moodle.setAttribute('aria-disabled', 'true');
  kabarMoodle.textContent = 'Membuat bank soal Moodle...';
  const selesai = (kabar) => {
    membuat = false;
    moodle.removeAttribute('aria-disabled');
    kabarMoodle.textContent = kabar;
  };
  requestAnimationFrame(() => setTimeout(() => {
    const keluaran = pengumpul();
    let status = null;
    jalankanProgram(argumen, {
      tulis: keluaran.tulis,
      baca: async () => null,
      terminal: false,
      selesai: (kode) => {
        status = kode;
      },
    }).then(() => {
      if (status !== 0) {
        throw new Error(`status ${status}`);
      }
      simpan(keluaran.hasil(), nama);
      selesai(`Bank soal Moodle diunduh: ${nama}`);
    }).catch((galat) => {
      selesai(`Bank soal Moodle gagal dibuat (${galat.message ?? galat}).`);
    });
  }));
});
