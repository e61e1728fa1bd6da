// One run of the program, on the one module that wasm-start.js compiles, with its arguments and
// the host's services: tulis(bytes) takes each piece it writes, a view of its memory that is
// valid only during the call, and returns how many bytes it took; baca(maks) is a promise of up
// to maks bytes of input, null at its end or false for an interrupt; terminal says whether its
// output is a screen to clear; selesai(status) is called when it exits. Returns a promise that
// is fulfilled once the program has started, and rejected if it cannot be instantiated (which
// the runtime would only log) or aborts.
export function jalankanProgram(argumen, { tulis, baca, terminal, selesai }) {
  return window.tavirelWasm.then((wasm) => new Promise((mulai, gagal) => {
    let berakhir = false;
    tavirel({
      arguments: argumen,
      // The module is compiled, so it is instantiated at once and the program writes its first
      // prompt in this task; a browser that will not do that on its main thread does it later.
      instantiateWasm: (impor, terima) => {
        const siapkan = (instance) => {
          try {
            terima(instance, wasm);
          } catch (galat) {
            gagal(galat);
          }
        };
        let instance;
        try {
          instance = new WebAssembly.Instance(wasm, impor);
        } catch {
          WebAssembly.instantiate(wasm, impor).then(siapkan, gagal);
          return {};
        }
        siapkan(instance);
        return {};
      },
      tavirelTulis: tulis,
      tavirelTerminal: () => terminal,
      tavirelBaca: baca,
      onExit: (status) => {
        berakhir = true;
        selesai(status);
      },
      // Once main has run up to its first wait for input, the runtime throws the status of an
      // exit that is not one and catches it again, which costs more than the rest of the start
      // after the first prompt; only a real exit, after onExit, and any error must be thrown.
      quit: (status, galat) => {
        if (berakhir || galat?.name !== 'ExitStatus') {
          throw galat;
        }
      },
    }).then(mulai, gagal);
  }));
}
