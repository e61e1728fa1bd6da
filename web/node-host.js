// The host under node, linked into tavirel.js ahead of the program. A page gives its own host
// services on Module (tavirelTulis, tavirelBaca, tavirelTerminal) and the program's wasm bytes
// (wasmBinary); under node, standard output is file descriptor 1, standard input is the
// process's as it arrives, and the wasm is read from beside this file.
if (typeof process === 'object' && process.versions && process.versions.node &&
    !Module.tavirelBaca) {
  const fs = require('fs');
  // The reasons a write fails, by node's code, as web.cpp numbers them.
  const alasan = { EBADF: -1, ENOSPC: -2, EPIPE: -3 };
  Module.tavirelTulis = (bytes) => {
    for (;;) {
      try {
        return fs.writeSync(1, bytes);
      } catch (galat) {
        if (galat.code !== 'EAGAIN') {
          return alasan[galat.code] || -4;
        }
      }
    }
  };
  // Emscripten's own isatty says yes even for a pipe.
  Module.tavirelTerminal = () => require('tty').isatty(1);

  // Input waits in chunks as node reads them; reading pauses while one waits, so memory stays
  // bounded however much is piped in. A stream that fails ends input.
  const antrian = [];
  let habis = false;
  let bangunkan = null;
  const bangun = () => {
    if (bangunkan) {
      const fungsi = bangunkan;
      bangunkan = null;
      fungsi();
    }
  };
  process.stdin.on('data', (potongan) => {
    antrian.push(potongan);
    process.stdin.pause();
    bangun();
  });
  process.stdin.on('end', () => { habis = true; bangun(); });
  process.stdin.on('error', () => { habis = true; bangun(); });
  process.stdin.pause();
  // Up to maks bytes of input, or null at its end.
  Module.tavirelBaca = async (maks) => {
    while (antrian.length === 0 && !habis) {
      process.stdin.resume();
      await new Promise((fungsi) => { bangunkan = fungsi; });
    }
    if (antrian.length === 0) {
      return null;
    }
    const potongan = antrian[0];
    if (potongan.length <= maks) {
      antrian.shift();
      return potongan;
    }
    antrian[0] = potongan.subarray(maks);
    return potongan.subarray(0, maks);
  };
  Module.wasmBinary = Module.wasmBinary || fs.readFileSync(__dirname + '/tavirel.wasm');
}
