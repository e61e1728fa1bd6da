// Runs first in the page's one script at the end of its body, before the program's JavaScript
// and the page's code: inflates the program's wasm and compiles it. The inflating is all
// promises, so it ends in the microtasks right after that script, in the same task; there the
// module is compiled at once, on the main thread, which for a module this small takes about a
// millisecond, less than waiting for a task from a compiler off it, and the page's code, waiting
// on window.tavirelWasm, then runs the program. A browser that will not compile it on its main
// thread compiles it off it instead. Every run of the page instantiates the one compiled module.
window.tavirelWasm = (async () => {
  // Browsers from 2025 on decode base64 themselves, faster than a loop over atob's string.
  const teks = document.getElementById('program-wasm').textContent;
  const masuk = Uint8Array.fromBase64 ? Uint8Array.fromBase64(teks)
    : Uint8Array.from(atob(teks), (huruf) => huruf.charCodeAt(0));
  const pengurai = new DecompressionStream('deflate-raw');
  const penulis = pengurai.writable.getWriter();
  penulis.write(masuk);
  penulis.close();
  const potongan = [];
  let panjang = 0;
  for (const pembaca = pengurai.readable.getReader(); ;) {
    const { done: habis, value: bagian } = await pembaca.read();
    if (habis) {
      break;
    }
    potongan.push(bagian);
    panjang += bagian.length;
  }
  const bytes = new Uint8Array(panjang);
  potongan.reduce((dari, bagian) => {
    bytes.set(bagian, dari);
    return dari + bagian.length;
  }, 0);
  try {
    return new WebAssembly.Module(bytes);
  } catch {
    return WebAssembly.compile(bytes);
  }
})();
