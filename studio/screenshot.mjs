// The README's picture of the studio: the goblet at the finest sweep, taken
// by the headless browser the tests use.
//
// Usage: node studio/screenshot.mjs BUILD/studio OUT.png
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { startServer } from './server.js';

const [folder, out] = process.argv.slice(2);
const goblet = fs.readFileSync(new URL('../examples/goblet.txt', import.meta.url), 'utf8');
const server = await startServer(folder, 0);
const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'studio-shot-'));
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  userDataDir: profile,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--enable-unsafe-swiftshader'],
});
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 720 });
  const plot = encodeURIComponent(goblet).replace(/%2C/g, ',');
  await page.goto(`http://127.0.0.1:${server.address().port}/?a=10&plot=${plot}`);
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
