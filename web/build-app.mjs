// Builds the page's folder for a web host, from which a phone installs the page as an app:
// the page as index.html, its icons, its manifest, and the service worker (sw.js) that keeps
// them all for use without a network. The folder holds these files and nothing else, and the
// same inputs give the same bytes.
// Usage: node build-app.mjs VERSION PAGE_HTML FOLDER
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { iconPng } from './icon.mjs';

const [version, page, folder] = process.argv.slice(2);
const here = path.dirname(fileURLToPath(import.meta.url));
const ICON_SIZES = [192, 512];

rmSync(folder, { recursive: true, force: true });
mkdirSync(folder, { recursive: true });
copyFileSync(page, path.join(folder, 'index.html'));
copyFileSync(path.join(here, 'manifest.webmanifest'), path.join(folder, 'manifest.webmanifest'));
for (const size of ICON_SIZES) {
  writeFileSync(path.join(folder, `ikon-${size}.png`), iconPng(size));
}

// The worker last, as it lists every file of the folder, itself too. Its build is the version
// and the first 8 hexadecimal digits of the page's SHA-256, so that any change of the page
// makes a new worker, which browsers then install.
const digest = createHash('sha256').update(readFileSync(page)).digest('hex').slice(0, 8);
const files = [...readdirSync(folder), 'sw.js'].sort();
writeFileSync(path.join(folder, 'sw.js'), readFileSync(path.join(here, 'sw.js'), 'utf8')
  .replace('@RAKITAN@', `tavirel-${version}-${digest}`)
  .replace('@BERKAS@', files.join(' ')));
