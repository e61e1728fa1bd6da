// The service worker of the page's folder, tavirel-web/: it keeps every file of the folder in
// one cache, so that once the page has been visited with a network it opens and runs without
// one. The cache is named by the build (the version and a digest of the page), a blank and
// the worker's scope, so that a new build's worker drops the caches of this folder's older
// builds and nothing of other apps or other folders. Any request for something other than
// the folder's files goes to the network, as it would without the worker; it keeps nothing
// of the user's.
const RAKITAN = '@RAKITAN@';
const BERKAS = '@BERKAS@'.split(' ');
const LINGKUP = self.registration.scope;
const NAMA = `${RAKITAN} ${LINGKUP}`;

// Each file is fetched past the browser's HTTP cache, so that this build's cache holds this
// build's files. A response that came through a redirect is kept as a plain one, as a browser
// refuses a redirected response to a page's navigation. Any file that cannot be had fails the
// install, and the worker before it, if any, stays.
async function simpan() {
  const cache = await caches.open(NAMA);
  await Promise.all(BERKAS.map(async (berkas) => {
    const jawaban = await fetch(berkas, { cache: 'reload' });
    if (!jawaban.ok) {
      throw new Error(`${berkas}: HTTP ${jawaban.status}`);
    }
    await cache.put(berkas, jawaban.redirected ? new Response(jawaban.body, jawaban) : jawaban);
  }));
}

// A cache that an older build of this very folder made.
function lama(nama) {
  return nama !== NAMA && nama.startsWith('tavirel-') && nama.endsWith(` ${LINGKUP}`);
}

async function bersihkan() {
  const semua = await caches.keys();
  await Promise.all(semua.filter(lama).map((nama) => caches.delete(nama)));
}

// The file of the folder that a request asks for, or null: the page for the folder itself and
// for index.html, each with or without a query; any other file of the folder without one.
function berkasUntuk(permintaan) {
  if (permintaan.method !== 'GET' || !permintaan.url.startsWith(LINGKUP)) {
    return null;
  }
  const alamat = new URL(permintaan.url);
  const jalur = `${alamat.origin}${alamat.pathname}`.slice(LINGKUP.length);
  if (jalur === '' || jalur === 'index.html') {
    return 'index.html';
  }
  return alamat.search === '' && BERKAS.includes(jalur) ? jalur : null;
}

self.addEventListener('install', (peristiwa) => {
  peristiwa.waitUntil(simpan().then(() => self.skipWaiting()));
});

self.addEventListener('activate', (peristiwa) => {
  peristiwa.waitUntil(bersihkan().then(() => self.clients.claim()));
});

// A file missing from the cache, as after the browser has cleared it, comes from the network;
// so does one whose lookup fails, as it may in Firefox while a new build's worker deletes this
// build's cache under a request still in this worker's hands.
self.addEventListener('fetch', (peristiwa) => {
  const berkas = berkasUntuk(peristiwa.request);
  if (berkas) {
    peristiwa.respondWith(caches.match(berkas, { cacheName: NAMA })
      .catch(() => undefined)
      .then((jawaban) => jawaban ?? fetch(peristiwa.request)));
  }
});
