// The README's picture of the page: headless Chromium, the same events as the
// desktop screenshot. Usage: node test/screenshot.js SITE_DIR OUT.png
'use strict';

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

(async () => {
  const [site, out] = process.argv.slice(2).map((p) => path.resolve(p));
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'pelmora-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--headless', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`],
  });
  const page = await browser.newPage();
  await page.setViewport({ width: 812, height: 552, deviceScaleFactor: 1 });
  await page.goto('file://' + path.join(site, 'index.html'));
  await page.waitForSelector('body[data-ready="true"]');
  await page.evaluate(() => {
    for (const action of ['moo=0.5', 'thickness=12', 'camber=4', 'alfa=6', 'xm=25']) window.pelmora.act(action);
  });
  await (await page.$('.window')).screenshot({ path: out });
  await browser.close();
  fs.rmSync(profile, { recursive: true, force: true });
})();
