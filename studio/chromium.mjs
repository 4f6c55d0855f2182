// Debian's Chromium, headless, as the studio's tests and its picture use it:
// no sandbox (the checks run as root), no network of its own, software WebGL.
import puppeteer from 'puppeteer-core';

export function launchChromium(userDataDir, options = {}) {
  return puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    userDataDir,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--enable-unsafe-swiftshader'],
    ...options,
  });
}
