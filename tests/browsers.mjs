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
// besides its usual ones. With DOWNLOADS, a folder, every download is saved there without a
// question: in Firefox by its download preferences (and without opening its downloads panel,
// which would take the focus from the page), in Chromium through the DevTools protocol's
// Browser.setDownloadBehavior. Each browser writes a download under another name (.part,
// .crdownload) and gives it its own name once it is complete. The caller closes the browser and
// removes the profile's folder.
export async function launchBrowser(puppeteer, name, executable, args = [], downloads = null) {
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
    extraPrefsFirefox: downloads ? {
      'browser.download.folderList': 2,
      'browser.download.dir': downloads,
      'browser.download.useDownloadDir': true,
      'browser.download.always_ask_before_handling_new_types': false,
      'browser.download.start_downloads_in_tmp_dir': false,
      'browser.download.alwaysOpenPanel': false,
    } : {},
  });
  if (downloads && name === 'Chromium') {
    const session = await browser.target().createCDPSession();
    await session.send('Browser.setDownloadBehavior',
      { behavior: 'allow', downloadPath: downloads });
  }
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
