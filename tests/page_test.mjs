// The page in real browsers, through puppeteer-core, opened from file://. In Chromium and in
// Firefox: a dialogue typed key by key with Backspace, a wrong answer that clears the screen and
// its scrollback, y, a pasted type-ahead, N, Ctrl-D and Ctrl-C ending the run and Enter
// starting it again, the focus at load and Tab leaving the terminal, the end line in a status,
// the page opened as tavirel.html#langkah, which shows the working, and its checkbox, which
// takes it away again; and the page opened as tavirel.html#latihan=42, a practice round of
// that seed whose right and wrong answers are judged and announced, and the choice of mode,
// by mouse and by keyboard, which starts the program afresh in the other mode, with a seed
// drawn for a practice round. In Chromium alone, as only it emulates touch and gives the
// accessibility tree: a 360x640 touch screen, where the 45-column lines fit and answers typed
// as text input go through the input line; and, on the desktop and on the touch screen,
// axe-core's WCAG 2.2 AA and best-practice rules at the first prompt and after a conversion
// (and in a practice round),
// the result lines in the accessibility tree and in the log that announces them, and every
// name in Indonesian. No request leaves the
// file and nothing is logged as an error. Each step waits for what the screen must show, never
// for a fixed time.
// Usage: node page_test.mjs NODE_MODULES PAGE_HTML. Exits 77 (skipped) when neither Chromium
// nor Firefox is installed.
import { existsSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const [modules, html] = process.argv.slice(2);
const browsers = {
  Chromium: ['/usr/bin/chromium', '/usr/bin/chromium-browser'].find(existsSync),
  Firefox: ['/usr/bin/firefox-esr', '/usr/bin/firefox'].find(existsSync),
};
const installed = Object.keys(browsers).filter((name) => browsers[name]);
if (installed.length === 0) {
  console.log('Neither Chromium nor Firefox is installed');
  process.exit(77);
}
const require = createRequire(path.resolve(modules, '..', 'package.json'));
const puppeteer = require('puppeteer-core');
const axeSource = readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const url = pathToFileURL(path.resolve(html)).href;

const RULE = '='.repeat(45);
const BANNER = ['Program Tavirel', RULE, 'A = Desimal ke Biner, Oktal, Heksadesimal',
  'B = Biner ke Desimal, Oktal, Heksadesimal', 'C = Oktal ke Desimal, Biner, Heksadesimal',
  'D = Heksadesimal ke Desimal, Biner, Oktal', RULE, ''];
const PILIHAN = 'Masukkan Pilihan :';
const COBA_LAGI = 'Ingin coba lagi (Y/N) ?';
const SALAH = 'Kode yang Anda masukkan salah!!';

const failures = [];
let browser;
let browserName;

function fail(message) {
  failures.push(`${browserName}: ${message}`);
}

async function launch(name) {
  browserName = name;
  const profile = mkdtempSync(path.join(tmpdir(), 'tavirel-page-'));
  browser = await puppeteer.launch(name === 'Chromium' ? {
    executablePath: browsers.Chromium,
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--allow-file-access-from-files'],
  } : {
    browser: 'firefox',
    executablePath: browsers.Firefox,
    headless: true,
    userDataDir: profile,
  });
  return profile;
}

// Opens the page in a new tab; every request other than the file itself, every console error
// and every uncaught error is a failure.
async function open(viewport, hash = '') {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  page.on('request', (request) => {
    if (request.url().replace(/#.*$/, '') !== url) {
      fail(`a request for ${request.url()}`);
    }
  });
  page.on('console', (message) => {
    if (message.type() === 'error') {
      fail(`a console error: ${message.text()}`);
    }
  });
  page.on('pageerror', (error) => {
    fail(`an uncaught error: ${error.message}`);
  });
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
    fail(`${what}\n--- expected\n${expected.join('\n')}\n--- shown` +
      `${scrolled ? ' (with scrollback)' : ''}\n${lines.join('\n')}`);
  }
}

// Types one character as a key of its own. Puppeteer types a character that a US keyboard
// lacks as text input, which xterm.js takes only from a key in screen reader mode; so in
// Chromium that key is sent as a keyboard with it would send it.
async function typeKey(page, key) {
  if (key === '\b') {
    await page.keyboard.press('Backspace');
  } else if (browserName === 'Chromium' && key > '~') {
    const session = await page.createCDPSession();
    await session.send('Input.dispatchKeyEvent', { type: 'keyDown', key, text: key });
    await session.send('Input.dispatchKeyEvent', { type: 'keyUp', key });
    await session.detach();
  } else {
    await page.keyboard.type(key);
  }
}

// Waits for the prompt, then types the keys one by one ("\b" is Backspace) and Enter.
async function answer(page, text, keys) {
  if (!await prompt(page, text)) {
    fail(`no prompt "${text}"`);
    return;
  }
  for (const key of keys) {
    await typeKey(page, key);
  }
  await page.keyboard.press('Enter');
}

// The element that has the focus: the terminal's, the checkbox's or another's id or tag.
function focused(page) {
  return page.evaluate(() => {
    const element = document.activeElement;
    if (element.classList.contains('xterm-helper-textarea')) {
      return 'terminal';
    }
    return element.id || element.tagName.toLowerCase();
  });
}

async function shiftTab(page) {
  await page.keyboard.down('Shift');
  await page.keyboard.press('Tab');
  await page.keyboard.up('Shift');
}

// The keyboard alone: the terminal has the focus at load; Shift-Tab reaches the checkbox, then
// the chosen mode, each with its focus drawn, and Tab comes back; Tab leaves the terminal.
async function keyboard(page) {
  if (await focused(page) !== 'terminal') {
    fail(`at load the focus is on ${await focused(page)}, not on the terminal`);
  }
  for (const control of ['tampil-langkah', 'mode-konversi']) {
    await shiftTab(page);
    if (await focused(page) !== control) {
      fail(`Shift-Tab reaches ${await focused(page)}, not ${control}`);
    } else if (await page.$eval(`#${control}`, (box) => parseFloat(getComputedStyle(box).outlineWidth)) < 2) {
      fail(`${control} with the focus has no outline`);
    }
  }
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  if (await focused(page) !== 'terminal') {
    fail(`Tab from the mode and the checkbox reaches ${await focused(page)}, not the terminal`);
  }
  await page.keyboard.press('Tab');
  if (await focused(page) === 'terminal') {
    fail('Tab does not leave the terminal');
  }
  await page.focus('.xterm-helper-textarea');
}

// Waits for the line under the terminal that says the run has ended.
async function ended(page, how) {
  try {
    await page.waitForFunction(() => document.getElementById('akhir').textContent !== '',
      { timeout: 30000 });
  } catch {
    fail(`${how}: the page does not say that the program has ended`);
  }
}

// axe-core's rules for WCAG 2.2 AA and for best practice find nothing on the page as it stands.
async function axe(page, state) {
  if (browserName !== 'Chromium') {
    return;
  }
  if (!await page.evaluate(() => 'axe' in window)) {
    await page.addScriptTag({ content: axeSource });
  }
  const violations = await page.evaluate(async () => {
    const tags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];
    const results = await window.axe.run(document, { runOnly: { type: 'tag', values: tags } });
    return results.violations.map((violation) => `${violation.id}: ${violation.help} (` +
      `${violation.nodes.map((node) => node.target.join(' ')).join(', ')})`);
  });
  for (const violation of violations) {
    fail(`axe-core, ${state}: ${violation}`);
  }
}

// What a screen reader has after a conversion: the result lines in the accessibility tree, and
// the result lines and the next prompt in the log that announced them. Every name of a control
// or a region is Indonesian.
async function assistive(page, results, state) {
  if (browserName !== 'Chromium') {
    return;
  }
  // xterm.js refreshes its rows for assistive technology at most every 100 ms.
  try {
    await page.waitForFunction((last) => [...document.querySelectorAll('#layar [role="listitem"]')]
      .some((row) => row.textContent === last), { timeout: 5000 }, results[results.length - 1]);
  } catch {
    fail(`${state}: the terminal's rows for assistive technology do not show the results`);
  }
  const flatten = (node) => (node ? [node, ...(node.children || []).flatMap(flatten)] : []);
  const nodes = flatten(await page.accessibility.snapshot());
  // The terminal's lines: its text, which a snapshot of the whole page leaves out of rows.
  const rows = flatten(await page.accessibility.snapshot({
    root: await page.$('#layar'), interestingOnly: false,
  }));
  const spoken = (text) => text.replace(/\s+/g, ' ').trim();
  for (const line of results) {
    if (!rows.some((node) => node.role === 'StaticText' && spoken(node.name) === spoken(line))) {
      fail(`${state}: "${line}" is not among the terminal's lines in the accessibility tree`);
    }
  }
  const heard = await page.$$eval('#siaran > *', (lines) => lines.map((line) => line.textContent));
  for (const line of [...results, COBA_LAGI]) {
    if (!heard.some((text) => spoken(text) === spoken(line))) {
      fail(`${state}: the log did not announce "${line}"; it holds ${JSON.stringify(heard)}`);
    }
  }
  const english = /\b(input|output|send|submit|answer|show|steps|navigate|rows|too much)\b/i;
  for (const { role, name } of nodes) {
    if (role !== 'StaticText' && english.test(name || '')) {
      fail(`${state}: the ${role} "${name}" is named in English`);
    }
  }
}

async function desktop() {
  const page = await open({ width: 1000, height: 700 });
  await prompt(page, PILIHAN);
  await axe(page, 'the desktop at the first prompt');
  await keyboard(page);
  await answer(page, PILIHAN, 'A');
  // Backspace takes back the 9, then the two-byte é whole.
  await answer(page, 'Masukkan bilangan desimal :', '19\bé\b0');
  await prompt(page, COBA_LAGI);
  const results = ['Hasil biner        : 1010', 'Hasil oktal        : 12', 'Hasil heksadesimal : A'];
  await check(page, 'typed key by key, with Backspace: a conversion on the same screen', [...BANNER,
    'Masukkan Pilihan : A', '', 'Masukkan bilangan desimal : 10', ...results, '', COBA_LAGI], true);
  await axe(page, 'the desktop after a conversion');
  await assistive(page, results, 'the desktop');

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
  if (!await page.$eval('#akhir', (line) => line.closest('[role="status"], [aria-live]') !== null)) {
    fail('the end line is in no live region, so no screen reader announces it');
  }
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
    fail('#langkah: the box "Tampilkan langkah" is not ticked');
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
    fail('unticked: the address still has #langkah');
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

// Opened as tavirel.html#latihan=42, Latihan is chosen and the round is the seed 42's; a right
// answer and a wrong one are judged, and each judgement is announced in the log. The checkbox
// for the working is not offered there. Konversi, chosen by mouse, starts the converter
// afresh; a seed out of range in the address, and Latihan chosen by keyboard, a round with a
// seed drawn from 1 to 999999.
async function practice() {
  const page = await open({ width: 1000, height: 700 }, '#latihan=42');
  const header = ['Program Tavirel: Latihan', RULE, '10 soal, benih 42', RULE, '', 'Soal 1 dari 10',
    'Ubah desimal 62 ke oktal :'];
  if (!await prompt(page, header[header.length - 1])) {
    fail('#latihan=42: no first question');
  }
  await check(page, '#latihan=42: the round of the seed 42', header, true);
  if (!await page.$eval('#mode-latihan', (radio) => radio.checked) ||
    await page.$eval('#pilihan-langkah', (label) => label.getClientRects().length > 0)) {
    fail('#latihan=42: Latihan is not chosen, or the checkbox for the working is shown');
  }
  await axe(page, 'a practice round at its first question');
  const heard = async (line) => {
    try {
      await page.waitForFunction((line) => [...document.querySelectorAll('#siaran > *')]
        .some((said) => said.textContent === line), { timeout: 5000 }, line);
    } catch {
      fail(`practice: the log did not announce "${line}"`);
    }
  };
  await answer(page, 'Ubah desimal 62 ke oktal :', '76');
  await heard('Benar!');
  await answer(page, 'Ubah oktal 50 ke desimal :', '41');
  await heard('Salah. Jawaban yang benar: 40');
  await prompt(page, 'Ubah heksadesimal EE ke biner :');
  await check(page, 'practice: a right and a wrong answer', ['Ubah desimal 62 ke oktal : 76',
    'Benar!', '', 'Soal 2 dari 10', 'Ubah oktal 50 ke desimal : 41', 'Salah. Jawaban yang benar: 40',
    '', 'Ke desimal: kalikan digit dengan bobotnya', '5 x 8^1 = 40', '0 x 8^0 = 0', 'Jumlah: 40',
    '', 'Soal 3 dari 10', 'Ubah heksadesimal EE ke biner :'], false);
  await axe(page, 'a practice round after a wrong answer');

  await page.click('#mode-konversi');
  await prompt(page, PILIHAN);
  await check(page, 'Konversi chosen: the converter afresh', [...BANNER, PILIHAN], true);
  if (await page.evaluate(() => window.location.hash) !== '' ||
    !await page.$eval('#pilihan-langkah', (label) => label.getClientRects().length > 0)) {
    fail('Konversi chosen: the address keeps a #, or the checkbox for the working is not shown');
  }
  // A seed out of range in the address opens Latihan with a seed drawn, as #latihan does;
  // the mode's arrow keys go back to Konversi and to Latihan again.
  const drawn = async (how, hash) => {
    try {
      await page.waitForFunction(() => /^10 soal, benih [1-9][0-9]{0,5} *$/.test(
        window.tavirelTerminal.buffer.active.getLine(2).translateToString(true)), { timeout: 30000 });
    } catch {
      fail(`${how}: no round with a seed drawn from 1 to 999999:\n${(await screen(page)).lines.join('\n')}`);
    }
    if (await page.evaluate(() => window.location.hash) !== hash ||
      !await page.$eval('#mode-latihan', (radio) => radio.checked)) {
      fail(`${how}: Latihan is not chosen, or the address is not ${hash}`);
    }
  };
  await page.evaluate(() => { window.location.hash = '#latihan=18446744073709551616'; });
  await drawn('#latihan=2^64', '#latihan=18446744073709551616');
  await page.focus('#mode-latihan');
  await page.keyboard.press('ArrowLeft');
  await prompt(page, PILIHAN);
  await check(page, 'Konversi chosen by keyboard: the converter afresh', [...BANNER, PILIHAN], true);
  await page.keyboard.press('ArrowRight');
  await drawn('Latihan chosen by keyboard', '#latihan');
  await page.close();
}

// A phone: the lines fit whole, tapping the terminal brings up the input line's keyboard, and
// text typed there as input events (as a virtual keyboard types) answers the prompts.
async function phone() {
  const page = await open({ width: 360, height: 640, isMobile: true, hasTouch: true });
  await prompt(page, PILIHAN);
  await check(page, 'a 360 px screen: the 45-column lines fit whole', [...BANNER, PILIHAN], true);
  if (await page.evaluate(() => document.documentElement.scrollWidth > window.innerWidth)) {
    fail('a 360 px screen scrolls sideways');
  }
  await axe(page, 'the touch screen at the first prompt');
  await page.tap('#layar');
  if (!await page.evaluate(() => document.activeElement === document.getElementById('baris'))) {
    fail('a tap on the terminal does not focus the input line');
  }
  for (const [text, keys] of [[PILIHAN, 'B'], ['Masukkan bilangan biner :', '1010']]) {
    await prompt(page, text);
    await page.keyboard.sendCharacter(keys);
    await page.tap('#ketik button');
  }
  await prompt(page, COBA_LAGI);
  const results = ['Hasil desimal      : 10', 'Hasil oktal        : 12', 'Hasil heksadesimal : A'];
  await check(page, 'a 360 px touch screen: answers through the input line', [
    'Masukkan Pilihan : B', '', 'Masukkan bilangan biner : 1010', ...results, '', COBA_LAGI],
  false);
  await axe(page, 'the touch screen after a conversion');
  await assistive(page, results, 'the touch screen');
  await page.close();
}

for (const name of installed) {
  const profile = await launch(name);
  try {
    await desktop();
    await working();
    await practice();
    if (name === 'Chromium') {
      await phone();
    }
  } finally {
    await browser.close();
    rmSync(profile, { recursive: true, force: true });
  }
}
for (const failure of failures) {
  console.log(`FAIL: ${failure}`);
}
console.log(failures.length === 0 ? `page: all checks passed in ${installed.join(' and ')}`
  : `page: ${failures.length} failed`);
process.exit(failures.length === 0 ? 0 : 1);
