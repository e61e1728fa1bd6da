// The page: the program in a terminal (xterm.js) that behaves as one in canonical mode. Typed
// characters echo and gather in a line; Backspace takes back the last character; Enter hands
// the line over with its newline; Ctrl-D on an empty line ends input; Ctrl-C interrupts.
// Pasted text is typed ahead, its lines answering the prompts in turn. On a touch screen a
// plain input line under the terminal hands over one line at a time, as virtual keyboards
// type reliably there. When the program ends, a line under the terminal says so, and Enter
// starts it again. The mode, "Konversi" or "Latihan", and in Konversi the checkbox "Tampilkan
// langkah" run the program afresh as chosen: the converter with or without --langkah, or a
// practice round with a seed of its own. The page's address follows them (#langkah,
// #latihan), so that a link opens the page as it was; #latihan=N runs the seed N, so that a
// teacher can give a whole class one round.
//
// For screen readers, xterm.js keeps the screen's lines as a list in the accessibility tree,
// and the page announces the program's output for each answer, however the answer was typed,
// in a log of its own (xterm.js's live region is cleared only by keys typed in the terminal,
// so it would fall silent on a touch screen); the end line is a status. Tab and Shift-Tab
// leave the terminal, as they leave any other field: the program has no use for a tab.
import { Terminal } from '@xterm/xterm';
import { FitAddon } from '@xterm/addon-fit';

// The widest line of the dialogue, 45 columns, and the cursor after it.
const KOLOM_MINIMUM = 46;
const PESAN_SELESAI = 'Program selesai. Tekan Enter untuk memulai lagi, atau muat ulang halaman.';

const layar = document.getElementById('layar');
const formulir = document.getElementById('ketik');
const isian = document.getElementById('baris');
const akhir = document.getElementById('akhir');
const siaran = document.getElementById('siaran');
const langkah = document.getElementById('tampil-langkah');
const pilihanLangkah = document.getElementById('pilihan-langkah');
const modeKonversi = document.getElementById('mode-konversi');
const modeLatihan = document.getElementById('mode-latihan');
const sentuh = window.matchMedia('(pointer: coarse)').matches;
formulir.hidden = !sentuh;

// What the terminal's size is measured with: the style of #layar, which holds it, and a canvas
// that measures its font.
const gayaLayar = getComputedStyle(layar);
const ukur = document.createElement('canvas').getContext('2d');

// The width the terminal's text has: #layar's, inside its padding.
function lebarIsi() {
  return layar.clientWidth - parseFloat(gayaLayar.paddingLeft) - parseFloat(gayaLayar.paddingRight);
}

// The largest font size up to 18 px at which the minimum columns fit the window's width.
function ukuranHuruf() {
  ukur.font = `100px ${gayaLayar.fontFamily}`;
  const lebarHuruf = ukur.measureText('0').width / 100;
  return Math.max(8, Math.min(18, Math.floor(lebarIsi() / (KOLOM_MINIMUM * lebarHuruf))));
}

// The columns and rows for the space the terminal has at ukuran px, worked out as the fit
// add-on works them out once the terminal is open (a cell is as xterm.js measures a "W", the
// scroll bar 14 px wide), so that the terminal opens at its size instead of being resized at
// once. The add-on's fit after opening puts right any difference.
function ukuranLayarSel(ukuran) {
  ukur.font = `${ukuran}px ${gayaLayar.fontFamily}`;
  const huruf = ukur.measureText('W');
  const rasio = window.devicePixelRatio;
  const tinggi = Math.ceil((huruf.fontBoundingBoxAscent + huruf.fontBoundingBoxDescent) * rasio) / rasio;
  return {
    cols: Math.max(2, Math.floor((lebarIsi() - 14) / huruf.width)),
    rows: Math.max(1, Math.floor(parseInt(gayaLayar.height, 10) / tinggi)),
  };
}

Terminal.strings.promptLabel = 'Jawaban di terminal';
Terminal.strings.tooMuchOutput = 'Keluaran terlalu panjang untuk dibacakan; baca baris demi baris.';
const ukuranAwal = ukuranHuruf();
// The size of #layar that the terminal opens at.
let ukuranLayar = `${layar.clientWidth}x${layar.clientHeight}`;
const terminal = new Terminal({
  ...ukuranLayarSel(ukuranAwal),
  convertEol: true,
  fontFamily: gayaLayar.fontFamily,
  fontSize: ukuranAwal,
  scrollback: 1000,
  disableStdin: sentuh,
  screenReaderMode: true,
  // A cursor that blinks on and on is what prefers-reduced-motion and WCAG 2.2.2 ask to avoid.
  cursorBlink: false,
});
terminal.attachCustomKeyEventHandler((peristiwa) => peristiwa.key !== 'Tab');
const penyesuai = new FitAddon();
terminal.loadAddon(penyesuai);
terminal.open(layar);
penyesuai.fit();
// The window turns or resizes, or the line under the terminal comes or goes. The observer's
// first call, for the size the terminal was opened at, changes nothing.
new ResizeObserver(() => {
  const ukuran = `${layar.clientWidth}x${layar.clientHeight}`;
  if (ukuran !== ukuranLayar) {
    ukuranLayar = ukuran;
    terminal.options.fontSize = ukuranHuruf();
    penyesuai.fit();
  }
}).observe(layar);

const penyandi = new TextEncoder();

// Announces text that the program wrote: each line, or the prompt that ends it, without the
// sequences that clear the screen.
function umumkan(teks) {
  for (const bagian of teks.replace(/\x1b\[[0-9;]*[A-Za-z]/g, '').split('\n')) {
    if (bagian.trim() !== '') {
      const baris = document.createElement('div');
      baris.textContent = bagian;
      siaran.append(baris);
    }
  }
}

// The input of the run on screen: lines handed over and not yet read, and what the program
// waits for. A run that has been replaced by a new one writes nothing more.
let masukan;

// Runs the program afresh; the terminal is cleared first unless it is still as it was opened.
function jalankan(bersihkan = true) {
  const jalan = { siap: [], habis: false, interupsi: false, baca: null };
  const pengurai = new TextDecoder();
  masukan = jalan;
  akhir.textContent = '';
  siaran.replaceChildren();
  baris = '';
  if (bersihkan) {
    terminal.reset();
  }
  window.tavirelWasm.then((wasm) => tavirel({
    arguments: argumen(),
    // The module is compiled, so it is instantiated at once and the program writes its first
    // prompt in this task; a browser that will not do that on its main thread does it later.
    instantiateWasm: (impor, terima) => {
      let instance;
      try {
        instance = new WebAssembly.Instance(wasm, impor);
      } catch {
        WebAssembly.instantiate(wasm, impor).then((nanti) => terima(nanti, wasm));
        return {};
      }
      terima(instance, wasm);
      return {};
    },
    tavirelTulis: (bytes) => {
      if (jalan === masukan) {
        terminal.write(bytes.slice());
        umumkan(pengurai.decode(bytes, { stream: true }));
      }
      return bytes.length;
    },
    tavirelTerminal: () => true,
    tavirelBaca: (maks) => new Promise((jawab) => {
      jalan.baca = { maks, jawab };
      layani();
    }),
    onExit: () => {
      if (jalan === masukan) {
        selesai();
      }
    },
  }));
}

// The seed that the address gives, as the program writes it, or null.
let benihAlamat = null;

// The program's arguments for the mode chosen. A practice round without a seed in the address
// draws one that a student can read out and type again: 1 to 999999.
function argumen() {
  if (modeLatihan.checked) {
    const benih = benihAlamat ?? String(1 + crypto.getRandomValues(new Uint32Array(1))[0] % 999999);
    return ['--latihan', `--benih=${benih}`];
  }
  return langkah.checked ? ['--langkah'] : [];
}

// The controls as the address sets them: #langkah ticks the box, #latihan chooses Latihan,
// and #latihan=N with N from 0 to 2^64-1 its seed. The box is for Konversi alone: in Latihan a
// wrong answer always gets its working, so the box is hidden there.
function ikutiAlamat() {
  const alamat = window.location.hash;
  const benih = /^#latihan=(\d+)$/.exec(alamat);
  modeLatihan.checked = /^#latihan(=|$)/.test(alamat);
  modeKonversi.checked = !modeLatihan.checked;
  langkah.checked = alamat === '#langkah';
  benihAlamat = benih && BigInt(benih[1]) < 2n ** 64n ? BigInt(benih[1]).toString() : null;
  pilihanLangkah.hidden = modeLatihan.checked;
}

// The address as the controls set it; a seed the address gave stays while Latihan does.
function tulisAlamat() {
  if (!modeLatihan.checked) {
    benihAlamat = null;
  }
  const bagian = modeLatihan.checked ? `#latihan${benihAlamat === null ? '' : `=${benihAlamat}`}`
    : langkah.checked ? '#langkah' : '';
  window.history.replaceState(null, '', window.location.href.replace(/#.*$/, '') + bagian);
  pilihanLangkah.hidden = modeLatihan.checked;
}

// Each change of the controls, or of the address, starts the program afresh.
ikutiAlamat();
for (const kontrol of [langkah, modeKonversi, modeLatihan]) {
  kontrol.addEventListener('change', () => {
    tulisAlamat();
    jalankan();
  });
}
window.addEventListener('hashchange', () => {
  const keadaan = () => [modeLatihan.checked, langkah.checked, benihAlamat].join();
  const sebelum = keadaan();
  ikutiAlamat();
  if (keadaan() !== sebelum) {
    jalankan();
  }
});

// Answers the program's pending read from what has been handed over, if it can.
function layani() {
  const { baca } = masukan;
  if (!baca) {
    return;
  }
  let jawaban;
  if (masukan.interupsi) {
    jawaban = false;
  } else if (masukan.siap.length > 0) {
    const potongan = masukan.siap.shift();
    jawaban = potongan.subarray(0, baca.maks);
    if (potongan.length > baca.maks) {
      masukan.siap.unshift(potongan.subarray(baca.maks));
    }
  } else if (masukan.habis) {
    masukan.habis = false;
    jawaban = null;
  } else {
    return;
  }
  masukan.baca = null;
  baca.jawab(jawaban);
}

// Hands over an answer; what the program writes next is announced in its place.
function serahkan(teks) {
  siaran.replaceChildren();
  masukan.siap.push(penyandi.encode(teks));
  layani();
}

function selesai() {
  masukan = null;
  baris = '';
  akhir.textContent = PESAN_SELESAI;
}

// The line being typed, which Backspace edits until Enter hands it over.
let baris = '';

function ketik(data) {
  for (const huruf of data) {
    if (!masukan) {
      if (huruf === '\r' || huruf === '\n') {
        jalankan();
      }
      return;
    }
    if (huruf === '\r' || huruf === '\n') {
      terminal.write('\r\n');
      serahkan(baris + '\n');
      baris = '';
    } else if (huruf === '\x7f' || huruf === '\b') {
      if (baris !== '') {
        baris = Array.from(baris).slice(0, -1).join('');
        terminal.write('\b \b');
      }
    } else if (huruf === '\x04') {
      if (baris === '') {
        siaran.replaceChildren();
        masukan.habis = true;
        layani();
      } else {
        serahkan(baris);
        baris = '';
      }
    } else if (huruf === '\x03') {
      terminal.write('^C\r\n');
      baris = '';
      siaran.replaceChildren();
      masukan.interupsi = true;
      layani();
    } else if (huruf >= ' ') {
      baris += huruf;
      terminal.write(huruf);
    }
  }
}

terminal.onData(ketik);

if (sentuh) {
  layar.addEventListener('click', () => isian.focus());
  formulir.addEventListener('submit', (peristiwa) => {
    peristiwa.preventDefault();
    ketik(isian.value + '\r');
    isian.value = '';
  });
} else {
  terminal.focus();
}

window.tavirelTerminal = terminal;
jalankan(false);
