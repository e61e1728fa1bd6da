// The page's folder served over http, as a phone gets it from a class's web page: a static
// server of node's own http module on 127.0.0.1, which lets browsers keep files for a while as
// many hosts do, serves it as three hosts would (see route). The folder's index.html is the
// page's very bytes, so that opened from a file it passes all of the page test. In Chromium:
// the page alone asks for sw.js and ikon-192.png and nothing more, links no manifest, and
// runs; Page.getInstallabilityErrors is empty for the folder, and the manifest that Chromium
// reads has the fields it should, its icons opaque and of their true sizes. In Chromium and
// in Firefox: the service worker comes to control the page, which links the manifest; its
// cache is named by the version, the page's digest and the scope, and holds every file of the
// folder; a new build of the folder, on the next visit, replaces the old build's cache with
// its own and leaves those of other folders and other apps; then, with the network off and
// the server stopped, a reload shows the first prompt and converts, and the folder's own
// address (where the host refuses it, and where it redirects index.html to it),
// index.html#latihan=42, #lembar and #langkah, with queries, open from the cache and run.
// Nothing but the folder's files is asked of the server, and nothing is logged as an error.
// Each step waits for what it expects, never for a fixed time.
// Usage: node app_test.mjs NODE_MODULES VERSION FOLDER PAGE_HTML. Exits 77 (skipped) when
// neither Chromium nor Firefox is installed.
import { createHash } from 'node:crypto';
import { readFileSync, readdirSync, rmSync } from 'node:fs';
import http from 'node:http';
import { createRequire } from 'node:module';
import path from 'node:path';
import { installedBrowsers, launchBrowser, report } from './browsers.mjs';

const [modules, version, folder, html] = process.argv.slice(2);
const browsers = installedBrowsers();
const installed = Object.keys(browsers);
const puppeteer = createRequire(path.resolve(modules, '..', 'package.json'))('puppeteer-core');

const PILIHAN = 'Masukkan Pilihan : ';
const DESIMAL = 'Masukkan bilangan desimal : ';
const COBA_LAGI = 'Ingin coba lagi (Y/N) ? ';
const HASIL = ['Hasil biner        : 1010', 'Hasil oktal        : 12', 'Hasil heksadesimal : A'];
const TYPES = { html: 'text/html; charset=utf-8', js: 'text/javascript', png: 'image/png',
  webmanifest: 'application/manifest+json' };

const failures = [];
let browserName;

function fail(message) {
  failures.push(`${browserName}: ${message}`);
}

const digest = (bytes) => createHash('sha256').update(bytes).digest('hex').slice(0, 8);

// How each of three hosts answers for NAME in its folder: /kelas/ holds the folder and
// refuses the folder's own address, as a host that lists no folders does; /alih/ holds the
// folder, serves the page at the folder's address and redirects index.html there, as some
// hosts do; /sendiri/ holds the page alone.
function route(where, name, files) {
  if (where === 'alih' && name === 'index.html') {
    return { status: 308, headers: { Location: './' } };
  }
  const file = where === 'alih' && name === '' ? 'index.html' : name;
  const body = (where === 'sendiri' ? file === 'index.html' : where !== undefined) ?
    files.get(file) : undefined;
  if (body === undefined) {
    return { status: name === '' ? 403 : 404 };
  }
  return { status: 200, body, headers: { 'Content-Type': TYPES[file.replace(/.*\./, '')],
    'Cache-Control': 'max-age=600' } };
}

// A server of the folder's files as they are now; a new build replaces them in `files`. As
// many hosts do, it lets browsers keep a file for 10 minutes. Every path asked for is kept in
// `asked`, and `until` waits for one.
async function startServer() {
  const files = new Map(readdirSync(folder).map((name) => [name,
    readFileSync(path.join(folder, name))]));
  const asked = [];
  const waiting = [];
  const server = http.createServer((request, response) => {
    const { pathname } = new URL(request.url, 'http://127.0.0.1');
    asked.push(pathname);
    waiting.filter((wait) => wait.pathname === pathname).forEach((wait) => wait.resolve(true));
    const [, where, name] = /^\/(kelas|alih|sendiri)\/([^/]*)$/.exec(pathname) ?? [];
    const { status, headers, body } = route(where, name, files);
    response.writeHead(status, headers).end(body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const origin = `http://127.0.0.1:${server.address().port}`;
  const stop = () => new Promise((resolve) => {
    server.close(resolve);
    server.closeAllConnections();
  });
  // Whether PATHNAME has been asked for, once it has or after 30 seconds.
  const until = (pathname) => asked.includes(pathname) || new Promise((resolve) => {
    waiting.push({ pathname, resolve });
    setTimeout(() => resolve(false), 30000).unref();
  });
  return { files, asked, origin, stop, until };
}

// A tab in which every console error and every uncaught error is a failure; for the page
// alone, but the browser's own for the two files it cannot have: the failed requests for the
// icon and the worker, and Chromium's report of the worker's script, which names no address.
async function tab(browser, { alone = false } = {}) {
  const page = await browser.newPage();
  page.on('console', (message) => {
    const browsers = alone && (/\/(sw\.js|ikon-192\.png)$/.test(message.location()?.url) ||
      /when fetching the script/.test(message.text()));
    if (message.type() === 'error' && !browsers) {
      fail(`a console error: ${message.text()}`);
    }
  });
  page.on('pageerror', (error) => fail(`an uncaught error: ${error.message}`));
  return page;
}

// Waits until the element SELECTOR holds TEXT; false after 30 seconds.
async function shows(page, selector, text) {
  try {
    await page.waitForFunction((selector, text) =>
      document.querySelector(selector)?.textContent === text, { timeout: 30000 }, selector, text);
    return true;
  } catch {
    return false;
  }
}

// Waits until the screen's last line, the cursor's, is TEXT; false after 30 seconds.
function prompt(page, text) {
  return shows(page, '#layar > :last-child', text);
}

// Answers A and 10 at the converter's prompts; true when the three results follow, and the
// working too where WORKING is set.
async function converts(page, working = false) {
  for (const [text, keys] of [[PILIHAN, 'A'], [DESIMAL, '10']]) {
    if (!await prompt(page, text)) {
      return false;
    }
    await page.type('#baris', keys);
    await page.keyboard.press('Enter');
  }
  if (!await prompt(page, COBA_LAGI)) {
    return false;
  }
  const shown = (await page.$$eval('#layar > *', (all) => all.map((line) => line.textContent)))
    .join('\n');
  return shown.includes(HASIL.join('\n')) &&
    shown.includes('Sisa dibaca dari bawah ke atas: 1010') === working;
}

// The page without its folder: its icon and its worker are asked for and not found, no
// manifest is linked, and the program runs. A second registration, queued behind the page's
// own, tells when that one has failed.
async function alone(browser, server) {
  const page = await tab(browser, { alone: true });
  await page.goto(`${server.origin}/sendiri/index.html`);
  if (!await converts(page)) {
    fail('the page alone does not convert A 10');
  }
  const registered = await page.evaluate(() => navigator.serviceWorker.register('sw.js')
    .then(() => 'registered', () => 'refused'));
  await server.until('/sendiri/ikon-192.png');
  const links = await page.$$eval('link', (all) => all.map((link) => link.rel));
  const asked = [...new Set(server.asked)].sort();
  if (registered !== 'refused' || JSON.stringify(links) !== '["icon"]' ||
    JSON.stringify(asked) !== '["/sendiri/ikon-192.png","/sendiri/index.html","/sendiri/sw.js"]') {
    fail(`the page alone: its worker ${registered}, its links ${JSON.stringify(links)}, the ` +
      `server asked for ${JSON.stringify(asked)}`);
  }
  server.asked.length = 0;
  await page.close();
}

// The worker's cache of this folder's build: its name, and its files' addresses.
function cached(page) {
  return page.evaluate(async () => {
    const scope = (await navigator.serviceWorker.ready).scope;
    const name = (await caches.keys()).find((key) => key.endsWith(` ${scope}`));
    const files = name ? await (await caches.open(name)).keys() : [];
    return { scope, name, files: files.map((request) => request.url).sort() };
  });
}

// The first visit to ADDRESS with a network: the worker comes to control the page, which then
// links the manifest; the cache named by the version, the page's digest and the scope, the
// address's folder, holds every file of the folder.
async function visit(browser, server, address) {
  const page = await tab(browser);
  await page.goto(server.origin + address);
  try {
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null &&
      document.querySelector('link[rel="manifest"]') !== null, { timeout: 30000 });
  } catch {
    fail('the service worker does not come to control the page, or no manifest is linked');
  }
  const { scope, name, files } = await cached(page);
  const expected = `tavirel-${version}-${digest(server.files.get('index.html'))} ${scope}`;
  const names = [...server.files.keys()].map((file) => `${scope}${file}`).sort();
  if (scope !== server.origin + address.replace(/[^/]*$/, '') || name !== expected ||
    JSON.stringify(files) !== JSON.stringify(names)) {
    fail(`the worker's scope is ${scope}, its cache "${name}" (not "${expected}") holds ` +
      JSON.stringify(files));
  }
  return page;
}

// What Chromium finds of the app: no installability error, no error in the manifest, whose
// fields are these, with the page's own colours and its icons opaque and of their true sizes.
async function installable(page, server) {
  const session = await page.createCDPSession();
  const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
  const { errors, data } = await session.send('Page.getAppManifest');
  if (installabilityErrors.length > 0 || errors.length > 0) {
    fail(`not installable: ${JSON.stringify(installabilityErrors)} ${JSON.stringify(errors)}`);
  }
  const manifest = JSON.parse(data);
  const colour = await page.evaluate(() => getComputedStyle(document.body).backgroundColor);
  const hex = `#${colour.match(/\d+/g).map((part) => Number(part).toString(16).padStart(2, '0'))
    .join('')}`;
  const icons = ['any', 'maskable'].flatMap((purpose) => [192, 512].map((size) => ({
    src: `ikon-${size}.png`, sizes: `${size}x${size}`, type: 'image/png', purpose })));
  const expected = { name: 'Program Tavirel', short_name: 'tavirel', lang: 'id', dir: 'ltr',
    start_url: './', scope: './', display: 'standalone', background_color: hex,
    theme_color: hex, icons };
  const { description, ...fields } = manifest;
  if (JSON.stringify(fields) !== JSON.stringify(expected) ||
    !/^[A-Z][^.!?]*\.$/.test(description ?? '')) {
    fail(`the manifest is ${JSON.stringify(manifest)},\nnot ${JSON.stringify(expected)} with ` +
      'a description of one sentence');
  }
  for (const icon of manifest.icons) {
    const png = server.files.get(icon.src);
    const size = `${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`;
    if (size !== icon.sizes || ![0, 2, 3].includes(png[25]) || png.includes('tRNS')) {
      fail(`${icon.src} is ${size}, colour type ${png[25]}: not ${icon.sizes} and opaque`);
    }
  }
}

// A new build of the folder, on the next visit with a network: its worker replaces this
// folder's older caches, of this version or another, and leaves those of a folder above, a
// folder below, and another app; its cache holds the new page.
async function update(page, server) {
  const scope = `${server.origin}/kelas/`;
  const others = [`tavirel-${version}-00000000 ${server.origin}/`,
    `tavirel-${version}-00000000 ${scope}lain/`, 'aplikasi-lain'];
  const older = `tavirel-0.9.0-00000000 ${scope}`;
  await page.evaluate((names) => Promise.all(names.map((name) => caches.open(name))),
    [...others, older]);
  const page2 = Buffer.concat([server.files.get('index.html'), Buffer.from('<!-- 2 -->\n')]);
  const build = `tavirel-${version}-${digest(page2)}`;
  server.files.set('sw.js', Buffer.from(server.files.get('sw.js').toString()
    .replace(/tavirel-[0-9.]+-[0-9a-f]{8}/, build)));
  server.files.set('index.html', page2);
  await page.reload();
  const expected = [...others, `${build} ${scope}`].sort();
  try {
    await page.waitForFunction(async (expected) => JSON.stringify((await caches.keys())
      .sort()) === JSON.stringify(expected), { timeout: 30000, polling: 100 }, expected);
  } catch {
    fail(`after a new build the caches are ${JSON.stringify(await page.evaluate(() =>
      caches.keys()))},\nnot ${JSON.stringify(expected)}`);
  }
  const kept = await page.evaluate((name) => caches.match('index.html', { cacheName: name })
    .then((response) => response?.text()), `${build} ${scope}`);
  if (!kept?.endsWith('<!-- 2 -->\n')) {
    fail('after a new build the cache does not hold the new page');
  }
}

// With the network off and the server stopped: a reload shows the first prompt and converts,
// and each address opens from the cache as it would with a network, the folder's own with a
// query where its host refuses it and where its host redirects index.html to it.
async function offline(page, server) {
  await page.setOfflineMode(true);
  await server.stop();
  await page.reload();
  if (!await converts(page)) {
    fail('offline, a reload does not convert A 10');
  }
  const last = '#layar > :last-child';
  const rows = [
    ['/kelas/?kelas=7', last, PILIHAN],
    ['/alih/?kelas=7', last, PILIHAN],
    ['/kelas/index.html?kelas=7#latihan=42', last, 'Ubah desimal 62 ke oktal : '],
    ['/kelas/?kelas=7#lembar', '#akhir', 'Siap dicetak: 2 lembar.'],
  ];
  for (const [address, selector, text] of rows) {
    await page.goto(server.origin + address);
    if (!await shows(page, selector, text)) {
      fail(`offline, ${address} does not show "${text}"`);
    }
  }
  await page.goto(`${server.origin}/kelas/index.html#langkah`);
  if (!await converts(page, true)) {
    fail('offline, #langkah does not convert with the working');
  }
}

if (!readFileSync(path.join(folder, 'index.html')).equals(readFileSync(html))) {
  failures.push(`${folder}/index.html is not the page's bytes`);
}
for (const name of installed) {
  browserName = name;
  const { browser, profile } = await launchBrowser(puppeteer, name, browsers[name]);
  const server = await startServer();
  try {
    if (name === 'Chromium') {
      await alone(browser, server);
    }
    const page = await visit(browser, server, '/kelas/index.html');
    if (name === 'Chromium') {
      await installable(page, server);
    }
    await update(page, server);
    await (await visit(browser, server, '/alih/')).close();
    const strays = server.asked.filter((asked) => asked !== '/alih/' &&
      !server.files.has(/^\/(?:kelas|alih)\/([^/]+)$/.exec(asked)?.[1]));
    if (strays.length > 0) {
      fail(`the server was asked for ${JSON.stringify(strays)}, not the folder's files`);
    }
    await offline(page, server);
  } catch (error) {
    fail(`stopped: ${error.stack}`);
  } finally {
    await server.stop();
    await browser.close();
    rmSync(profile, { recursive: true, force: true });
  }
}
report('app', failures, installed);
