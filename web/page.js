// The page: the program's lines on the screen (layar.js), and one form under it for the
// answers, on every device. Enter or "Kirim" hands the field's text over with a line end and
// echoes it where the cursor is, as a terminal in canonical mode does; a paste of several
// lines hands them over in turn; Ctrl-D ends input, Ctrl-C interrupts. When the program ends,
// a status under the screen says so, and Enter starts it again. The mode, "Konversi",
// "Hitung", "Pecahan", "Latihan" or "Lembar soal", and its controls run the program afresh as
// chosen: the converter, the operations (--hitung) or the converter of fractions (--pecahan),
// with or without --langkah ("Tampilkan langkah"), a practice round with a seed of its own of
// the kind and at the level chosen, or the sheets that the group "Cetakan" asks for
// (cetakan.js), which print one a page, and their question bank for Moodle. The page's
// address follows the mode, the box, the kind, the level and multiple choice (#langkah,
// #hitung, #hitung&langkah, #pecahan, #pecahan&langkah, #latihan, #lembar, &tingkat=2,
// &hitung, &pecahan, &pilihan), so that a link opens the page as it was; #latihan=N runs the
// seed N, so that a teacher can give a whole class one round.
import { argumenCetakan, fokusCetakan, kontrolCetakan, pilihan, siapCetak, tampilkanCetakan }
  from './cetakan.js';
import { ikutiAkhir, keluaran, kosongkan, tambah } from './layar.js';
import { jalankanProgram } from './program.js';

const PESAN_SELESAI = 'Program selesai. Tekan Enter untuk memulai lagi, atau muat ulang halaman.';
const TINGKAT_DASAR = '1';
const JENIS_DASAR = 'konversi';
// The kinds of question other than conversions, as #jenis names them: each is the program's
// option (--hitung, --pecahan) and a part of the address.
const JENIS_LAIN = ['hitung', 'pecahan'];

const layar = document.getElementById('layar');
const formulir = document.getElementById('ketik');
const isian = document.getElementById('baris');
const akhir = document.getElementById('akhir');
const langkah = document.getElementById('tampil-langkah');
const pilihanLangkah = document.getElementById('pilihan-langkah');
const modeKonversi = document.getElementById('mode-konversi');
const modeHitung = document.getElementById('mode-hitung');
const modePecahan = document.getElementById('mode-pecahan');
const modeLatihan = document.getElementById('mode-latihan');
const modeLembar = document.getElementById('mode-lembar');
const pilihanTingkat = document.getElementById('pilihan-tingkat');
const tingkat = document.getElementById('tingkat');
const pilihanJenis = document.getElementById('pilihan-jenis');
const jenis = document.getElementById('jenis');
const penyandi = new TextEncoder();

// The run on screen: the lines handed over and not yet read, whether input has ended or been
// interrupted, and the read the program waits on. Null once the run has ended. A run that has
// been replaced by a new one writes nothing more.
let jalan = null;

// Runs the program afresh on a cleared screen, with the arguments that the controls give; with
// none, as for sheets that cannot be run, the screen stays empty.
function jalankan() {
  const ini = { siap: [], habis: false, interupsi: false, baca: null };
  const tulis = keluaran();
  const argumenJalan = argumen();
  jalan = argumenJalan && ini;
  akhir.textContent = '';
  kosongkan();
  if (!jalan) {
    return;
  }
  jalankanProgram(argumenJalan, {
    tulis: (bytes) => {
      if (ini === jalan) {
        tulis(bytes);
      }
      return bytes.length;
    },
    terminal: true,
    baca: (maks) => new Promise((jawab) => {
      ini.baca = { maks, jawab };
      layani();
    }),
    selesai: () => {
      if (ini === jalan) {
        jalan = null;
        akhir.textContent = modeLembar.checked ? `Siap dicetak: ${siapCetak()} lembar.`
          : PESAN_SELESAI;
      }
    },
  });
}

// Answers the program's pending read from what has been handed over, if it can: the bytes
// handed over first, then the end of input, once; an interrupt at once.
function layani() {
  const baca = jalan?.baca;
  if (!baca) {
    return;
  }
  let jawaban;
  if (jalan.interupsi) {
    jawaban = false;
  } else if (jalan.siap.length > 0) {
    const potongan = jalan.siap.shift();
    jawaban = potongan.subarray(0, baca.maks);
    if (potongan.length > baca.maks) {
      jalan.siap.unshift(potongan.subarray(baca.maks));
    }
  } else if (jalan.habis) {
    jalan.habis = false;
    jawaban = null;
  } else {
    return;
  }
  jalan.baca = null;
  baca.jawab(jawaban);
}

// Hands teks over to the program, echoed where the cursor is.
function serahkan(teks) {
  tambah(teks);
  jalan.siap.push(penyandi.encode(teks));
  layani();
}

// A line ends: the line is handed over, or, once the program has ended, the program starts
// again and the line is dropped.
function akhiriBaris(teks) {
  if (jalan) {
    serahkan(`${teks}\n`);
  } else {
    jalankan();
  }
}

formulir.addEventListener('submit', (peristiwa) => {
  peristiwa.preventDefault();
  const teks = isian.value;
  isian.value = '';
  akhiriBaris(teks);
  isian.focus();
});

// Ctrl-D ends input, after handing over what the field holds without a line end. Ctrl-C
// drops what the field holds, writes "^C" and interrupts; with text selected it copies.
isian.addEventListener('keydown', (peristiwa) => {
  if (!peristiwa.ctrlKey || peristiwa.altKey || peristiwa.metaKey) {
    return;
  }
  const tombol = peristiwa.key.toLowerCase();
  if (tombol === 'd') {
    peristiwa.preventDefault();
    if (jalan) {
      const teks = isian.value;
      isian.value = '';
      if (teks !== '') {
        serahkan(teks);
      }
      jalan.habis = true;
      layani();
    }
  } else if (tombol === 'c' && isian.selectionStart === isian.selectionEnd) {
    peristiwa.preventDefault();
    if (jalan) {
      isian.value = '';
      tambah('^C\n');
      jalan.interupsi = true;
      layani();
    }
  }
});

// A paste of several lines goes in at the caret as any paste does, and every line up to the
// last line end is handed over at once, as if typed quickly; what follows it stays in the
// field. Control characters other than line ends are dropped. A paste of one line is the
// browser's own.
isian.addEventListener('paste', (peristiwa) => {
  const data = peristiwa.clipboardData?.getData('text/plain') ?? '';
  if (!/[\r\n]/.test(data)) {
    return;
  }
  peristiwa.preventDefault();
  const tempel = data.replace(/\r\n?/g, '\n').replace(/[\0-\t\v-\x1f\x7f-\x9f]/g, '');
  const baris = (isian.value.slice(0, isian.selectionStart) + tempel).split('\n');
  const sisa = baris.pop();
  isian.value = sisa + isian.value.slice(isian.selectionEnd);
  isian.setSelectionRange(sisa.length, sisa.length);
  baris.forEach(akhiriBaris);
});

// A click or tap on the screen brings the field's keyboard, unless it selects text to copy.
layar.addEventListener('click', () => {
  if (window.getSelection().isCollapsed) {
    isian.focus({ preventScroll: true });
  }
});

// The seed that the address gives, as the program writes it, or null.
let benihAlamat = null;

// The program's arguments for the mode chosen, or null when there is nothing to run. A
// practice round without a seed in the address draws one that a student can read out and type
// again: 1 to 999999.
function argumen() {
  const soal = jenis.value === JENIS_DASAR ? [] : [`--${jenis.value}`];
  if (modeLembar.checked) {
    return argumenCetakan(tingkat.value, jenis.value, soal);
  }
  if (modeLatihan.checked) {
    const benih = benihAlamat ?? String(1 + crypto.getRandomValues(new Uint32Array(1))[0] % 999999);
    return ['--latihan', ...soal, `--benih=${benih}`, `--tingkat=${tingkat.value}`];
  }
  const dialog = dialogLain();
  return [...(dialog ? [`--${dialog.value}`] : []), ...(langkah.checked ? ['--langkah'] : [])];
}

// The mode chosen if it is Hitung or Pecahan, a dialogue other than the converter's; its value
// names its option and its address.
function dialogLain() {
  return [modeHitung, modePecahan].find((mode) => mode.checked);
}

// What each mode shows: the box for the working in Konversi, Hitung and Pecahan (in Latihan a
// wrong answer always gets its working), the kind of question and the level in Latihan and Lembar
// soal, the group Cetakan in Lembar soal, where the program reads nothing, so the answer field
// is hidden and the screen, which shows the sheets from their top, is no live region; a screen
// reader hears the status instead.
function tampilkanMode() {
  const dialog = !modeLatihan.checked && !modeLembar.checked;
  pilihanLangkah.hidden = !dialog;
  pilihanJenis.hidden = dialog;
  pilihanTingkat.hidden = dialog;
  tampilkanCetakan(modeLembar.checked);
  formulir.hidden = modeLembar.checked;
  ikutiAkhir(!modeLembar.checked);
  if (modeLembar.checked) {
    layar.setAttribute('aria-live', 'off');
  } else {
    layar.removeAttribute('aria-live');
  }
}

// The controls as the address sets them. Its first part chooses the mode: #langkah Konversi
// with the box ticked, #hitung Hitung, #pecahan Pecahan, #latihan Latihan, #latihan=N with N
// from 0 to 2^64-1 also its seed, and #lembar Lembar soal. The parts after it, each after a "&"
// and in any order, set the rest: in Hitung and Pecahan, langkah ticks the box; in Latihan and
// Lembar soal, hitung chooses operations and pecahan fractions (the first of them, if both
// come), and tingkat=2 (leading zeros allowed) the level 2, any other level the level 1; in
// Lembar soal, pilihan ticks "Pilihan ganda".
function ikutiAlamat() {
  const [kepala, ...bagian] = window.location.hash.slice(1).split('&');
  const benih = /^latihan=(\d+)$/.exec(kepala);
  modeLatihan.checked = /^latihan(=|$)/.test(kepala);
  modeLembar.checked = kepala === 'lembar';
  modeHitung.checked = kepala === 'hitung';
  modePecahan.checked = kepala === 'pecahan';
  modeKonversi.checked = !modeLatihan.checked && !modeLembar.checked && !modeHitung.checked &&
    !modePecahan.checked;
  langkah.checked = kepala === 'langkah' ||
    ((modeHitung.checked || modePecahan.checked) && bagian.includes('langkah'));
  benihAlamat = benih && BigInt(benih[1]) < 2n ** 64n ? BigInt(benih[1]).toString() : null;
  const soal = modeLatihan.checked || modeLembar.checked;
  jenis.value = (soal && bagian.find((b) => JENIS_LAIN.includes(b))) || JENIS_DASAR;
  tingkat.value = soal && bagian.some((b) => /^tingkat=0*2$/.test(b)) ? '2' : TINGKAT_DASAR;
  pilihan.checked = modeLembar.checked && bagian.includes('pilihan');
  tampilkanMode();
}

// The address as the controls set it, as #latihan=N&tingkat=2&pecahan or
// #lembar&tingkat=2&pecahan&pilihan; a seed the address gave stays while Latihan does.
function tulisAlamat() {
  if (!modeLatihan.checked) {
    benihAlamat = null;
  }
  const soal = (tingkat.value === TINGKAT_DASAR ? '' : `&tingkat=${tingkat.value}`) +
    (jenis.value === JENIS_DASAR ? '' : `&${jenis.value}`);
  const benih = benihAlamat === null ? '' : `=${benihAlamat}`;
  const dialog = dialogLain();
  const bagian = modeLatihan.checked ? `#latihan${benih}${soal}`
    : modeLembar.checked ? `#lembar${soal}${pilihan.checked ? '&pilihan' : ''}`
      : dialog ? `#${dialog.value}${langkah.checked ? '&langkah' : ''}`
        : langkah.checked ? '#langkah' : '';
  window.history.replaceState(null, '', window.location.href.replace(/#.*$/, '') + bagian);
  tampilkanMode();
}

// Each change of the controls, or of the address, starts the program afresh; the focus stays
// where it is, so that the mode's arrow keys go on working.
ikutiAlamat();
const semuaKontrol = [langkah, modeKonversi, modeHitung, modePecahan, modeLatihan, modeLembar,
  jenis, tingkat, ...kontrolCetakan];
for (const kontrol of semuaKontrol) {
  kontrol.addEventListener('change', () => {
    tulisAlamat();
    jalankan();
  });
}
window.addEventListener('hashchange', () => {
  const keadaan = () => [modeHitung.checked, modePecahan.checked, modeLatihan.checked,
    modeLembar.checked, langkah.checked, benihAlamat, jenis.value, tingkat.value,
    pilihan.checked].join();
  const sebelum = keadaan();
  ikutiAlamat();
  if (keadaan() !== sebelum) {
    jalankan();
  }
});

// At load the answer field has the focus by its autofocus, which the browser gives it as it
// first draws the page, so that no layout is forced before the program has written its first
// screen; in Lembar soal, where the field is hidden, the first seed has it instead.
if (modeLembar.checked) {
  fokusCetakan();
}
jalankan();
