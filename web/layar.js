// The screen, #layar: one element for each line since the program last cleared it, the last
// being the line the cursor is on. A line's text is exactly its characters, so the lines'
// texts joined with "\n" are what a terminal in canonical mode shows. A long line wraps as text
// does, at its last blank that fits, and in a word only where a row has no blank; its rows after
// the first start in the column after its first ": ", so that a result's digits stay in one
// column (the style does that from --gantung, that column). A row of columns, the rows of a
// written sum or of bit groups, wraps at the screen's edge instead, so that all its rows wrap at
// the same column and keep their columns (the style does that for the class kolom). A line that
// holds only a form feed is a page break in print and a rule on screen. The style sizes the text
// to the screen's width.
const PEMISAH = ': ';
const GANTI_HALAMAN = '\f';
// Digits, blanks, the signs of a written sum and the comma between bit groups: a row of columns.
const BARIS_KOLOM = /^[0-9A-F ,+x-]+$/;

const layar = document.getElementById('layar');
let kursor;

// Whether the screen keeps its last line in view, as a terminal does, or stays at its top.
let akhirTerlihat = true;
export function ikutiAkhir(ya) {
  akhirTerlihat = ya;
}

// Scrolls the screen in the next frame, once however many writes come in it: to its last line
// where it keeps that in view, else to its top if it has been emptied. The frame lays the screen
// out anyway, so a scroll there costs no layout of its own, as one at each write would.
let gulirNanti = false;
let keAtas = false;
function gulir() {
  if (!gulirNanti) {
    gulirNanti = true;
    requestAnimationFrame(() => {
      gulirNanti = false;
      if (akhirTerlihat) {
        layar.scrollTop = layar.scrollHeight;
      } else if (keAtas) {
        layar.scrollTop = 0;
      }
      keAtas = false;
    });
  }
}

function barisBaru() {
  kursor = document.createElement('div');
  layar.append(kursor);
}

// Empties the screen: one empty line is left, where the next text starts.
export function kosongkan() {
  layar.replaceChildren();
  keAtas = true;
  gulir();
  barisBaru();
}

// What the cursor's line has become: where its rows after the first start, whether it is a row
// of columns, and whether it is a page break.
function tandai(baris) {
  const teks = baris.textContent;
  const pemisah = teks.indexOf(PEMISAH);
  if (pemisah >= 0) {
    baris.style.setProperty('--gantung', pemisah + PEMISAH.length);
  }
  baris.classList.toggle('kolom', BARIS_KOLOM.test(teks));
  const halaman = teks === GANTI_HALAMAN;
  baris.classList.toggle('halaman', halaman);
  baris.toggleAttribute('aria-hidden', halaman);
}

// Writes teks where the cursor is; each "\n" ends a line. Each piece goes in as a text node
// of its own, which a live region announces once.
export function tambah(teks) {
  teks.split('\n').forEach((bagian, i) => {
    if (i > 0) {
      barisBaru();
    }
    if (bagian !== '') {
      kursor.append(bagian);
      tandai(kursor);
    }
  });
  gulir();
}

// The escape sequences and carriage returns a program writes, and an escape sequence cut off
// at the end of a write, to be finished by the next one.
const URUTAN = /\x1b\[([0-?]*)[ -/]*[@-~]|\x1b[^[]|\r/g;
const URUTAN_TERPOTONG = /\x1b(\[[0-?]*[ -/]*)?$/;
const BERSIH = '\x1b[2J';

// A reader of one run's output: bytes in UTF-8, as the program writes them, shown on the
// screen. Its clear (ESC [ 2 J) empties the screen; other sequences are dropped.
export function keluaran() {
  const pengurai = new TextDecoder();
  let terpotong = '';
  return (bytes) => {
    let teks = terpotong + pengurai.decode(bytes, { stream: true });
    const potong = URUTAN_TERPOTONG.exec(teks);
    terpotong = potong ? potong[0] : '';
    teks = teks.slice(0, teks.length - terpotong.length);
    let dari = 0;
    for (const cocok of teks.matchAll(URUTAN)) {
      tambah(teks.slice(dari, cocok.index));
      if (cocok[0] === BERSIH) {
        kosongkan();
      }
      dari = cocok.index + cocok[0].length;
    }
    tambah(teks.slice(dari));
  };
}
