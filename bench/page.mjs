// Benchmarks the page against two baselines, from one run: a page that holds only xterm.js,
// at the version the page once bundled (bench/package.json and its lock, installed for the
// run), bundled and inlined the same way, with screen reader support on, writing the same
// banner and prompt; and the floor of any page: the page's own HTML and CSS with that first
// screen written in #layar as static text, and no script. Measured: the weight of each (gzip
// -9), the page's parts each on its own, and the time from navigation to the first animation
// frame that shows the prompt, in headless Chromium, median of alternating loads from
// file://, 21 rounds unless told: with 9, one run's ratio to xterm.js ranged from 0.48 to 0.67
// over three runs on a busy 2-core machine. Builds with the web preset first.
// Usage (from the project's root): node bench/page.mjs [--loads N]
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const loads = Number(process.argv[process.argv.indexOf('--loads') + 1]) || 21;
for (const command of [['--preset', 'web'], ['--build', '--preset', 'web']]) {
  execFileSync('cmake', command, { stdio: 'ignore' });
}
const modules = path.resolve('build-web/web/node_modules');
const require = createRequire(path.join(modules, '..', 'package.json'));
const esbuild = require('esbuild');
const puppeteer = require('puppeteer-core');
const work = mkdtempSync(path.join(tmpdir(), 'tavirel-bench-'));
for (const file of ['package.json', 'package-lock.json']) {
  copyFileSync(path.resolve('bench', file), path.join(work, file));
}
execFileSync('npm', ['ci', '--ignore-scripts', '--no-audit', '--no-fund', '--loglevel=error'],
  { cwd: work, stdio: 'inherit' });

const BANNER = ['Program Tavirel', '='.repeat(45), 'A = Desimal ke Biner, Oktal, Heksadesimal ',
  'B = Biner ke Desimal, Oktal, Heksadesimal ', 'C = Oktal ke Desimal, Biner, Heksadesimal ',
  'D = Heksadesimal ke Desimal, Biner, Oktal ', '='.repeat(45), ''];
const PROMPT = 'Masukkan Pilihan : ';
const html = readFileSync('build-web/tavirel.html', 'utf8');

// xterm.js alone, writing the banner and the prompt as soon as it is open.
const xtermCode = esbuild.buildSync({
  stdin: {
    contents: `import { Terminal } from '@xterm/xterm';
      const terminal = new Terminal({ convertEol: true, screenReaderMode: true });
      terminal.open(document.getElementById('layar'));
      terminal.write(${JSON.stringify(BANNER.join('\n') + '\n' + PROMPT)});
      window.tavirelTerminal = terminal;`,
    resolveDir: work,
  },
  bundle: true, minify: true, format: 'iife', target: 'es2020', legalComments: 'eof', write: false,
}).outputFiles[0].text;
const xtermStyle = esbuild.transformSync(
  readFileSync(path.join(work, 'node_modules/@xterm/xterm/css/xterm.css'), 'utf8'),
  { loader: 'css', minify: true }).code;
const xterm = path.join(work, 'xterm.html');
writeFileSync(xterm, `<!DOCTYPE html><html lang="id"><head><meta charset="utf-8">
<title>Program Tavirel</title><style>${xtermStyle}</style></head>
<body><div id="layar"></div><script>${xtermCode}</script></body></html>`);

// The page without its scripts, the first screen in #layar.
const escape = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;');
const floor = path.join(work, 'floor.html');
writeFileSync(floor, html.replace(/<script[^>]*>[^]*?<\/script>\n?/g, '').replace(
  /(<div id="layar"[^>]*>)/,
  `$1${[...BANNER, PROMPT].map((line) => `<div>${escape(line)}</div>`).join('')}`));
const gzipped = (text) => execFileSync('gzip', ['-9', '-c'], { input: text }).length;
const pages = { tavirel: path.resolve('build-web/tavirel.html'), xterm, floor };

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: true, userDataDir: path.join(work, 'profile'),
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});

// Milliseconds from the navigation's start to the first frame that shows the prompt: the
// last line of #layar, or a row of xterm.js's buffer.
async function load(file) {
  const page = await browser.newPage();
  await page.setCacheEnabled(false);
  await page.goto(pathToFileURL(file).href, { waitUntil: 'domcontentloaded' });
  const handle = await page.waitForFunction((prompt) => {
    const terminal = window.tavirelTerminal;
    if (terminal) {
      const buffer = terminal.buffer.active;
      for (let i = 0; i < buffer.length; i++) {
        if (buffer.getLine(i).translateToString(true) === prompt) {
          return performance.now();
        }
      }
      return false;
    }
    const lines = document.getElementById('layar').children;
    return lines.length > 0 && lines[lines.length - 1].textContent === prompt && performance.now();
  }, { polling: 'raf', timeout: 30000 }, PROMPT);
  const elapsed = await handle.jsonValue();
  await page.close();
  return elapsed;
}

const names = Object.keys(pages);
const times = Object.fromEntries(names.map((name) => [name, []]));
for (const name of names) {
  await load(pages[name]);
}
for (let i = 0; i < loads; i++) {
  for (const name of i % 2 ? [...names].reverse() : names) {
    times[name].push(await load(pages[name]));
  }
}
await browser.close();
const weight = Object.fromEntries(names.map((name) => [name, gzipped(readFileSync(pages[name]))]));
rmSync(work, { recursive: true, force: true });

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kib = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;
const row = (cells, widths) => cells.map((cell, i) => (i === 0 ? cell.padEnd(widths[i])
  : cell.padStart(widths[i]))).join('');
const widths = [30, 12, 12, 12, 10, 10];
console.log(`page, from file:// in headless Chromium; time: median of ${loads} rounds of loads`);
console.log(row(['measure', 'tavirel', 'xterm.js', 'floor', 'ratio', 'target'], widths));
console.log(row(['weight, gzip -9', ...names.map((name) => kib(weight[name])), '', '36 KiB'],
  widths));
// Each round loads each page once, on the machine as it then is, so a ratio is the median of
// the rounds' ratios.
const ratio = (other) => median(times.tavirel.map((value, i) => value / times[other][i]));
console.log(row(['navigation to first prompt',
  ...names.map((name) => `${median(times[name]).toFixed(1)} ms`), '', ''], widths));
console.log(row(['  tavirel against xterm.js', '', '', '', ratio('xterm').toFixed(2), '0.6'], widths));
console.log(row(['  tavirel against the floor', '', '', '', ratio('floor').toFixed(2), ''], widths));

// The page's parts, each gzipped on its own: the scripts in their order, the last one's parts
// each after a comment that names it, then the rest.
const scripts = [...html.matchAll(/<script[^>]*>([^]*?)<\/script>/g)].map((match) => match[1]);
const [, start, program, code] = scripts[2].split(/^\/\* [\w.-]+ \*\/$/m);
const parts = { 'app set-up (served)': scripts[0], 'wasm (deflated, base64)': scripts[1],
  'wasm start-up': start, 'program (tavirel.js)': program, "page's code": code,
  'HTML and CSS': html.replace(/(<script[^>]*>)[^]*?<\/script>/g, '$1</script>') };
for (const [name, text] of Object.entries(parts)) {
  console.log(row([`  ${name}`, kib(gzipped(text))], widths));
}
