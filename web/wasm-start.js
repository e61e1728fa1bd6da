// Runs before anything else on the page: inflates the program's wasm and starts compiling it,
// so that the compiler works off the main thread while the page's code sets up the screen.
// A stream built in memory inflates within this script's microtasks, with no wait for a task.
// Every run of the page instantiates the one compiled module, window.tavirelWasm.
window.tavirelWasm = (() => {
  // Browsers from 2025 on decode base64 themselves, faster than a loop over atob's string.
  const teks = document.getElementById('program-wasm').textContent.trim();
  const bytes = Uint8Array.fromBase64 ? Uint8Array.fromBase64(teks)
    : Uint8Array.from(atob(teks), (huruf) => huruf.charCodeAt(0));
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
