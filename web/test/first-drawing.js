// Measures, in headless Chromium, the time from navigation until a click on a
// picture has drawn all five pictures, the size of the site, and what one
// step of a bar costs with the views open (every open view follows it). A
// measurement for the README, not a test: it prints and never fails on time.
// Usage: node test/first-drawing.js SITE_DIR [RUNS]
'use strict';

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

const site = path.resolve(process.argv[2] || path.join(__dirname, '../../build-web/site'));
const runs = Number(process.argv[3] || 5);

(async () => {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'pelmora-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--headless', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`],
  });
  const times = [];
  for (let k = 0; k < runs; ++k) {
    const page = await browser.newPage();
    const start = Date.now();
    await page.goto('file://' + path.join(site, 'index.html'));
    await page.waitForSelector('body[data-ready="true"]');
    await page.click('#daire');
    // Drawn when every canvas holds more than its background.
    await page.waitForFunction(() => [...document.querySelectorAll('.picture canvas')].every((c) => {
      const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
      for (let i = 4; i < d.length; i += 4) if (d[i] !== d[0] || d[i + 1] !== d[1] || d[i + 2] !== d[2]) return true;
      return false;
    }));
    times.push(Date.now() - start);
    await page.close();
  }
  // One step of the incidence bar, the median of 21, with none, then one,
  // two and three views open beside the window.
  const page = await browser.newPage();
  await page.setViewport({ width: 1600, height: 1000 });
  await page.goto('file://' + path.join(site, 'index.html'));
  await page.waitForSelector('body[data-ready="true"]');
  await page.evaluate(() => ['thickness=12', 'camber=4', 'alfa=6'].forEach((a) => window.pelmora.act(a)));
  const steps = [];
  for (const key of [null, 'F2', 'F3', 'F4']) {
    if (key) await page.keyboard.press(key);
    steps.push(await page.evaluate(() => {
      const t = [];
      for (let k = 0; k < 21; ++k) {
        const start = performance.now();
        window.pelmora.act(`alfa=${6 + (k % 2)}`);
        t.push(performance.now() - start);
      }
      return t.sort((a, b) => a - b)[10];
    }));
  }
  await browser.close();
  fs.rmSync(profile, { recursive: true, force: true });
  const bytes = fs.readdirSync(site).reduce((sum, f) => sum + fs.statSync(path.join(site, f)).size, 0);
  times.sort((a, b) => a - b);
  console.log(`site: ${bytes} bytes (${(bytes / 1048576).toFixed(2)} MiB)`);
  console.log(`navigation to five pictures drawn after a click: median ${times[times.length >> 1]} ms, ` +
    `fastest ${times[0]} ms, slowest ${times[times.length - 1]} ms over ${runs} loads`);
  console.log(`one step of a bar: ${steps.map((ms) => ms.toFixed(0)).join(' / ')} ms with the window alone / ` +
    'and the flow field / and the readouts / and the boundary layer');
})();
