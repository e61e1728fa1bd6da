// What the page's tests share: the browsers they drive through puppeteer-core, Chromium and
// Firefox ESR where installed, each started headless in a profile of its own; and their
// report.
import { existsSync, mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';

const EXECUTABLES = {
  Chromium: ['/usr/bin/chromium', '/usr/bin/chromium-browser'],
  Firefox: ['/usr/bin/firefox-esr', '/usr/bin/firefox'],
};

// The installed browsers, each name with its executable. With neither, the test is skipped:
// it exits 77.
export function installedBrowsers() {
  const found = Object.entries(EXECUTABLES).map(([name, files]) => [name, files.find(existsSync)])
    .filter(([, file]) => file);
  if (found.length === 0) {
    console.log('Neither Chromium nor Firefox is installed');
    process.exit(77);
  }
  return Object.fromEntries(found);
}

// Starts the browser NAME from EXECUTABLE, headless, in a new profile; Chromium with ARGS
// besides its usual ones. The caller closes the browser and removes the profile's folder.
export async function launchBrowser(puppeteer, name, executable, args = []) {
  const profile = mkdtempSync(path.join(tmpdir(), 'tavirel-page-'));
  const browser = await puppeteer.launch(name === 'Chromium' ? {
    executablePath: executable,
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', ...args],
  } : {
    browser: 'firefox',
    executablePath: executable,
    headless: true,
    userDataDir: profile,
  });
  return { browser, profile };
}

// Writes each failure and the outcome of the test TEST in the browsers NAMES, and exits with
// 0 when nothing failed, else 1.
export function report(test, failures, names) {
  for (const failure of failures) {
    console.log(`FAIL: ${failure}`);
  }
  console.log(failures.length === 0 ? `${test}: all checks passed in ${names.join(' and ')}`
    : `${test}: ${failures.length} failed`);
  process.exit(failures.length === 0 ? 0 : 1);
}
