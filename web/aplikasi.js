// The page as an app: served over http or https beside its folder's files (tavirel-web/), it
// takes its icon from there, so that the browser asks for no favicon.ico, and registers the
// service worker that keeps the folder for use without a network; once that succeeds, it links
// the manifest, so that a page uploaded without its folder asks for no manifest it cannot
// find. A registration that fails changes nothing for the user. Opened from a file, or where
// the browser has no service workers, it does nothing. It runs in the page's head, so that the
// icon's link is there before the head ends, when Firefox would otherwise pick /favicon.ico.
function pasangAplikasi() {
  if (!/^https?:$/.test(window.location.protocol) || !('serviceWorker' in navigator)) {
    return;
  }
  tautkan('icon', 'ikon-192.png');
  navigator.serviceWorker.register('sw.js', { scope: './' })
    .then(() => tautkan('manifest', 'manifest.webmanifest'), () => {});
}

function tautkan(jenis, alamat) {
  const tautan = document.createElement('link');
  tautan.rel = jenis;
  tautan.href = alamat;
  document.head.append(tautan);
}

pasangAplikasi();
