// The page in a real browser (headless Chromium, through puppeteer-core), opened from file://:
// a dialogue typed key by key with Backspace, a wrong answer that clears the screen and its
// scrollback, y, a pasted type-ahead, N, Ctrl-D and Ctrl-C ending the run and Enter starting it
// again; the page opened as tavirel.html#langkah, which shows the working, and its checkbox,
// which takes it away again; then a 360x640 touch screen, where the 45-column lines fit and
// answers typed as text input go through the input line. No request leaves the file and nothing is logged as an
// error. Each step waits for what the screen must show, never for a fixed time.
// Usage: node page_test.mjs NODE_MODULES PAGE_HTML. Exits 77 (skipped) without Chromium.
import { existsSync, mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const [modules, html] = process.argv.slice(2);
const chromium = ['/usr/bin/chromium', '/usr/bin/chromium-browser'].find(existsSync);
if (!chromium) {
  console.log('Chromium is not installed');
  process.exit(77);
}
const puppeteer = createRequire(path.resolve(modules, '..', 'package.json'))('puppeteer-core');
const url = pathToFileURL(path.resolve(html)).href;

const RULE = '='.repeat(45);
const BANNER = ['Program Tavirel', RULE, 'A = Desimal ke Biner, Oktal, Heksadesimal',
  'B = Biner ke Desimal, Oktal, Heksadesimal', 'C = Oktal ke Desimal, Biner, Heksadesimal',
  'D = Heksadesimal ke Desimal, Biner, Oktal', RULE, ''];
const PILIHAN = 'Masukkan Pilihan :';
const COBA_LAGI = 'Ingin coba lagi (Y/N) ?';
const SALAH = 'Kode yang Anda masukkan salah!!';

const failures = [];
const profile = mkdtempSync(path.join(tmpdir(), 'tavirel-page-'));
const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  userDataDir: profile,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--allow-file-access-from-files'],
});

// Opens the page in a new tab; every request other than the file itself, every console error
// and every uncaught error is a failure.
async function open(viewport, hash = '') {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  page.on('request', (request) => {
    if (request.url().replace(/#.*$/, '') !== url) {
      failures.push(`a request for ${request.url()}`);
    }
  });
  page.on('console', (message) => {
    if (message.type() === 'error') {
      failures.push(`a console error: ${message.text()}`);
    }
  });
  page.on('pageerror', (error) => failures.push(`an uncaught error: ${error.message}`));
  await page.goto(url + hash);
  return page;
}

// The screen, line by line without trailing blanks, and whether anything has scrolled off it.
function screen(page) {
  return page.evaluate(() => {
    const buffer = window.tavirelTerminal.buffer.active;
    const lines = [];
    for (let i = 0; i < window.tavirelTerminal.rows; i++) {
      lines.push(buffer.getLine(buffer.baseY + i).translateToString(true).trimEnd());
    }
    while (lines.length > 0 && lines[lines.length - 1] === '') {
      lines.pop();
    }
    return { lines, scrolled: buffer.baseY > 0 };
  });
}

// Waits until the screen's last line is the prompt; false after 30 seconds.
async function prompt(page, text) {
  try {
    await page.waitForFunction((text) => {
      const terminal = window.tavirelTerminal;
      if (!terminal) {
        return false;
      }
      const buffer = terminal.buffer.active;
      for (let i = buffer.baseY + terminal.rows - 1; i >= 0; i--) {
        const line = buffer.getLine(i).translateToString(true).trimEnd();
        if (line !== '') {
          return line === text;
        }
      }
      return false;
    }, { timeout: 30000 }, text);
    return true;
  } catch {
    return false;
  }
}

// check WHAT EXPECTED: the screen is exactly EXPECTED (lines), from its top, with nothing
// scrolled off when FROM_TOP is set.
async function check(page, what, expected, fromTop) {
  const { lines, scrolled } = await screen(page);
  const shown = fromTop ? lines : lines.slice(-expected.length);
  if (shown.join('\n') !== expected.join('\n') || (fromTop && scrolled)) {
    failures.push(`${what}\n--- expected\n${expected.join('\n')}\n--- shown` +
      `${scrolled ? ' (with scrollback)' : ''}\n${lines.join('\n')}`);
  }
}

// Waits for the prompt, then types the keys one by one ("\b" is Backspace) and Enter.
async function answer(page, text, keys) {
  if (!await prompt(page, text)) {
    failures.push(`no prompt "${text}"`);
    return;
  }
  for (const key of keys) {
    await (key === '\b' ? page.keyboard.press('Backspace') : page.keyboard.type(key));
  }
  await page.keyboard.press('Enter');
}

// Waits for the line under the terminal that says the run has ended.
async function ended(page, how) {
  try {
    await page.waitForSelector('#akhir:not([hidden])', { timeout: 30000 });
  } catch {
    failures.push(`${how}: the page does not say that the program has ended`);
  }
}

async function desktop() {
  const page = await open({ width: 1000, height: 700 });
  await answer(page, PILIHAN, 'A');
  // Backspace takes back the 9, then the two-byte é whole.
  await answer(page, 'Masukkan bilangan desimal :', '19\bé\b0');
  await prompt(page, COBA_LAGI);
  await check(page, 'typed key by key, with Backspace: a conversion on the same screen', [...BANNER,
    'Masukkan Pilihan : A', '', 'Masukkan bilangan desimal : 10', 'Hasil biner        : 1010',
    'Hasil oktal        : 12', 'Hasil heksadesimal : A', '', COBA_LAGI], true);

  await answer(page, COBA_LAGI, 'x');
  await prompt(page, COBA_LAGI);
  await check(page, 'a wrong answer: the screen cleared, the message from the top',
    [SALAH, '', '', COBA_LAGI], true);

  await answer(page, COBA_LAGI, 'y');
  await prompt(page, PILIHAN);
  await check(page, 'y: the banner on a cleared screen', [...BANNER, PILIHAN], true);

  // Two lines pasted at once echo at once, as typed ahead on a terminal, and answer the next
  // two prompts.
  await page.evaluate(() => window.tavirelTerminal.paste('D\rff\r'));
  await prompt(page, COBA_LAGI);
  await check(page, 'a pasted type-ahead', ['Masukkan Pilihan : D', 'ff', '',
    'Masukkan bilangan hexadesimal : Hasil desimal      : 255',
    'Hasil biner        : 11111111', 'Hasil oktal        : 377', '', COBA_LAGI], false);

  await answer(page, COBA_LAGI, 'n');
  await ended(page, 'N');
  // Until Enter, nothing is taken as input.
  await page.keyboard.type('A');
  await page.keyboard.press('Enter');
  await prompt(page, PILIHAN);
  await check(page, 'after N, Enter starts again', [...BANNER, 'Masukkan Pilihan :'], true);

  await page.keyboard.down('Control');
  await page.keyboard.press('KeyD');
  await page.keyboard.up('Control');
  await ended(page, 'Ctrl-D');
  await page.keyboard.press('Enter');
  await prompt(page, PILIHAN);
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyC');
  await page.keyboard.up('Control');
  await ended(page, 'Ctrl-C');
  await page.close();
}

// Opened as tavirel.html#langkah, the box is ticked and each conversion shows its working;
// unticked, the program starts afresh without it and the address loses #langkah.
async function working() {
  const page = await open({ width: 1000, height: 700 }, '#langkah');
  if (!await page.$eval('#tampil-langkah', (box) => box.checked)) {
    failures.push('#langkah: the box "Tampilkan langkah" is not ticked');
  }
  await answer(page, PILIHAN, 'A');
  await answer(page, 'Masukkan bilangan desimal :', '10');
  await prompt(page, COBA_LAGI);
  await check(page, '#langkah: the working after the results', ['Hasil heksadesimal : A', '',
    'Ke biner: bagi dengan 2 berulang kali', '10 : 2 = 5 sisa 0', ' 5 : 2 = 2 sisa 1',
    ' 2 : 2 = 1 sisa 0', ' 1 : 2 = 0 sisa 1', 'Sisa dibaca dari bawah ke atas: 1010', '',
    'Ke oktal: bagi dengan 8 berulang kali', '10 : 8 = 1 sisa 2', ' 1 : 8 = 0 sisa 1',
    'Sisa dibaca dari bawah ke atas: 12', '', 'Ke heksadesimal: bagi dengan 16 berulang kali',
    '10 : 16 = 0 sisa 10 (A)', 'Sisa dibaca dari bawah ke atas: A', '', COBA_LAGI], false);

  await page.click('#tampil-langkah');
  if (await page.evaluate(() => window.location.hash) !== '') {
    failures.push('unticked: the address still has #langkah');
  }
  await prompt(page, PILIHAN);
  await check(page, 'unticked: the program starts afresh', [...BANNER, PILIHAN], true);
  await page.focus('.xterm-helper-textarea');
  await answer(page, PILIHAN, 'A');
  await answer(page, 'Masukkan bilangan desimal :', '10');
  await prompt(page, COBA_LAGI);
  await check(page, 'unticked: no working', ['Masukkan bilangan desimal : 10',
    'Hasil biner        : 1010', 'Hasil oktal        : 12', 'Hasil heksadesimal : A', '',
    COBA_LAGI], false);
  await page.close();
}

// A phone: the lines fit whole, tapping the terminal brings up the input line's keyboard, and
// text typed there as input events (as a virtual keyboard types) answers the prompts.
async function phone() {
  const page = await open({ width: 360, height: 640, isMobile: true, hasTouch: true });
  await prompt(page, PILIHAN);
  await check(page, 'a 360 px screen: the 45-column lines fit whole', [...BANNER, PILIHAN], true);
  await page.tap('#layar');
  if (!await page.evaluate(() => document.activeElement === document.getElementById('baris'))) {
    failures.push('a tap on the terminal does not focus the input line');
  }
  for (const [text, keys] of [[PILIHAN, 'B'], ['Masukkan bilangan biner :', '1010']]) {
    await prompt(page, text);
    await page.keyboard.sendCharacter(keys);
    await page.tap('#ketik button');
  }
  await prompt(page, COBA_LAGI);
  await check(page, 'a 360 px touch screen: answers through the input line', [
    'Masukkan Pilihan : B', '', 'Masukkan bilangan biner : 1010', 'Hasil desimal      : 10',
    'Hasil oktal        : 12', 'Hasil heksadesimal : A', '', COBA_LAGI], false);
  await page.close();
}

try {
  await desktop();
  await working();
  await phone();
} finally {
  await browser.close();
  rmSync(profile, { recursive: true, force: true });
}
for (const failure of failures) {
  console.log(`FAIL: ${failure}`);
}
console.log(failures.length === 0 ? 'page: all checks passed' : `page: ${failures.length} failed`);
process.exit(failures.length === 0 ? 0 : 1);
