// Runs before anything else on the page: inflates the program's wasm and starts compiling it,
// so that the compiler works off the main thread while xterm.js and the terminal are set up.
// A stream built in memory inflates within this script's microtasks, with no wait for a task.
// Every run of the page instantiates the one compiled module, window.tavirelWasm.
window.tavirelWasm = (() => {
  const teks = atob(document.getElementById('program-wasm').textContent.trim());
  const bytes = new Uint8Array(teks.length);
  for (let i = 0; i < teks.length; i++) {
    bytes[i] = teks.charCodeAt(i);
  }
  const aliran = new ReadableStream({
    start(pengendali) {
      pengendali.enqueue(bytes);
      pengendali.close();
    },
  });
  return WebAssembly.compileStreaming(new Response(
    aliran.pipeThrough(new DecompressionStream('deflate-raw')),
    { headers: { 'Content-Type': 'application/wasm' } }));
})();
