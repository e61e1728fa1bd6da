// Builds the page as one self-contained HTML file: page.html with its styles (page.css), the
// script in its head that makes it an app when it is served (aplikasi.js), the program's
// JavaScript, minified, its wasm (raw deflate by zopfli, 6 % smaller than zlib's best, in
// base64: gzip shrinks that to about the deflated size, where plain base64 would cost a third
// more), the script that compiles it, and the page's code bundled, all inline. The last three
// are one script, each part after a comment that names it, as the parser may yield to other
// tasks between scripts, which delays the first prompt. The same inputs give the same bytes.
// Usage: node build-page.mjs NODE_MODULES PROGRAM_JS OUTPUT_HTML
import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const [modules, program, output] = process.argv.slice(2);
const here = path.dirname(fileURLToPath(import.meta.url));
const require = createRequire(path.resolve(modules, '..', 'package.json'));
const esbuild = require('esbuild');
const zopfli = require('@gfx/zopfli');

// Text to go inside a script element must not close it early.
function inline(text, what) {
  if (/<\/script/i.test(text)) {
    throw new Error(`${what} holds "</script"`);
  }
  return text;
}

const style = esbuild.transformSync(readFileSync(path.join(here, 'page.css'), 'utf8'),
  { loader: 'css', minify: true }).code;
const page = esbuild.buildSync({
  entryPoints: [path.join(here, 'page.js')],
  bundle: true,
  minify: true,
  format: 'iife',
  target: 'es2020',
  legalComments: 'eof',
  write: false,
}).outputFiles[0].text;
const wasm = Buffer.from(await zopfli.deflateAsync(readFileSync(program.replace(/\.js$/, '.wasm')),
  { numiterations: 15 }));

// A script of this folder on its own, minified.
function minified(file, options = {}) {
  return inline(esbuild.transformSync(readFileSync(path.join(here, file), 'utf8'),
    { minify: true, target: 'es2020', ...options }).code.trim(), file);
}

const parts = {
  STYLE: style.trim(),
  APP: minified('aplikasi.js', { format: 'iife' }),
  WASM: wasm.toString('base64'),
  SCRIPT: [
    ['wasm-start.js', minified('wasm-start.js')],
    // Minified: short names for its local variables, and no blanks. Its properties, through
    // which its wasm and the page reach it, keep their names.
    ['tavirel.js', inline(esbuild.transformSync(readFileSync(program, 'utf8'),
      { minify: true, target: 'es2020' }).code.trim(), program)],
    ['page.js', inline(page.trim(), 'page.js')],
  ].map(([name, code]) => `/* ${name} */\n${code}\n`).join(''),
};
const html = readFileSync(path.join(here, 'page.html'), 'utf8')
  .replace(/@([A-Z]+)@/g, (whole, name) => parts[name] ?? whole);
writeFileSync(output, html);
