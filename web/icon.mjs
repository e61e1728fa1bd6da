// The app's icon: "0x" in the page's yellow on its black, drawn from a 5x7 bitmap font on an
// opaque square, as a PNG of two palette colours. The mark stands inside the circle of 80 %
// of the width about the centre, the part that a launcher's mask always keeps, so the same
// image serves as a maskable icon. Its cells are whole pixels, so that the same size gives the
// same bytes with the same zlib.
import { deflateSync } from 'node:zlib';

const BACKGROUND = [0x00, 0x00, 0x00];
const MARK = [0xff, 0xdd, 0x00];
const GLYPHS = [
  ['.####.', '##..##', '##..##', '##..##', '##..##', '##..##', '##..##', '.####.'],
  ['......', '......', '......', '##..##', '.####.', '..##..', '.####.', '##..##'],
];
const SAFE_DIAMETER = 0.8;

// The mark as rows of cells, true where it is drawn: the glyphs side by side, a blank column
// between them.
function markCells() {
  return GLYPHS[0].map((_, row) => [...GLYPHS.map((glyph) => glyph[row]).join('.')]
    .map((cell) => cell === '#'));
}

// Where the mark's cells of CELL pixels start when it is centred on a square of SIZE pixels,
// and whether every corner of its drawn cells lies in the safe circle.
function place(cells, size, cell) {
  const left = Math.floor((size - cells[0].length * cell) / 2);
  const top = Math.floor((size - cells.length * cell) / 2);
  const radius = size * SAFE_DIAMETER / 2;
  const fits = cells.every((row, y) => row.every((on, x) => !on || [0, 1].every((dy) =>
    [0, 1].every((dx) => Math.hypot(left + (x + dx) * cell - size / 2,
      top + (y + dy) * cell - size / 2) <= radius))));
  return { left, top, fits };
}

// SIZE rows of SIZE pixels, true where the mark is: each cell a square of whole pixels, as
// large as keeps the mark in the safe circle, and the mark centred.
function draw(size) {
  const cells = markCells();
  let cell = Math.floor(size / cells[0].length);
  while (cell > 1 && !place(cells, size, cell).fits) {
    cell--;
  }
  const { left, top } = place(cells, size, cell);
  return Array.from({ length: size }, (_, y) => Array.from({ length: size }, (_, x) =>
    cells[Math.floor((y - top) / cell)]?.[Math.floor((x - left) / cell)] === true));
}

// CRC-32 as PNG computes it over a chunk's type and data.
function crc32(bytes) {
  let crc = 0xffffffff;
  for (const byte of bytes) {
    crc ^= byte;
    for (let bit = 0; bit < 8; bit++) {
      crc = (crc >>> 1) ^ (0xedb88320 & -(crc & 1));
    }
  }
  return (crc ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const typed = Buffer.concat([Buffer.from(type, 'latin1'), data]);
  const length = Buffer.alloc(4);
  length.writeUInt32BE(data.length);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(typed));
  return Buffer.concat([length, typed, crc]);
}

// A PNG of one bit a pixel, palette entry 1 where PIXELS is true: each row a filter byte of 0
// and its pixels packed from the high bit.
function png(pixels) {
  const size = pixels.length;
  const header = Buffer.alloc(13);
  header.writeUInt32BE(size, 0);
  header.writeUInt32BE(size, 4);
  header.set([1, 3, 0, 0, 0], 8);
  const stride = Math.ceil(size / 8);
  const raw = Buffer.alloc(size * (1 + stride));
  pixels.forEach((row, y) => row.forEach((on, x) => {
    if (on) {
      raw[y * (1 + stride) + 1 + (x >> 3)] |= 0x80 >> (x & 7);
    }
  }));
  return Buffer.concat([Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
    chunk('IHDR', header), chunk('PLTE', Buffer.from([...BACKGROUND, ...MARK])),
    chunk('IDAT', deflateSync(raw, { level: 9 })), chunk('IEND', Buffer.alloc(0))]);
}

// The icon of SIZE x SIZE pixels, as the bytes of its PNG.
export function iconPng(size) {
  return png(draw(size));
}
