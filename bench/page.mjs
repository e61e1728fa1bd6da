// Benchmarks the page against a baseline page that holds only the same xterm.js, bundled and
// inlined the same way, with the same options (screen reader support on), writing the same
// banner and prompt: the weight of each (gzip -9) and
// the time from navigation to the first prompt on screen in headless Chromium, median of
// alternating loads from file://. Both are timed alike: the first animation frame whose
// terminal shows the prompt. Builds with the web preset first.
// Usage (from the project's root): node bench/page.mjs [--loads N]
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const loads = Number(process.argv[process.argv.indexOf('--loads') + 1]) || 9;
for (const command of [['--preset', 'web'], ['--build', '--preset', 'web']]) {
  execFileSync('cmake', command, { stdio: 'ignore' });
}
const modules = path.resolve('build-web/web/node_modules');
const require = createRequire(path.join(modules, '..', 'package.json'));
const esbuild = require('esbuild');
const puppeteer = require('puppeteer-core');
const work = mkdtempSync(path.join(tmpdir(), 'tavirel-bench-'));

const BANNER = ['Program Tavirel', '='.repeat(45), 'A = Desimal ke Biner, Oktal, Heksadesimal ',
  'B = Biner ke Desimal, Oktal, Heksadesimal ', 'C = Oktal ke Desimal, Biner, Heksadesimal ',
  'D = Heksadesimal ke Desimal, Biner, Oktal ', '='.repeat(45), ''];
const PROMPT = 'Masukkan Pilihan : ';

// The baseline: xterm.js alone, writing the banner and the prompt as soon as it is open.
const baselineCode = esbuild.buildSync({
  stdin: {
    contents: `import { Terminal } from '@xterm/xterm';
      const terminal = new Terminal({ convertEol: true, screenReaderMode: true });
      terminal.open(document.getElementById('layar'));
      terminal.write(${JSON.stringify(BANNER.join('\n') + '\n' + PROMPT)});
      window.tavirelTerminal = terminal;`,
    resolveDir: work,
  },
  nodePaths: [modules], bundle: true, minify: true, format: 'iife', target: 'es2020',
  legalComments: 'eof', write: false,
}).outputFiles[0].text;
const baselineStyle = esbuild.transformSync(
  readFileSync(path.join(modules, '@xterm/xterm/css/xterm.css'), 'utf8'),
  { loader: 'css', minify: true }).code;
const baseline = path.join(work, 'baseline.html');
writeFileSync(baseline, `<!DOCTYPE html><html lang="id"><head><meta charset="utf-8">
<title>Program Tavirel</title><style>${baselineStyle}</style></head>
<body><div id="layar"></div><script>${baselineCode}</script></body></html>`);
const pages = { tavirel: path.resolve('build-web/tavirel.html'), baseline };

function gzipped(file) {
  return execFileSync('gzip', ['-9', '-c', file]).length;
}

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: true, userDataDir: path.join(work, 'profile'),
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});

// Milliseconds from the navigation's start to the first frame that shows the prompt.
async function load(file) {
  const page = await browser.newPage();
  await page.setCacheEnabled(false);
  await page.goto(pathToFileURL(file).href, { waitUntil: 'domcontentloaded' });
  const handle = await page.waitForFunction((prompt) => {
    const terminal = window.tavirelTerminal;
    if (!terminal) {
      return false;
    }
    const buffer = terminal.buffer.active;
    for (let i = 0; i < buffer.length; i++) {
      if (buffer.getLine(i).translateToString(true) === prompt) {
        return performance.now();
      }
    }
    return false;
  }, { polling: 'raf', timeout: 30000 }, PROMPT);
  const elapsed = await handle.jsonValue();
  await page.close();
  return elapsed;
}

const times = { tavirel: [], baseline: [] };
await load(pages.tavirel);
await load(pages.baseline);
for (let i = 0; i < loads; i++) {
  const order = i % 2 ? ['baseline', 'tavirel'] : ['tavirel', 'baseline'];
  for (const name of order) {
    times[name].push(await load(pages[name]));
  }
}
await browser.close();

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const weight = { tavirel: gzipped(pages.tavirel), baseline: gzipped(pages.baseline) };
rmSync(work, { recursive: true, force: true });
const kib = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;
console.log(`page, from file:// in headless Chromium; time: median of ${loads} pairs of loads`);
console.log(`${'measure'.padEnd(34)}${'tavirel'.padStart(12)}${'baseline'.padStart(12)}` +
  `${'ratio'.padStart(8)}${'target'.padStart(12)}`);
console.log(`${'weight, gzip -9'.padEnd(34)}${kib(weight.tavirel).padStart(12)}` +
  `${kib(weight.baseline).padStart(12)}${(weight.tavirel / weight.baseline).toFixed(2).padStart(8)}` +
  `${'115 KiB'.padStart(12)}`);
// Each pair of loads, one of each page, runs on the machine as it then is, so the ratio is the
// median of the pairs' ratios.
const time = { tavirel: median(times.tavirel), baseline: median(times.baseline) };
const ratio = median(times.tavirel.map((value, i) => value / times.baseline[i]));
console.log(`${'navigation to first prompt'.padEnd(34)}${`${time.tavirel.toFixed(1)} ms`.padStart(12)}` +
  `${`${time.baseline.toFixed(1)} ms`.padStart(12)}` +
  `${ratio.toFixed(2).padStart(8)}${'1.1'.padStart(12)}`);
