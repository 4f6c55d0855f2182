// The README's picture of the studio: the goblet at the finest sweep, taken
// by the headless browser the tests use.
//
// Usage: node studio/screenshot.mjs BUILD/studio OUT.png
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { launchChromium } from './chromium.mjs';
import { shareQuery } from './src/plot_text.js';
import { startServer } from './server.js';

const [folder, out] = process.argv.slice(2);
const goblet = fs.readFileSync(new URL('../examples/goblet.txt', import.meta.url), 'utf8');
const server = await startServer(folder, 0);
const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'studio-shot-'));
const browser = await launchChromium(profile);
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 720 });
  await page.goto(`http://127.0.0.1:${server.address().port}/${shareQuery(goblet, 10)}`);
  await page.waitForFunction(() => document.getElementById('counts').textContent !== '',
    { polling: 20 });
  // A still picture: the model at rest.
  await page.click('#turn');
  await page.screenshot({ path: out });
  console.log(out);
} finally {
  await browser.close();
  server.close();
  fs.rmSync(profile, { recursive: true, force: true });
}
