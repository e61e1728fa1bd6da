// The page in real browsers, through puppeteer-core, opened from file://. The screen is read as its
// lines in #layar, trailing blanks included. In Chromium and in Firefox: a dialogue typed in the
// answer field, with Backspace, each answer echoed on its prompt's line; a wrong answer that clears
// the screen; y; a paste of three lines at the caret, over a selection, handed over in turn; N,
// Ctrl-D in an empty field, Ctrl-D after typed text (the clear comes while the cursor's line has
// text) and Ctrl-C ending the run, and Enter starting it again; Ctrl-C over a selection, which
// copies; the focus at load and Shift-Tab and Tab through the controls; the end line in a status;
// the page opened as tavirel.html#langkah, which shows the working, and its checkbox, which takes
// it away again; and the page opened as tavirel.html#latihan=42, a practice round of that seed
// whose right and wrong answers are judged, a typed "é" echoed as typed, and the choice of mode, by
// mouse and by keyboard, which starts the program afresh in the other mode, with a seed drawn for a
// practice round; the sheets of "Lembar soal", exactly as the program writes them, its fields'
// checks, and the level of a practice round from the address and from its select; "Hitung" with its
// working, a practice round and the sheets of operations, and "Pecahan" with its working and
// without, a paste, Ctrl-D after a number, a restart and Ctrl-C there, a practice round and the
// sheets of fractions, exactly as the program writes them, from addresses whose parts come in any
// order, and the address written back; multiple choice in "Lembar soal", from the address
// (#lembar&pilihan&pecahan), exactly as the program writes it with its key table, which the status
// counts as a sheet, the address written back, and Tab through the group "Cetakan" in order; "Unduh
// untuk Moodle", which saves a file named by kind, level and seed that holds exactly what the
// program writes with --moodle for the same settings, the largest bank of 16 MB too, saved into a
// folder of the test's (Chromium's by the DevTools protocol, Firefox's by its preferences) and read
// once the browser has finished it, while the button is unavailable and keeps the focus and the
// sheets stay on the screen; and a failure to run reported. In Chromium alone, as only it emulates
// touch, gives the accessibility tree and prints to PDF: a 360x640 touch screen, where the
// 45-column lines fit on one row, a long line of text wraps after its last blank that fits and in a
// word only where a row has no blank, its rows after the first under the first word after its label
// (a 32-bit result, a column of a written subtraction, the title of a working of fractions), a
// written sum's rows keep their columns, whether they fit or wrap, nothing scrolls sideways, and
// answers go through the field by tap; axe-core's WCAG 2.2 AA and best-practice rules on the
// desktop and on the touch screen, in Konversi, Hitung, Pecahan, Latihan and Lembar soal (with
// "Pilihan ganda" ticked too), at the first prompt and after answers; each result line once in the
// accessibility tree, the screen the one log, and every name in Indonesian; and a practice round
// printed whole and the sheets printed one a page, a written sum in its columns, and the key table
// of multiple choice on a page of its own, none of the controls printed, read back with pdftotext.
// No request leaves the file and nothing is logged as an error. Each step waits for what the screen,
// or the downloads folder, must show, never for a fixed time.
// Usage: node page_test.mjs NODE_MODULES PAGE_HTML. Exits 77 (skipped) when neither Chromium
// nor Firefox is installed.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { installedBrowsers, launchBrowser, report } from './browsers.mjs';

const [modules, html] = process.argv.slice(2);
const browsers = installedBrowsers();
const installed = Object.keys(browsers);
const require = createRequire(path.resolve(modules, '..', 'package.json'));
const puppeteer = require('puppeteer-core');
const axeSource = readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const url = pathToFileURL(path.resolve(html)).href;

const RULE = '='.repeat(45);
const BANNER = ['Program Tavirel', RULE, 'A = Desimal ke Biner, Oktal, Heksadesimal ',
  'B = Biner ke Desimal, Oktal, Heksadesimal ', 'C = Oktal ke Desimal, Biner, Heksadesimal ',
  'D = Heksadesimal ke Desimal, Biner, Oktal ', RULE, ''];
const PILIHAN = 'Masukkan Pilihan : ';
const DESIMAL = 'Masukkan bilangan desimal : ';
const COBA_LAGI = 'Ingin coba lagi (Y/N) ? ';
const SALAH = 'Kode yang Anda masukkan salah!!';
const BANNER_HITUNG = ['Program Tavirel: Operasi Hitung', RULE, 'A = Desimal', 'B = Biner', 'C = Oktal',
  'D = Heksadesimal', RULE, ''];
const BANNER_PECAHAN = ['Program Tavirel: Bilangan Pecahan', ...BANNER.slice(1)];

const failures = [];
let browser;
let browserName;
// The folder where the browser saves downloads, without asking.
let downloads;

function fail(message) {
  failures.push(`${browserName}: ${message}`);
}

async function launch(name) {
  browserName = name;
  downloads = mkdtempSync(path.join(tmpdir(), 'tavirel-downloads-'));
  const launched = await launchBrowser(puppeteer, name, browsers[name],
    ['--allow-file-access-from-files'], downloads);
  browser = launched.browser;
  return launched.profile;
}

// Opens the page in a new tab; every request that leaves the file (Firefox asks for a font of
// its own, inline, to draw a <details> element's marker), every console error and every
// uncaught error is a failure.
async function open(viewport, hash = '') {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  page.on('request', (request) => {
    if (request.url().replace(/#.*$/, '') !== url && !request.url().startsWith('data:')) {
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

// The screen: the texts of #layar's lines.
function screen(page) {
  return page.$$eval('#layar > *', (lines) => lines.map((line) => line.textContent));
}

// Waits until the screen's last line, the cursor's, is TEXT; false after 30 seconds.
async function prompt(page, text) {
  try {
    await page.waitForFunction((text) => {
      const layar = document.getElementById('layar');
      return layar !== null && layar.lastElementChild?.textContent === text;
    }, { timeout: 30000 }, text);
    return true;
  } catch {
    return false;
  }
}

// check WHAT EXPECTED FROM_TOP: the screen is exactly EXPECTED (lines), or with FROM_TOP unset
// ends with them, within 5 seconds.
async function check(page, what, expected, fromTop) {
  try {
    await page.waitForFunction((expected, fromTop) => {
      const lines = [...document.getElementById('layar').children].map((line) => line.textContent);
      const shown = fromTop ? lines : lines.slice(-expected.length);
      return JSON.stringify(shown) === JSON.stringify(expected);
    }, { timeout: 5000 }, expected, fromTop);
  } catch {
    // Reported below, with the screen as it is.
  }
  const lines = await screen(page);
  const shown = fromTop ? lines : lines.slice(-expected.length);
  if (JSON.stringify(shown) !== JSON.stringify(expected)) {
    fail(`${what}\n--- expected\n${expected.join('|\n')}|\n--- shown\n${lines.join('|\n')}|`);
  }
}

// Waits for the prompt, then types the keys in the field ("\b" is Backspace) and Enter.
async function answer(page, text, keys) {
  if (!await prompt(page, text)) {
    fail(`no prompt "${text}":\n${(await screen(page)).join('|\n')}|`);
    return;
  }
  for (const key of keys) {
    await (key === '\b' ? page.keyboard.press('Backspace') : page.keyboard.type(key));
  }
  await page.keyboard.press('Enter');
}

async function control(page, key) {
  await page.keyboard.down('Control');
  await page.keyboard.press(key);
  await page.keyboard.up('Control');
}

// The id of the element that has the focus, or its tag.
function focused(page) {
  return page.evaluate(() => document.activeElement.id || document.activeElement.tagName.toLowerCase());
}

async function shiftTab(page) {
  await page.keyboard.down('Shift');
  await page.keyboard.press('Tab');
  await page.keyboard.up('Shift');
}

// The keyboard alone: the field has the focus at load, by its autofocus, which the browser
// gives it as it first draws the page; Shift-Tab reaches the screen, the checkbox, then the
// chosen mode, each with its focus drawn, and Tab comes back.
async function keyboard(page) {
  await page.waitForFunction(() => document.activeElement?.id === 'baris', { timeout: 5000 })
    .catch(() => {});
  if (await focused(page) !== 'baris') {
    fail(`at load the focus is on ${await focused(page)}, not on the field`);
  }
  const order = ['layar', 'tampil-langkah', 'mode-konversi'];
  for (const id of order) {
    await shiftTab(page);
    if (await focused(page) !== id) {
      fail(`Shift-Tab reaches ${await focused(page)}, not ${id}`);
    } else if (await page.$eval(`#${id}`, (element) => parseFloat(getComputedStyle(element).outlineWidth)) < 2) {
      fail(`${id} with the focus has no outline`);
    }
  }
  for (const id of order) {
    await page.keyboard.press('Tab');
  }
  if (await focused(page) !== 'baris') {
    fail(`Tab from the mode reaches ${await focused(page)}, not the field`);
  }
}

// What PAGE prints on A4, as pdftotext reads it back with its layout; pages end in form feeds.
async function printedText(page) {
  const work = mkdtempSync(path.join(tmpdir(), 'tavirel-print-'));
  try {
    writeFileSync(path.join(work, 'printed.pdf'), await page.pdf({ format: 'A4' }));
    return execFileSync('pdftotext', ['-layout', path.join(work, 'printed.pdf'), '-'],
      { encoding: 'utf8' });
  } finally {
    rmSync(work, { recursive: true, force: true });
  }
}

// Types VALUE over what the field #ID holds and leaves it by Tab, as a user changes a setting.
async function enter(page, id, value) {
  await page.$eval(`#${id}`, (field) => field.select());
  await page.keyboard.type(value);
  await page.keyboard.press('Tab');
}

// Waits until the status says EXPECTED; a failure names WHAT.
async function status(page, expected, what) {
  try {
    await page.waitForFunction((expected) =>
      document.getElementById('akhir').textContent === expected, { timeout: 30000 }, expected);
  } catch {
    const shown = await page.$eval('#akhir', (line) => line.textContent);
    fail(`${what}: the status is "${shown}", not "${expected}"`);
  }
}

// Waits for the status that says the run has ended.
async function ended(page, how) {
  try {
    await page.waitForFunction(() => document.getElementById('akhir').textContent !== '',
      { timeout: 30000 });
  } catch {
    fail(`${how}: the page does not say that the program has ended`);
  }
}

// Hands the field a paste of TEXT, as a clipboard gives it. Firefox empties the data of a
// paste event that a script makes, so there the event carries the data itself.
async function paste(page, text) {
  await page.$eval('#baris', (field, text, real) => {
    let event;
    if (real) {
      const data = new DataTransfer();
      data.setData('text/plain', text);
      event = new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true });
    } else {
      event = new Event('paste', { bubbles: true, cancelable: true });
      Object.defineProperty(event, 'clipboardData', { value: { getData: () => text } });
    }
    field.dispatchEvent(event);
  }, text, browserName === 'Chromium');
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

// What a screen reader has: the screen is the page's one log, and each result line is in the
// accessibility tree once. Every name of a control or a region is Indonesian.
async function assistive(page, results, state) {
  if (browserName !== 'Chromium') {
    return;
  }
  const flatten = (node) => (node ? [node, ...(node.children || []).flatMap(flatten)] : []);
  const nodes = flatten(await page.accessibility.snapshot({ interestingOnly: false }));
  for (const line of results) {
    const found = nodes.filter((node) => node.role === 'StaticText' && node.name === line).length;
    if (found !== 1) {
      fail(`${state}: "${line}" is in the accessibility tree ${found} times, not once`);
    }
  }
  const logs = nodes.filter((node) => node.role === 'log').map((node) => node.name);
  if (JSON.stringify(logs) !== '["Layar program"]') {
    fail(`${state}: the page's logs are ${JSON.stringify(logs)}, not the screen alone`);
  }
  const english = /\b(input|output|send|submit|answer|show|steps|screen|terminal|log)\b/i;
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
  await answer(page, DESIMAL, '19\b0');
  await prompt(page, COBA_LAGI);
  const results = ['Hasil biner        : 1010', 'Hasil oktal        : 12', 'Hasil heksadesimal : A'];
  await check(page, 'typed with Backspace: a conversion on the same screen, each answer on its prompt',
    [...BANNER, `${PILIHAN}A`, '', `${DESIMAL}10`, ...results, '', COBA_LAGI], true);
  await axe(page, 'the desktop after a conversion');
  await assistive(page, results, 'the desktop');

  await answer(page, COBA_LAGI, 'x');
  await prompt(page, COBA_LAGI);
  await check(page, 'a wrong answer: the screen cleared, the message from the top',
    [SALAH, '', '', COBA_LAGI], true);

  await answer(page, COBA_LAGI, 'y');
  await prompt(page, PILIHAN);
  await check(page, 'y: the banner on a cleared screen', [...BANNER, PILIHAN], true);

  // Three lines pasted over the "z" of "Dzq": the first joins the "D", the two handed over
  // echo at once, as typed ahead, and answer the next two prompts; the third stays in the
  // field before the "q", with the caret between them. A control character is dropped.
  await page.$eval('#baris', (field) => {
    field.value = 'Dzq';
    field.setSelectionRange(1, 2);
  });
  await paste(page, '\r\nf\x07f\r\nA');
  await prompt(page, COBA_LAGI);
  await check(page, 'a paste of three lines', [`${PILIHAN}D`, 'ff', '',
    'Masukkan bilangan hexadesimal : Hasil desimal      : 255',
    'Hasil biner        : 11111111', 'Hasil oktal        : 377', '', COBA_LAGI], false);
  const field = await page.$eval('#baris', (field) => [field.value, field.selectionStart]);
  if (JSON.stringify(field) !== '["Aq",1]') {
    fail(`after the paste the field holds ${JSON.stringify(field)}, not "Aq" with the caret at 1`);
  }
  await page.$eval('#baris', (field) => { field.value = ''; });

  await answer(page, COBA_LAGI, 'n');
  await ended(page, 'N');
  if (!await page.$eval('#akhir', (line) => line.closest('[role="status"], [aria-live]') !== null)) {
    fail('the end line is in no live region, so no screen reader announces it');
  }
  // Enter starts again, dropping what the field holds.
  await page.keyboard.type('A');
  await page.keyboard.press('Enter');
  await prompt(page, PILIHAN);
  await check(page, 'after N, Enter starts again', [...BANNER, PILIHAN], true);

  await control(page, 'KeyD');
  await ended(page, 'Ctrl-D');
  await check(page, 'Ctrl-D in an empty field: no echo, and the program ends its line',
    [...BANNER, PILIHAN, ''], true);
  await page.keyboard.press('Enter');
  await prompt(page, PILIHAN);
  if (await focused(page) !== 'baris') {
    fail(`after a restart by Enter the focus is on ${await focused(page)}`);
  }

  // Ctrl-D after typed text hands it over without a line end; the wrong answer clears the
  // screen while the cursor's line holds it, and the next read finds the end.
  await answer(page, PILIHAN, 'A');
  await answer(page, DESIMAL, '10');
  await prompt(page, COBA_LAGI);
  await page.keyboard.type('x');
  await control(page, 'KeyD');
  await ended(page, 'Ctrl-D after text');
  await check(page, 'Ctrl-D after text: the clear, then the end', [SALAH, '', '', COBA_LAGI, ''],
    true);

  // Ctrl-C over a selection copies; with none it interrupts, dropping the field's text.
  await page.keyboard.press('Enter');
  await prompt(page, PILIHAN);
  await page.keyboard.type('12');
  await page.$eval('#baris', (field) => field.select());
  await control(page, 'KeyC');
  await page.$eval('#baris', (field) => field.setSelectionRange(2, 2));
  await control(page, 'KeyC');
  await ended(page, 'Ctrl-C');
  await check(page, 'Ctrl-C: "^C" where the cursor is, the field not echoed',
    [...BANNER, `${PILIHAN}^C`, ''], true);
  if (await page.$eval('#baris', (field) => field.value) !== '') {
    fail('Ctrl-C leaves the field\'s text');
  }
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
  await answer(page, DESIMAL, '10');
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
  if (await focused(page) !== 'tampil-langkah') {
    fail(`unticked: the focus moves to ${await focused(page)}`);
  }
  await page.click('#layar');
  await answer(page, PILIHAN, 'A');
  await answer(page, DESIMAL, '10');
  await prompt(page, COBA_LAGI);
  await check(page, 'unticked, the screen clicked: answers in the field, no working', [
    `${DESIMAL}10`, 'Hasil biner        : 1010', 'Hasil oktal        : 12',
    'Hasil heksadesimal : A', '', COBA_LAGI], false);
  await page.close();
}

// The header of the seed 42's round, up to its first question.
const HEADER = ['Program Tavirel: Latihan', RULE, '10 soal, benih 42', RULE, '', 'Soal 1 dari 10',
  'Ubah desimal 62 ke oktal : '];

// Opened as tavirel.html#latihan=42, Latihan is chosen and the round is the seed 42's; a right
// answer and a wrong one are judged. The checkbox for the working is not offered there.
// Konversi, chosen by mouse, starts the converter afresh; a seed out of range in the address,
// and Latihan chosen by keyboard, a round with a seed drawn from 1 to 999999.
async function practice() {
  const page = await open({ width: 1000, height: 700 }, '#latihan=42');
  if (!await prompt(page, HEADER[HEADER.length - 1])) {
    fail('#latihan=42: no first question');
  }
  await check(page, '#latihan=42: the round of the seed 42', HEADER, true);
  if (!await page.$eval('#mode-latihan', (radio) => radio.checked) ||
    await page.$eval('#pilihan-langkah', (label) => label.getClientRects().length > 0)) {
    fail('#latihan=42: Latihan is not chosen, or the checkbox for the working is shown');
  }
  await axe(page, 'a practice round at its first question');
  await answer(page, 'Ubah desimal 62 ke oktal : ', 'é');
  await answer(page, 'Ubah oktal 50 ke desimal : ', '40');
  await prompt(page, 'Ubah heksadesimal EE ke biner : ');
  await check(page, 'practice: a wrong answer, echoed as typed, and a right one', [
    'Ubah desimal 62 ke oktal : é', 'Salah. Jawaban yang benar: 76', '',
    'Ke oktal: bagi dengan 8 berulang kali', '62 : 8 = 7 sisa 6', ' 7 : 8 = 0 sisa 7',
    'Sisa dibaca dari bawah ke atas: 76', '', 'Soal 2 dari 10', 'Ubah oktal 50 ke desimal : 40',
    'Benar!', '', 'Soal 3 dari 10', 'Ubah heksadesimal EE ke biner : '], false);
  await axe(page, 'a practice round after answers');
  await assistive(page, ['Salah. Jawaban yang benar: 76', 'Benar!'], 'a practice round');

  await page.click('#mode-konversi');
  await prompt(page, PILIHAN);
  await check(page, 'Konversi chosen: the converter afresh', [...BANNER, PILIHAN], true);
  if (await page.evaluate(() => window.location.hash) !== '' ||
    !await page.$eval('#pilihan-langkah', (label) => label.getClientRects().length > 0)) {
    fail('Konversi chosen: the address keeps a #, or the checkbox for the working is not shown');
  }
  // A seed out of range in the address opens Latihan with a seed drawn, as #latihan does;
  // the mode's arrow keys go back through Pecahan and Hitung to Konversi, each started afresh,
  // and on to Latihan again.
  const drawn = async (how, hash) => {
    try {
      await page.waitForFunction(() => /^10 soal, benih [1-9][0-9]{0,5}$/.test(
        document.querySelector('#layar > :nth-child(3)')?.textContent), { timeout: 30000 });
    } catch {
      fail(`${how}: no round with a seed drawn from 1 to 999999:\n${(await screen(page)).join('\n')}`);
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
  await check(page, 'Pecahan chosen by keyboard: the fractions afresh',
    [...BANNER_PECAHAN, PILIHAN], true);
  await page.keyboard.press('ArrowLeft');
  await check(page, 'Hitung chosen by keyboard: the operations afresh', [...BANNER_HITUNG, PILIHAN],
    true);
  await page.keyboard.press('ArrowLeft');
  await check(page, 'Konversi chosen by keyboard: the converter afresh', [...BANNER, PILIHAN], true);
  for (let i = 0; i < 3; i++) {
    await page.keyboard.press('ArrowRight');
  }
  await drawn('Latihan chosen by keyboard', '#latihan');
  if (await focused(page) !== 'mode-latihan') {
    fail(`Latihan chosen by keyboard: the focus moves to ${await focused(page)}`);
  }
  await page.close();
}

// What the program writes under node for these arguments and this input, as lines.
function written(arguments_, input = '') {
  return execFileSync(process.execPath, [path.join(path.dirname(html), 'tavirel.js'),
    ...arguments_], { input, encoding: 'utf8' }).split('\n');
}

// Hitung, opened as tavirel.html#hitung&langkah: the box is ticked, and a soal typed with its
// blanks gets the lines the program writes for it, its working with them; unticked, the
// address is #hitung. Latihan with "Operasi hitung", from an address whose parts come in
// another order, asks the program's questions and explains a wrong answer; its controls write
// the address in their order. Lembar soal with "Operasi hitung" shows the program's sheets.
async function operations() {
  const page = await open({ width: 1000, height: 700 }, '#hitung&langkah');
  if (!await page.$eval('#mode-hitung', (radio) => radio.checked) ||
    !await page.$eval('#tampil-langkah', (box) => box.checked)) {
    fail('#hitung&langkah: Hitung is not chosen, or the box "Tampilkan langkah" is not ticked');
  }
  await axe(page, 'Hitung at the first prompt');
  await answer(page, PILIHAN, 'b');
  await answer(page, 'Masukkan soal biner : ', ' 1110 x 1100');
  await prompt(page, COBA_LAGI);
  // Under node the answers are not echoed, and the end of input ends the last prompt's line.
  const soal = 'Masukkan soal biner : ';
  const node = written(['--hitung', '--langkah'], 'b\n 1110 x 1100\n');
  const n = BANNER_HITUNG.length + 1;
  const lines = [...node.slice(0, n - 1), `${PILIHAN}b`, '', `${soal} 1110 x 1100`,
    node[n].slice(soal.length), ...node.slice(n + 1, -1)];
  await check(page, '#hitung&langkah: the results and the working the program writes', lines, true);
  await axe(page, 'Hitung after a soal and its working');
  await assistive(page, lines.filter((line) => line.startsWith('Hasil ')).slice(1), 'Hitung');
  await page.click('#tampil-langkah');
  if (await page.evaluate(() => window.location.hash) !== '#hitung') {
    fail('Hitung unticked: the address is not #hitung');
  }
  await prompt(page, PILIHAN);
  await check(page, 'Hitung unticked: the operations afresh', [...BANNER_HITUNG, PILIHAN], true);
  await page.close();

  const round = await open({ width: 1000, height: 700 }, '#latihan=42&hitung&tingkat=002');
  const first = 'Hitung oktal 35403 - 15522 = ';
  if (!await prompt(round, first) || await round.$eval('#jenis', (select) => select.value) !== 'hitung') {
    fail('#latihan=42&hitung&tingkat=002: not the operations of the seed 42 at level 2');
  }
  await axe(round, 'a practice round of operations');
  await answer(round, first, '17662');
  const asked = written(['--latihan', '--hitung', '--benih=42', '--tingkat=2'], '17662\n');
  const wrong = asked.indexOf(`${first}Salah. Jawaban yang benar: 17661`);
  await check(round, 'operations in practice: a wrong answer explained as the program does',
    [`${first}17662`, 'Salah. Jawaban yang benar: 17661', ...asked.slice(wrong + 1, -1)], false);
  await round.select('#jenis', 'konversi');
  await round.select('#jenis', 'hitung');
  if (await round.evaluate(() => window.location.hash) !== '#latihan=42&tingkat=2&hitung') {
    fail(`operations in practice: the address is ${await round.evaluate(() => window.location.hash)}`);
  }
  await prompt(round, first);
  await round.close();

  const sheet = await open({ width: 1000, height: 700 }, '#lembar&hitung');
  await sheet.$eval('#benih', (field) => {
    field.value = '42';
    field.dispatchEvent(new Event('change'));
  });
  await sheet.click('#cetak-langkah');
  await sheet.waitForFunction(() => document.getElementById('akhir').textContent !== '',
    { timeout: 30000 });
  const sheets = written(['--lembar', '--kunci', '--hitung', '--langkah', '--benih=42', '--soal=10',
    '--siswa=1', '--tingkat=1']);
  await check(sheet, 'Lembar soal with operations: the sheets the program writes', sheets, true);
  if (await sheet.evaluate(() => window.location.hash) !== '#lembar&hitung') {
    fail('Lembar soal with operations: the address is not #lembar&hitung');
  }
  await axe(sheet, 'the sheets of operations');
  // Printed, each sheet starts a page, and a written sum keeps its columns: its rows, read back
  // by pdftotext, stand as the program writes them.
  if (browserName === 'Chromium') {
    const printed = await printedText(sheet);
    const titles = /^Program Tavirel: (Lembar Soal|Kunci Jawaban)$/;
    const firsts = printed.split('\f').map((page) => page.trim().split('\n')[0]);
    const all = printed.split('\n').filter((line) => titles.test(line.trim()));
    if (firsts.filter((first) => titles.test(first)).length !== 2 || all.length !== 2) {
      fail(`the sheets of operations printed: the pages start ${JSON.stringify(firsts)}`);
    }
    const text = printed.split('\n');
    const title = text.findIndex((line) => line.trim() === 'Pengurangan oktal: kurangkan tiap kolom dari kanan');
    const block = text.slice(title + 1, title + 6);
    const indent = Math.min(...block.map((line) => line.search(/\S/)));
    const rows = block.map((line) => line.slice(indent).trimEnd());
    if (title < 0 || JSON.stringify(rows) !== JSON.stringify(['11', '155', ' 76 -', '---', '057'])) {
      fail(`the sheets of operations printed: the first written sum is ${JSON.stringify(rows)}`);
    }
  }
  await sheet.close();
}

// Pecahan, opened as tavirel.html#pecahan&langkah: the box is ticked, and a decimal fraction
// gets the lines the program writes for it, its working with them; unticked, the address is
// #pecahan, the program starts afresh, and the same number gets its results alone; a paste,
// Ctrl-D after a number, Enter after the end and Ctrl-C work there as in Konversi. Latihan
// with "Bilangan pecahan", from #latihan=42&pecahan, asks the seed 42's questions of fractions
// and judges a right answer and a wrong one as the program does; an address whose parts come
// in another order gives another seed's round at level 2, and the controls write the address
// in their order. Lembar soal with "Bilangan pecahan" shows the program's sheets, in Chromium
// printed one a page.
async function fractions() {
  const page = await open({ width: 1000, height: 700 }, '#pecahan&langkah');
  if (!await page.$eval('#mode-pecahan', (radio) => radio.checked) ||
    !await page.$eval('#tampil-langkah', (box) => box.checked)) {
    fail('#pecahan&langkah: Pecahan is not chosen, or the box "Tampilkan langkah" is not ticked');
  }
  await prompt(page, PILIHAN);
  await check(page, '#pecahan&langkah: the banner of fractions', [...BANNER_PECAHAN, PILIHAN],
    true);
  await axe(page, 'Pecahan at the first prompt');
  await answer(page, PILIHAN, 'a');
  await answer(page, DESIMAL, '10,625');
  await prompt(page, COBA_LAGI);
  const results = ['Hasil biner        : 1010,101', 'Hasil oktal        : 12,5',
    'Hasil heksadesimal : A,A'];
  // Under node the answers are not echoed, and the end of input ends the last prompt's line.
  const node = written(['--pecahan', '--langkah'], 'a\n10,625\n');
  const n = BANNER_PECAHAN.length + 1;
  const lines = [...node.slice(0, n - 1), `${PILIHAN}a`, '', `${DESIMAL}10,625`,
    node[n].slice(DESIMAL.length), ...node.slice(n + 1, -1)];
  if (JSON.stringify(lines.slice(n + 2, n + 5)) !== JSON.stringify(results) ||
    !lines.includes('0,625 x 2 = 1,25 -> 1')) {
    fail(`Pecahan under node: not the results and the working of 10,625:\n${node.join('\n')}`);
  }
  await check(page, '#pecahan&langkah: the results and the working the program writes', lines,
    true);
  await axe(page, 'Pecahan after a fraction and its working');
  await assistive(page, results, 'Pecahan');
  await page.click('#tampil-langkah');
  if (await page.evaluate(() => window.location.hash) !== '#pecahan') {
    fail('Pecahan unticked: the address is not #pecahan');
  }
  await prompt(page, PILIHAN);
  await check(page, 'Pecahan unticked: the fractions afresh', [...BANNER_PECAHAN, PILIHAN], true);
  await page.click('#layar');
  await answer(page, PILIHAN, 'a');
  await answer(page, DESIMAL, '10,625');
  await prompt(page, COBA_LAGI);
  await check(page, 'Pecahan unticked: the results, no working',
    [`${PILIHAN}a`, '', `${DESIMAL}10,625`, ...results, '', COBA_LAGI], false);
  // A pasted line answers the menu; a number typed and ended by Ctrl-D without a line end is
  // still converted, and the program ends at the next prompt. Enter starts it again, and Ctrl-C
  // stops it.
  await answer(page, COBA_LAGI, 'y');
  await prompt(page, PILIHAN);
  await paste(page, 'a\n');
  await prompt(page, DESIMAL);
  await page.keyboard.type('2,5');
  await control(page, 'KeyD');
  await ended(page, 'Pecahan, Ctrl-D after a number');
  const ctrlD = written(['--pecahan'], 'a\n2,5');
  await check(page, 'Pecahan, a pasted choice and Ctrl-D after a number: its results, then the end',
    [...ctrlD.slice(0, n - 1), `${PILIHAN}a`, '', `${DESIMAL}2,5${ctrlD[n].slice(DESIMAL.length)}`,
      ...ctrlD.slice(n + 1)], true);
  if (ctrlD[n] !== `${DESIMAL}Hasil biner        : 10,1`) {
    fail(`Pecahan under node: 2,5 is not 10,1 in binary:\n${ctrlD.join('\n')}`);
  }
  await page.keyboard.press('Enter');
  await prompt(page, PILIHAN);
  await check(page, 'Pecahan after its end: Enter starts it again', [...BANNER_PECAHAN, PILIHAN],
    true);
  await control(page, 'KeyC');
  await ended(page, 'Pecahan, Ctrl-C');
  await check(page, 'Pecahan, Ctrl-C: "^C" where the cursor is, and the end',
    [...BANNER_PECAHAN, `${PILIHAN}^C`, ''], true);
  await page.close();

  const round = await open({ width: 1000, height: 700 }, '#latihan=42&pecahan');
  const [first, second, third] = ['Ubah desimal 3,25 ke oktal : ',
    'Ubah desimal 2,8125 ke biner : ', 'Ubah desimal 4,6875 ke oktal : '];
  if (!await prompt(round, first) ||
    await round.$eval('#jenis', (select) => select.value) !== 'pecahan') {
    fail('#latihan=42&pecahan: not the fractions of the seed 42');
  }
  await check(round, '#latihan=42&pecahan: the header of a round of fractions',
    ['Program Tavirel: Latihan', RULE, '10 soal pecahan, benih 42', RULE, '', 'Soal 1 dari 10',
      first], true);
  await axe(round, 'a practice round of fractions');
  await answer(round, first, '3,2');
  await answer(round, second, '10,1100');
  await prompt(round, third);
  const asked = written(['--latihan', '--pecahan', '--benih=42', '--tingkat=1'], '3,2\n10,1100\n');
  const wrong = asked.indexOf(`${second}Salah. Jawaban yang benar: 10,1101`);
  await check(round, 'fractions in practice: a right answer, and a wrong one explained as the ' +
    'program does', [`${first}3,2`, 'Benar!', '', 'Soal 2 dari 10', `${second}10,1100`,
    'Salah. Jawaban yang benar: 10,1101', ...asked.slice(wrong + 1, -1)], false);
  if (wrong < 0 || asked[asked.length - 2] !== third) {
    fail(`fractions in practice under node: not the seed 42's round:\n${asked.join('\n')}`);
  }
  await assistive(round, ['Benar!', 'Salah. Jawaban yang benar: 10,1101'],
    'a practice round of fractions');
  // The parts in another order: the seed 7's round of fractions at level 2.
  const level2 = written(['--latihan', '--pecahan', '--benih=7', '--tingkat=2']);
  const other = level2[level2.length - 2];
  await round.evaluate(() => { window.location.hash = '#latihan=7&pecahan&tingkat=2'; });
  const state = async () => round.evaluate(() => [window.location.hash,
    document.getElementById('jenis').value, document.getElementById('tingkat').value]);
  if (!await prompt(round, other) ||
    JSON.stringify(await state()) !== '["#latihan=7&pecahan&tingkat=2","pecahan","2"]') {
    fail(`#latihan=7&pecahan&tingkat=2: not the seed 7's fractions at level 2: ${await state()}`);
  }
  await round.select('#jenis', 'konversi');
  await round.select('#jenis', 'pecahan');
  await prompt(round, other);
  if (JSON.stringify(await state()) !== '["#latihan=7&tingkat=2&pecahan","pecahan","2"]') {
    fail(`fractions in practice: the address written back is ${await state()}`);
  }
  await round.close();

  const sheet = await open({ width: 1000, height: 700 }, '#lembar&pecahan');
  await sheet.$eval('#benih', (field) => {
    field.value = '42';
    field.dispatchEvent(new Event('change'));
  });
  await sheet.click('#cetak-langkah');
  await sheet.waitForFunction(() => document.getElementById('akhir').textContent !== '',
    { timeout: 30000 });
  const sheets = written(['--lembar', '--kunci', '--pecahan', '--langkah', '--benih=42',
    '--soal=10', '--siswa=1', '--tingkat=1']);
  await check(sheet, 'Lembar soal with fractions: the sheets the program writes', sheets, true);
  const questions = ['1. Ubah desimal 3,25 ke oktal', '2. Ubah desimal 2,8125 ke biner',
    '3. Ubah desimal 4,6875 ke oktal'];
  if (!questions.every((question) => sheets.includes(question)) ||
    await sheet.evaluate(() => window.location.hash) !== '#lembar&pecahan') {
    fail('Lembar soal with fractions: not the seed 42\'s questions, or the address is not ' +
      '#lembar&pecahan');
  }
  await axe(sheet, 'the sheets of fractions');
  if (browserName === 'Chromium') {
    const printed = await printedText(sheet);
    const titles = /^Program Tavirel: (Lembar Soal|Kunci Jawaban)$/;
    const firsts = printed.split('\f').map((page) => page.trim().split('\n')[0]);
    const all = printed.split('\n').filter((line) => titles.test(line.trim()));
    if (firsts.filter((top) => titles.test(top)).length !== 2 || all.length !== 2 ||
      !printed.includes('10 soal pecahan, benih 42') || !printed.includes(questions[0])) {
      fail(`the sheets of fractions printed: the pages start ${JSON.stringify(firsts)}`);
    }
  }
  await sheet.close();
}

// The characters of line N of the screen, over all its text nodes, each with its x and y.
function glyphs(page, n) {
  return page.evaluate((n) => {
    const range = document.createRange();
    const found = [];
    for (const text of document.getElementById('layar').children[n]?.childNodes ?? []) {
      for (let i = 0; i < text.length; i++) {
        range.setStart(text, i);
        range.setEnd(text, i + 1);
        const { x, y } = range.getBoundingClientRect();
        found.push({ character: text.data[i], x, y });
      }
    }
    return found;
  }, n);
}

// The rows that line N of the screen takes, each as the x of its first character and its
// text.
async function rows(page, n) {
  const found = [];
  for (const { character, x, y } of await glyphs(page, n)) {
    if (found.length === 0 || y > found[found.length - 1].y + 1) {
      found.push({ x, y, text: '' });
    }
    found[found.length - 1].text += character;
  }
  return found;
}

// The x of character I of line N of the screen.
async function x(page, n, i) {
  return (await glyphs(page, n))[i]?.x ?? null;
}

// What is wrong with how line N of the screen wraps, or '': it must wrap as text does, each
// row but the last ending with a blank after which the next row's first word, and the blank
// after it, would not have fitted, or, with no blank in it, filling the screen's width; and
// its rows after the first must start under the column after its first ": ", where that column
// is on the screen.
async function wrapping(page, n) {
  const shown = await rows(page, n);
  if (shown.length < 2) {
    return `it does not wrap: ${JSON.stringify(shown)}`;
  }
  const text = shown.map((row) => row.text).join('');
  const start = await x(page, n, 0);
  const width = await x(page, n, 1) - start;
  const right = await page.$eval('#layar', (layar) => layar.getBoundingClientRect().left +
    layar.clientLeft + layar.clientWidth - parseFloat(getComputedStyle(layar).paddingRight));
  const label = text.indexOf(': ') + 2;
  const indent = label > 1 && start + label * width < right ? label : 0;
  const wrong = [];
  let next = 0;
  shown.forEach(({ x, text: row }, i) => {
    const end = x + row.length * width;
    next += row.length;
    if (i > 0 && Math.abs(x - start - indent * width) > 1) {
      wrong.push(`row ${i + 1} starts ${(x - start) / width} columns in, not ${indent}`);
    }
    if (i === shown.length - 1) {
      return;
    }
    const word = /^[^ ]* ?/.exec(text.slice(next))[0];
    if (!row.includes(' ') && end + width <= right + 0.5) {
      wrong.push(`row ${i + 1} breaks a word with room left`);
    } else if (row.includes(' ') && !row.endsWith(' ')) {
      wrong.push(`row ${i + 1} breaks a word, though it has a blank`);
    } else if (row.includes(' ') && end + word.length * width <= right + 0.5) {
      wrong.push(`row ${i + 1} leaves room for "${word}"`);
    }
  });
  return wrong.length === 0 ? '' : `${wrong.join('; ')}: ${JSON.stringify(shown)}`;
}

// Whether lines FROM up to TO of the screen keep their columns: each character at the x of the
// character at the same place in every other of those lines, whether the rows fit or wrap.
async function inColumns(page, from, to) {
  const column = [];
  for (let n = from; n < to; n++) {
    for (const [i, { x }] of (await glyphs(page, n)).entries()) {
      column[i] ??= x;
      if (Math.abs(column[i] - x) > 1) {
        return false;
      }
    }
  }
  return to > from;
}

// Whether the page or its screen scrolls sideways.
function sideways(page) {
  return page.evaluate(() => document.documentElement.scrollWidth > window.innerWidth ||
    document.getElementById('layar').scrollWidth > document.getElementById('layar').clientWidth);
}

// A phone: the menu's lines fit on one row each, a tap on the screen brings up the field's
// keyboard, and text typed there as a virtual keyboard types it answers the prompts. A 32-bit
// result wraps as text does, after its label, its digits under the column after the label, and
// nothing scrolls sideways. So do a column of a written subtraction and the title of a working
// of fractions; a written sum's rows keep their columns, each on one row where it fits, and
// wrapped at one column where they do not, and so do the bit groups of a fraction.
async function phone() {
  const page = await open({ width: 360, height: 640, isMobile: true, hasTouch: true });
  await prompt(page, PILIHAN);
  for (let n = 0; n < BANNER.length - 1; n++) {
    if ((await rows(page, n)).length !== 1) {
      fail(`a 360 px screen: "${BANNER[n]}" wraps`);
    }
  }
  await axe(page, 'the touch screen at the first prompt');
  await page.focus('#mode-konversi');
  await page.tap('#layar');
  if (await focused(page) !== 'baris') {
    fail('a tap on the screen does not focus the field');
  }
  for (const [text, keys] of [[PILIHAN, 'B'], ['Masukkan bilangan biner : ', '1010']]) {
    await prompt(page, text);
    await page.keyboard.sendCharacter(keys);
    await page.tap('#ketik button');
  }
  await prompt(page, COBA_LAGI);
  const results = ['Hasil desimal      : 10', 'Hasil oktal        : 12', 'Hasil heksadesimal : A'];
  await check(page, 'a 360 px touch screen: answers through the field', [
    `${PILIHAN}B`, '', 'Masukkan bilangan biner : 1010', ...results, '', COBA_LAGI], false);
  await axe(page, 'the touch screen after a conversion');
  await assistive(page, results, 'the touch screen');

  for (const [text, keys] of [[COBA_LAGI, 'y'], [PILIHAN, 'A'], [DESIMAL, '-1']]) {
    await answer(page, text, keys);
  }
  await prompt(page, COBA_LAGI);
  const binary = `Hasil biner        : ${'1'.repeat(32)}`;
  const wrong = await wrapping(page, (await screen(page)).indexOf(binary));
  if (wrong !== '') {
    fail(`a 360 px screen: the 32-bit result wraps wrong: ${wrong}`);
  }
  if (await sideways(page)) {
    fail('a 360 px screen scrolls sideways');
  }
  await page.close();

  // A written sum on the phone: each row on one row of the screen, its digits in columns.
  const sum = await open({ width: 360, height: 640, isMobile: true, hasTouch: true }, '#hitung&langkah');
  await answer(sum, PILIHAN, 'b');
  await answer(sum, 'Masukkan soal biner : ', '1110 x 1100');
  await prompt(sum, COBA_LAGI);
  await axe(sum, 'Hitung on the touch screen after a soal and its working');
  // The nine rows of 1110 x 1100, from the first number to the product: each on one row of
  // the screen, from the same x, each character one column further right, so that its
  // columns stand as the program writes them.
  const top = (await screen(sum)).indexOf('    1110');
  const start = await x(sum, top, 0);
  const width = await x(sum, top, 1) - start;
  const misplaced = [];
  for (let n = top; n < top + 9; n++) {
    const [first, ...more] = await rows(sum, n);
    const end = first && await x(sum, n, first.text.length - 1);
    if (!first || more.length > 0 || Math.abs(first.x - start) > 1 ||
      Math.abs(end - start - (first.text.length - 1) * width) > 1) {
      misplaced.push(first?.text);
    }
  }
  if (top < 0 || misplaced.length > 0 || await sideways(sum)) {
    fail(`a 360 px screen: the written sum's rows ${JSON.stringify(misplaced)} are not in columns`);
  }
  // A column of a written subtraction in hexadecimal, a line of 91 characters, wraps as text.
  for (const [text, keys] of [[COBA_LAGI, 'y'], [PILIHAN, 'd'],
    ['Masukkan soal heksadesimal : ', '3242 - 1987']]) {
    await answer(sum, text, keys);
  }
  await prompt(sum, COBA_LAGI);
  const column = 'Kolom 2: 4 - 1 (dipinjam) - 8 tidak cukup, pinjam 1 dari kiri: ' +
    '16 + 4 - 1 - 8 = 11, tulis B';
  const wraps = await wrapping(sum, (await screen(sum)).indexOf(column));
  if (wraps !== '') {
    fail(`a 360 px screen: a column of a written subtraction wraps wrong: ${wraps}`);
  }
  // The rows of a product of two 27-bit numbers, up to 56 characters, wrap at one column: each
  // character stands under the same character of every other row.
  const factor = '1'.repeat(27);
  for (const [text, keys] of [[COBA_LAGI, 'y'], [PILIHAN, 'b'],
    ['Masukkan soal biner : ', `${factor} x ${factor}`]]) {
    await answer(sum, text, keys);
  }
  await prompt(sum, COBA_LAGI);
  const product = await screen(sum);
  const first = product.indexOf(`${' '.repeat(27)}${factor}`);
  const last = product.findIndex((line) => line.startsWith('Hasil: '));
  if (first < 0 || (await rows(sum, last - 1)).length < 2 || !await inColumns(sum, first, last)) {
    fail('a 360 px screen: the rows of a wide written product do not keep their columns');
  }
  if (await sideways(sum)) {
    fail('a 360 px screen with a wide written product scrolls sideways');
  }
  await sum.close();

  // Pecahan on the phone: the title of a working wraps as text, and the bit groups of a
  // fraction, each row over the other, keep their columns.
  const fraction = await open({ width: 360, height: 640, isMobile: true, hasTouch: true },
    '#pecahan&langkah');
  await axe(fraction, 'Pecahan on the touch screen at the first prompt');
  await answer(fraction, PILIHAN, 'a');
  await answer(fraction, DESIMAL, '10,625');
  await prompt(fraction, COBA_LAGI);
  await axe(fraction, 'Pecahan on the touch screen after a fraction and its working');
  const title = 'Ke biner: bagian bulat dibagi 2, bagian pecahan dikali 2';
  const titleWraps = await wrapping(fraction, (await screen(fraction)).indexOf(title));
  if (titleWraps !== '') {
    fail(`a 360 px screen: the title of a working of fractions wraps wrong: ${titleWraps}`);
  }
  for (const [text, keys] of [[COBA_LAGI, 'y'], [PILIHAN, 'd'],
    ['Masukkan bilangan heksadesimal : ', 'FF,A8']]) {
    await answer(fraction, text, keys);
  }
  await prompt(fraction, COBA_LAGI);
  const groups = (await screen(fraction)).indexOf('   F    F ,    A    8');
  if (groups < 0 || (await screen(fraction))[groups + 1] !== '1111 1111 , 1010 1000' ||
    !await inColumns(fraction, groups, groups + 2) || await sideways(fraction)) {
    fail('a 360 px screen: the bit groups of a fraction do not keep their columns');
  }
  await fraction.close();

  const round = await open({ width: 360, height: 640, isMobile: true, hasTouch: true }, '#latihan=42');
  await prompt(round, HEADER[HEADER.length - 1]);
  await axe(round, 'a practice round on the touch screen at its first question');
  await answer(round, HEADER[HEADER.length - 1], '77');
  await prompt(round, 'Ubah oktal 50 ke desimal : ');
  await axe(round, 'a practice round on the touch screen after a wrong answer');
  await round.close();
}

// A practice round answered whole and printed: the PDF, read back by pdftotext, holds the
// round from its header to its score, and none of the page's controls.
async function printed() {
  const page = await open({ width: 1000, height: 700 }, '#latihan=42');
  await prompt(page, HEADER[HEADER.length - 1]);
  await paste(page, '0\n'.repeat(10));
  await prompt(page, COBA_LAGI);
  const text = await printedText(page);
  const first = text.split('\n').find((line) => line.trim() !== '');
  if (first?.trim() !== HEADER[0] || !text.includes('10 soal, benih 42') ||
    !text.includes('Soal 10 dari 10') || !text.includes('Benar 0 dari 10 soal.')) {
    fail(`the printed round does not run from its header to its score:\n${text}`);
  }
  for (const part of ['Konversi', 'Tampilkan langkah', 'Kirim', 'Mode']) {
    if (text.includes(part)) {
      fail(`the printed round holds the page's "${part}"`);
    }
  }
  await page.close();
}

// The sheets: "Lembar soal" opened from the address with the focus on the first seed; the
// seed 42, 3 students, level 2 and both boxes show exactly what the program writes for them,
// and the status counts the sheets; an invalid value says so by its field, empties the screen
// and disables "Cetak", as no box ticked does. In Chromium, axe there and at 360 px, where the
// controls leave half the height to the screen, and page.pdf(), where each sheet starts a
// page. A practice round at level 2, and a level the address cannot give.
async function sheets() {
  const arguments_ = ['--lembar', '--kunci', '--benih=42', '--soal=10', '--siswa=3', '--tingkat=2'];
  const sheetsWritten = written(arguments_);
  const page = await open({ width: 1000, height: 700 }, '#lembar');
  if (await focused(page) !== 'benih') {
    fail(`#lembar: the focus is on ${await focused(page)}, not on the seed`);
  }
  await page.select('#tingkat', '2');
  await enter(page, 'benih', '42');
  await enter(page, 'siswa', '003');
  await status(page, 'Siap dicetak: 6 lembar.', 'sheets');
  await check(page, 'sheets: the screen is what the program writes', sheetsWritten, true);
  const state = await page.evaluate(() => {
    const layar = document.getElementById('layar');
    return [window.location.hash, document.getElementById('cetak').disabled,
      document.getElementById('ketik').getClientRects().length, layar.getAttribute('aria-live'),
      layar.scrollTop];
  });
  if (JSON.stringify(state) !== '["#lembar&tingkat=2",false,0,"off",0]') {
    fail('sheets: the address, "Cetak", the answer field shown, the live region and the scroll ' +
      `are ${JSON.stringify(state)}`);
  }
  await axe(page, 'the sheets on the desktop');
  if (browserName === 'Chromium') {
    const pages = (await printedText(page)).split('\f').filter((text) => text.trim() !== '');
    const title = /Program Tavirel: (Lembar Soal|Kunci Jawaban)/g;
    const titles = pages.map((text) => text.trim().split('\n')[0]);
    const starts = titles.filter((first) => first.replace(title, '') === '').length;
    const count = pages.join('\n').match(title)?.length;
    if (starts !== 6 || count !== 6 || pages.some((text) => /Cetakan|Benih|Kirim/.test(text))) {
      fail('sheets printed: each of the 6 sheets does not start a page of its own:\n' +
        titles.join('\n'));
    }
  }

  await enter(page, 'soal', '101');
  await check(page, 'a value out of range: the screen empty', [''], true);
  await page.waitForFunction(() => document.getElementById('salah-soal').textContent !== '',
    { timeout: 5000 }).catch(() => {});
  const invalid = await page.$eval('#soal', (field) => [field.getAttribute('aria-invalid'),
    document.getElementById(field.getAttribute('aria-describedby')).textContent,
    document.getElementById('cetak').disabled, document.getElementById('moodle').disabled]);
  if (JSON.stringify(invalid) !== '["","Harus bilangan 1 sampai 100",true,true]') {
    fail('a value out of range: aria-invalid, the message, "Cetak" and "Unduh untuk Moodle" are ' +
      JSON.stringify(invalid));
  }
  await axe(page, 'the sheets with a value out of range');
  await enter(page, 'soal', '2');
  await page.click('#cetak-lembar');
  await page.click('#cetak-kunci');
  await check(page, 'no box ticked: the screen empty', [''], true);
  if (!await page.$eval('#cetak', (button) => button.disabled) ||
    !await page.$eval('#cetak-langkah', (box) => box.disabled)) {
    fail('no box ticked: "Cetak" or "Langkah" is not disabled');
  }
  if (await page.$eval('#moodle', (button) => button.disabled)) {
    fail('no box ticked: "Unduh untuk Moodle", which needs no sheets, is disabled');
  }
  await page.close();

  const round = await open({ width: 1000, height: 700 }, '#latihan=42&tingkat=2');
  if (!await prompt(round, 'Ubah desimal 15107 ke oktal : ')) {
    fail('#latihan=42&tingkat=2: the first question is not decimal 15107 to octal');
  }
  // The level chosen keeps the seed of the address; a level from the address is 1 or 2,
  // leading zeros allowed, else 1.
  const level = async (how, first, value, hash) => {
    const asked = await prompt(round, first);
    const [shown, address] = await round.evaluate(() => [document.getElementById('tingkat').value,
      window.location.hash]);
    if (!asked || shown !== value || (hash && address !== hash)) {
      fail(`${how}: not the seed 42's round at level ${value}, or the address is ${address}`);
    }
  };
  await round.select('#tingkat', '1');
  await level('the level 1 chosen', HEADER[HEADER.length - 1], '1', '#latihan=42');
  for (const [hash, first, value] of [['3', HEADER[HEADER.length - 1], '1'],
    ['002', 'Ubah desimal 15107 ke oktal : ', '2'], ['03', HEADER[HEADER.length - 1], '1']]) {
    await round.evaluate((hash) => { window.location.hash = `#latihan=42&tingkat=${hash}`; }, hash);
    await level(`#latihan=42&tingkat=${hash}`, first, value);
  }
  await round.close();

  if (browserName === 'Chromium') {
    const phone = await open({ width: 360, height: 640, isMobile: true, hasTouch: true }, '#lembar');
    await phone.waitForFunction(() => document.getElementById('akhir').textContent !== '',
      { timeout: 30000 });
    const height = await phone.$eval('#layar', (layar) => layar.getBoundingClientRect().height);
    if (height < 320) {
      fail(`the sheets at 360x640: the screen is ${height} px high, under half the height`);
    }
    await axe(phone, 'the sheets on the touch screen');
    // "Pilihan ganda" tapped: the key table is one more sheet, and the screen keeps its height.
    await phone.tap('#pilihan');
    await phone.waitForFunction(() => document.getElementById('akhir').textContent ===
      'Siap dicetak: 3 lembar.', { timeout: 30000 }).catch(() => {});
    const ticked = await phone.evaluate(() => [window.location.hash,
      document.getElementById('akhir').textContent,
      document.getElementById('layar').getBoundingClientRect().height >= 320]);
    if (JSON.stringify(ticked) !== '["#lembar&pilihan","Siap dicetak: 3 lembar.",true]') {
      fail(`the sheets at 360x640 with "Pilihan ganda": the address, the status and the ` +
        `screen's height of half the page are ${JSON.stringify(ticked)}`);
    }
    await axe(phone, 'multiple choice on the touch screen');
    await phone.$eval('#benih', (field) => {
      field.value = '18446744073709551616';
      field.dispatchEvent(new Event('change'));
    });
    await phone.waitForFunction(() => document.getElementById('salah-benih').textContent !== '');
    await axe(phone, 'the sheets on the touch screen with a value out of range');
    await phone.close();
  }
}

// What the program writes under node for these arguments, as bytes; each output is computed
// once for all browsers.
const bytesWritten = new Map();
function writtenBytes(arguments_) {
  const key = arguments_.join(' ');
  if (!bytesWritten.has(key)) {
    bytesWritten.set(key, execFileSync(process.execPath,
      [path.join(path.dirname(html), 'tavirel.js'), ...arguments_], { maxBuffer: 64 << 20 }));
  }
  return bytesWritten.get(key);
}

// The bytes of the file NAME that the browser has saved in the downloads folder, once it is
// complete: under its own name, not empty, and no partial download (.part, .crdownload) beside
// it; null, with what the folder holds, if that has not come within 60 seconds. The folder is
// then emptied, so that a later download of the same name keeps its name.
async function downloaded(name) {
  const file = path.join(downloads, name);
  const deadline = Date.now() + 60000;
  for (;;) {
    const files = readdirSync(downloads);
    if (files.includes(name) && statSync(file).size > 0 &&
      !files.some((other) => /\.(part|crdownload)$/.test(other))) {
      const bytes = readFileSync(file);
      for (const other of files) {
        rmSync(path.join(downloads, other), { force: true });
      }
      return { bytes, files };
    }
    if (Date.now() > deadline) {
      return { bytes: null, files };
    }
    await new Promise((resolve) => { setTimeout(resolve, 50); });
  }
}

// Presses "Unduh untuk Moodle" by PRESS and waits, for at most 60 seconds, until the button has
// been unavailable and is available again, recording each state of the status and of the
// button's aria-disabled as it changes. Returns the status and the states.
async function bank(page, press) {
  await page.evaluate(() => {
    const kabar = document.getElementById('kabar-moodle');
    const tombol = document.getElementById('moodle');
    window.keadaanMoodle = [];
    new MutationObserver(() => {
      const keadaan = [kabar.textContent, tombol.getAttribute('aria-disabled')];
      if (JSON.stringify(keadaan) !== JSON.stringify(window.keadaanMoodle.at(-1))) {
        window.keadaanMoodle.push(keadaan);
      }
    }).observe(document.getElementById('isi-cetakan'),
      { subtree: true, childList: true, characterData: true, attributes: true });
  });
  await press();
  try {
    await page.waitForFunction(() => {
      const sibuk = window.keadaanMoodle.findIndex(([, tidakTersedia]) => tidakTersedia === 'true');
      return sibuk >= 0 && window.keadaanMoodle.slice(sibuk).some(([, tidak]) => tidak === null);
    }, { timeout: 60000 });
  } catch {
    // Reported by the caller, with the states as they are.
  }
  return page.evaluate(() => [document.getElementById('kabar-moodle').textContent,
    window.keadaanMoodle]);
}

// Multiple choice and the bank for Moodle in "Lembar soal". Opened as #lembar&pilihan&pecahan,
// "Pilihan ganda" is ticked and fractions chosen; with the seed 42 and 3 students the screen is
// exactly what the program writes with --pilihan, the key table after the keys, the status
// counts the table as a seventh sheet, and the address is written back in the page's order.
// Tab goes through the group's fields, boxes and buttons in order. In Chromium, printed, each
// of the 7 sheets starts a page, the table last, and none of the controls print. "Unduh untuk
// Moodle", pressed by keyboard, saves the file that the program writes with --moodle for those
// settings, named by kind, level and seed; while the bank is made the button is unavailable
// and the status says so, the button keeps the focus, and the sheets stay on the screen. The
// largest bank, 16 MB of operations at level 2, from a seed typed with leading zeros and no
// sheets chosen, is saved whole too. An address without &pilihan unticks the box. A program
// that cannot run is reported, not silent.
async function choices() {
  const page = await open({ width: 1000, height: 700 }, '#lembar&pilihan&pecahan');
  const state = () => page.evaluate(() => [window.location.hash,
    document.getElementById('pilihan').checked, document.getElementById('jenis').value]);
  if (JSON.stringify(await state()) !== '["#lembar&pilihan&pecahan",true,"pecahan"]') {
    fail(`#lembar&pilihan&pecahan: the address, "Pilihan ganda" and the kind are ${await state()}`);
  }
  await enter(page, 'benih', '42');
  await enter(page, 'siswa', '3');
  const ready = 'Siap dicetak: 7 lembar.';
  await status(page, ready, 'multiple choice');
  const settings = ['--benih=42', '--soal=10', '--siswa=3', '--tingkat=1'];
  const sheetsWritten = written(['--lembar', '--kunci', '--pecahan', '--pilihan', ...settings]);
  if (!sheetsWritten.includes('Program Tavirel: Tabel Kunci') ||
    !sheetsWritten.some((line) => /^ {3}Jawaban: [a-e]\. /.test(line))) {
    fail('multiple choice under node: no key table or lettered answers:\n' +
      sheetsWritten.join('\n'));
  }
  await check(page, 'multiple choice: the screen is what the program writes', sheetsWritten, true);
  if (JSON.stringify(await state()) !== '["#lembar&pecahan&pilihan",true,"pecahan"]') {
    fail(`multiple choice: the address written back is ${await state()}`);
  }
  await page.focus('#benih');
  for (const id of ['soal', 'siswa', 'cetak-lembar', 'cetak-kunci', 'cetak-langkah', 'pilihan',
    'cetak', 'moodle', 'layar']) {
    await page.keyboard.press('Tab');
    if (await focused(page) !== id) {
      fail(`Lembar soal: Tab reaches ${await focused(page)}, not ${id}`);
      break;
    }
  }
  await axe(page, 'multiple choice on the desktop');
  await assistive(page, [], 'multiple choice');
  if (browserName === 'Chromium') {
    const printed = await printedText(page);
    const pages = printed.split('\f').filter((text) => text.trim() !== '');
    // A sheet of ten questions with their options takes two pages; each sheet starts one.
    const titled = pages.map((text) => text.trim().split('\n')[0])
      .filter((first) => first.startsWith('Program Tavirel: '));
    const expected = [...Array(3).fill('Lembar Soal'), ...Array(3).fill('Kunci Jawaban'),
      'Tabel Kunci'].map((title) => `Program Tavirel: ${title}`);
    const titles = printed.match(/Program Tavirel: \w+ \w+/g) ?? [];
    if (JSON.stringify(titled) !== JSON.stringify(expected) || titles.length !== 7 ||
      !pages.at(-1).trim().startsWith(expected[6]) ||
      !pages.at(-1).includes('10 soal pecahan, benih 42 sampai 44') ||
      /Cetakan|Benih|Pilihan ganda|Unduh|Moodle|Kirim|Siap dicetak/.test(printed)) {
      fail(`multiple choice printed: the sheets that start a page are ${JSON.stringify(titled)}, ` +
        `not each sheet with the table last on a page of its own, or controls print:\n${printed}`);
    }
  }

  // The bank of these settings, by keyboard: the focus stays on the button.
  const screenBefore = await screen(page);
  const name = 'tavirel-pecahan-tingkat-1-benih-42.xml';
  await page.focus('#moodle');
  const [said, states] = await bank(page, () => page.keyboard.press('Enter'));
  const busy = ['Membuat bank soal Moodle...', 'true'];
  const done = [`Bank soal Moodle diunduh: ${name}`, null];
  if (JSON.stringify(states) !== JSON.stringify([busy, done])) {
    fail(`"Unduh untuk Moodle": the status and aria-disabled went ${JSON.stringify(states)}, ` +
      `not ${JSON.stringify([busy, done])}`);
  }
  const saved = await downloaded(name);
  const bankWritten = writtenBytes(['--moodle', '--pecahan', ...settings]);
  const category = '<category><text>$course$/top/tavirel/pecahan tingkat 1/benih 42<';
  if (!bankWritten.toString().includes(category)) {
    fail('the bank under node is not the fractions of the seed 42');
  }
  if (!saved.bytes?.equals(bankWritten)) {
    fail(`"Unduh untuk Moodle" (${said}): ${saved.bytes ? `${saved.bytes.length} bytes that ` +
      `differ from the program's ${bankWritten.length}` : `no ${name}, the folder holds ` +
      JSON.stringify(saved.files)}`);
  }
  if (await focused(page) !== 'moodle') {
    fail(`after "Unduh untuk Moodle" the focus is on ${await focused(page)}`);
  }
  const after = await page.$eval('#akhir', (line) => line.textContent);
  if (JSON.stringify(await screen(page)) !== JSON.stringify(screenBefore) || after !== ready) {
    fail(`"Unduh untuk Moodle" disturbs the sheets on the screen, or the status "${after}"`);
  }
  await axe(page, 'multiple choice after a bank is saved');
  // The address changed by hand: without &pilihan the box is unticked and the sheets run afresh.
  await page.evaluate(() => { window.location.hash = '#lembar&pecahan'; });
  await page.waitForFunction(() => document.getElementById('akhir').textContent ===
    'Siap dicetak: 6 lembar.', { timeout: 30000 }).catch(() => {});
  if (await page.$eval('#pilihan', (box) => box.checked) ||
    await page.$eval('#akhir', (line) => line.textContent) !== 'Siap dicetak: 6 lembar.') {
    fail('#lembar&pecahan after #lembar&pecahan&pilihan: "Pilihan ganda" stays ticked, or the ' +
      'sheets are not run afresh without it');
  }

  // The largest bank, with no sheets chosen, so that nothing runs on the screen.
  await page.click('#cetak-lembar');
  await page.click('#cetak-kunci');
  await page.select('#jenis', 'hitung');
  await page.select('#tingkat', '2');
  await enter(page, 'soal', '100');
  await enter(page, 'siswa', '100');
  await enter(page, 'benih', '007');
  const largest = 'tavirel-hitung-tingkat-2-benih-7.xml';
  const [saidLargest] = await bank(page, () => page.click('#moodle'));
  const savedLargest = await downloaded(largest);
  const largestWritten = writtenBytes(['--moodle', '--hitung', '--benih=007', '--soal=100',
    '--siswa=100', '--tingkat=2']);
  if (largestWritten.length < 16000000 || !savedLargest.bytes?.equals(largestWritten)) {
    fail(`the largest bank (${saidLargest}): ${savedLargest.bytes ? `${savedLargest.bytes.length} ` +
      `bytes, not the program's ${largestWritten.length}` : `no ${largest}, the folder holds ` +
      JSON.stringify(savedLargest.files)}`);
  }

  // A program that cannot run: a module that is no program.
  await page.evaluate(() => {
    window.tavirelWasm = WebAssembly.compile(new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0]));
  });
  const [failed, failing] = await bank(page, () => page.click('#moodle'));
  if (!failed.startsWith('Bank soal Moodle gagal dibuat') || failing.at(-1)?.[1] !== null) {
    fail(`"Unduh untuk Moodle" without a program: the status and aria-disabled went ` +
      JSON.stringify(failing));
  }
  await page.close();
}

for (const name of installed) {
  const profile = await launch(name);
  try {
    for (const run of name === 'Chromium'
      ? [desktop, working, practice, operations, fractions, sheets, choices, phone, printed]
      : [desktop, working, practice, operations, fractions, sheets, choices]) {
      await run().catch((error) => fail(`${run.name} stopped: ${error.stack}`));
    }
  } finally {
    await browser.close();
    rmSync(profile, { recursive: true, force: true });
    rmSync(downloads, { recursive: true, force: true });
  }
}
report('page', failures, installed);
