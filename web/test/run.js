// The web page in headless Chromium, driven by real input events: the probe's
// stored event sequences give the same reports, keys and clicks do what they
// do on the desktop, every control has an accessible name, the page works
// from the disk with the network off, and the downloads hold what the
// pictures show. Usage: node test/run.js SITE_DIR PROJECT_DIR
'use strict';

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

const site = path.resolve(process.argv[2] || path.join(__dirname, '../../build-web/site'));
const project = path.resolve(process.argv[3] || path.join(__dirname, '../..'));
const pageUrl = 'file://' + path.join(site, 'index.html');
const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'pelmora-chromium-'));
const downloads = fs.mkdtempSync(path.join(os.tmpdir(), 'pelmora-downloads-'));
let browser;

before(async () => {
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--headless', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`,
      '--allow-file-access-from-files'],
  });
});

after(async () => {
  await browser.close();
  fs.rmSync(profile, { recursive: true, force: true });
  fs.rmSync(downloads, { recursive: true, force: true });
});

// A fresh page at `url`, ready when the core has started, with every request
// it made kept in `requests`.
async function open(url = pageUrl, { offline = false, ratio = 1, phone = false } = {}) {
  const page = await browser.newPage();
  await page.setViewport(phone ? { width: 360, height: 640, deviceScaleFactor: 3, isMobile: true, hasTouch: true }
    : { width: 900, height: 620, deviceScaleFactor: ratio });
  if (offline) await page.setOfflineMode(true);
  page.requests = [];
  page.on('request', (request) => page.requests.push(request.url()));
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(String(error)));
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]', { timeout: 10000 });
  return page;
}

// Texts and structure exactly, numbers to 1e-12 relative: the browser's
// maths library may round the last bit differently, nothing more. A number
// in an array is measured against the largest of its array, the scale of
// that quantity; and a few units in the last place of 1 are allowed absolutely,
// since a coefficient that cancels to zero (1 - q^2 on a flat plate) is left
// with such a remainder of 1 by either maths library.
function expectSame(actual, expected, where, scale = 0) {
  if (typeof expected === 'number' && typeof actual === 'number') {
    const size = Math.max(Math.abs(expected), scale);
    const allowed = Math.max(1e-12 * size, 8 * Number.EPSILON);
    assert.ok(Math.abs(actual - expected) <= allowed, `${where}: ${actual} != ${expected}`);
    return;
  }
  assert.equal(Array.isArray(actual), Array.isArray(expected), where);
  if (Array.isArray(expected)) {
    assert.equal(actual.length, expected.length, where);
    const largest = Math.max(0, ...expected.filter((x) => typeof x === 'number').map(Math.abs));
    expected.forEach((x, k) => expectSame(actual[k], x, `${where}[${k}]`, largest));
  } else if (expected !== null && typeof expected === 'object') {
    assert.equal(typeof actual, 'object', where);
    assert.deepEqual(Object.keys(actual), Object.keys(expected), where);
    for (const key of Object.keys(expected)) expectSame(actual[key], expected[key], `${where}.${key}`);
  } else {
    assert.equal(actual, expected, where);
  }
}

const report = (page) => page.evaluate(() => window.pelmora.report());

test('the stored probe runs give the same reports in the page', async () => {
  const { runs } = JSON.parse(fs.readFileSync(path.join(project, 'tests/tools/probe_runs.json'), 'utf8'));
  assert.ok(runs.length >= 6);
  const page = await open();
  for (const run of runs) {
    await page.evaluate((text) => window.pelmora.openCatalogue(text), run.catalogue);
    for (const action of run.actions) await page.evaluate((a) => window.pelmora.act(a), action);
    const got = await report(page);
    assert.equal(got.messages.length, run.expected.messages.length, run.name);
    // The shown boxes are dialogs in the page: as many as the report holds.
    const shown = await page.evaluate(() => window.pelmora.shownMessages());
    assert.deepEqual(shown, got.messages, run.name);
    delete got.messages;
    const expected = { ...run.expected };
    delete expected.messages;
    expectSame(got, expected, run.name);
  }
  // A teacher's own file through the page's file chooser starts the window again from it.
  const chooser = await page.$('#Mn_Catalogue');
  await chooser.uploadFile(path.join(project, 'tests/tools/probe_runs.json'));
  await page.waitForFunction(() => window.pelmora.report().state.nCatalog === 0);
  assert.ok((await report(page)).messages.length > 0, 'a file that is no catalogue is reported');
  await chooser.uploadFile(path.join(project, 'data/KATPE-D20G15.txt'));
  await page.waitForFunction(() => window.pelmora.report().state.nCatalog > 0);
  assert.deepEqual((await report(page)).messages, []);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('keys and clicks run the designed events', async () => {
  const page = await open();
  const controls = async () => (await report(page)).controls;

  // Tab walks the controls in the designed order.
  const order = await page.evaluate(() => window.pelmora.layout().tabOrder);
  await page.focus('#' + order[0]);
  const walked = [order[0]];
  for (let k = 1; k < order.length; ++k) {
    await page.keyboard.press('Tab');
    walked.push(await page.evaluate(() => document.activeElement.id));
  }
  assert.deepEqual(walked, order);

  // Arrow keys step a bar by its small change, PageDown by its large one.
  await page.focus('#HScroll_Thickness');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('ArrowRight');
  await page.focus('#HScroll_xM');
  await page.keyboard.press('PageDown');
  let c = await controls();
  assert.equal(c.HScroll_Thickness, 2);
  assert.equal(c.Text_Thickness, '0.02');
  assert.equal(c.HScroll_xM, 5);
  assert.equal(await page.$eval('#Text_Thickness', (e) => e.value), '0.02');

  // A click on an arrow steps too; a click on a picture runs the full cycle
  // and the picture shows the drawing.
  const arrow = await page.$('#HScroll_Camber .more');
  await arrow.click();
  await page.click('#daire');
  c = await controls();
  assert.equal(c.HScroll_Camber, 1);
  assert.notEqual(c.Text_CL, '0');
  const colours = await page.$eval('#daire canvas', (canvas) => {
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const seen = new Set();
    for (let i = 0; i < data.length; i += 4) seen.add((data[i] << 16) | (data[i + 1] << 8) | data[i + 2]);
    return seen.size;
  });
  assert.ok(colours >= 3, 'background, axes and circle');

  // Return in Moo recomputes with the typed Mach number; the corrected
  // curve comes with it.
  const before = (await report(page)).surfaces.pressure.calls.length;
  await page.click('#Text_Moo', { clickCount: 3 });
  await page.keyboard.type('0.5');
  await page.keyboard.press('Enter');
  const after = await report(page);
  assert.equal(after.controls.Text_Moo, '0.5');
  assert.ok(after.surfaces.pressure.calls.length > before);

  // The print carries the handout with the numbers as drawn, not the menu.
  await page.emulateMediaType('print');
  const printed = await page.$eval('#Handout', (h) => h.innerText);
  assert.ok(printed.includes(`CL = ${after.controls.Text_CL}`) && printed.includes('Moo = 0.5'), printed);
  assert.equal(await page.$eval('.menubar', (m) => getComputedStyle(m).display), 'none');
  await page.emulateMediaType(null);

  // Ctrl+K pins the drawn case, which the handout's legend then lists;
  // Ctrl+Shift+K unpins every case.
  const legend = () => page.$eval('#Handout .legend', (l) => l.textContent);
  const withKeys = async (keys, key) => {
    for (const k of keys) await page.keyboard.down(k);
    await page.keyboard.press(key);
    for (const k of keys.reverse()) await page.keyboard.up(k);
  };
  await withKeys(['Control'], 'KeyK');
  assert.notEqual(await legend(), '');
  await withKeys(['Control', 'Shift'], 'KeyK');
  assert.equal(await legend(), '');
  // Ctrl+P and the handout's Ctrl+Shift+S both go to the browser's print,
  // which prints the window with the handout (and saves it as PDF).
  await page.evaluate(() => { window.printed = 0; window.print = () => { window.printed += 1; }; });
  await withKeys(['Control'], 'KeyP');
  await withKeys(['Control', 'Shift'], 'KeyS');
  assert.equal(await page.evaluate(() => window.printed), 2);

  // F2 opens the flow field; the pointer over the section's plane reads the
  // flow there, the same flow the probe's at= action reports.
  await page.keyboard.press('F2');
  assert.equal(await page.$eval('#Form_Flow', (d) => d.open), true);
  const plane = await (await page.$('#FlowAirfoil')).boundingBox();
  await page.mouse.move(plane.x + plane.width * 0.3, plane.y + plane.height * 0.3);
  const readout = await page.$eval('#FlowReadout', (e) => e.textContent);
  const [x, y, u, v, , cp] = readout.match(/-?\d+\.\d+/g).map(Number);
  await page.evaluate((at) => window.pelmora.act(at), `at=${x},${y}`);
  const probe = (await report(page)).points[0];
  for (const [shown, exact] of [[u, probe.u], [v, probe.v], [cp, probe.cp]]) {
    assert.ok(Math.abs(shown - exact) <= 5.1e-5 + 1e-3 * Math.abs(exact), readout);
  }

  // The arrow keys move the probe from there along the plane's axes; Shift
  // makes the step five times finer.
  const at = async () => (await page.$eval('#FlowReadout', (e) => e.textContent)).match(/-?\d+\.\d+/g).map(Number);
  await page.keyboard.press('ArrowRight');
  const right = await at();
  await page.keyboard.down('Shift');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.up('Shift');
  const fine = await at();
  assert.ok(right[0] > x && Math.abs(right[1] - y) < 2e-4, `${readout} -> ${right}`);
  assert.ok(Math.abs((right[0] - x) / (fine[0] - right[0]) - 5) < 0.1, `${right} -> ${fine}`);

  // F1 opens the help over it, which lists the keys; Escape closes the help
  // first, then the flow view.
  await page.keyboard.press('F1');
  assert.equal(await page.$eval('#Form_Help', (d) => d.open), true);
  assert.match(await page.$eval('#Form_Help', (d) => d.textContent), /F2/);
  await page.keyboard.press('Escape');
  assert.equal(await page.$eval('#Form_Help', (d) => d.open), false);
  assert.equal(await page.$eval('#Form_Flow', (d) => d.open), true);
  await page.keyboard.press('Escape');
  assert.equal(await page.$eval('#Form_Flow', (d) => d.open), false);

  // The About window opens from its menu and by Alt+A, and Escape closes it.
  await page.click('#Mn_About');
  assert.equal(await page.$eval('#Form_About', (d) => d.open), true);
  await page.keyboard.press('Escape');
  assert.equal(await page.$eval('#Form_About', (d) => d.open), false);
  await withKeys(['Alt'], 'KeyA');
  assert.equal(await page.$eval('#Form_About', (d) => d.open), true);
  await page.keyboard.press('Escape');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the pictures are drawn again at the device resolution when it changes', async () => {
  const page = await open();
  const sizes = () => page.$$eval('.picture canvas', (all) => all.map((c) => [c.width, c.height,
    parseFloat(c.style.width), parseFloat(c.style.height)]));
  for (const [w, h, cssW, cssH] of await sizes()) assert.deepEqual([w, h], [cssW, cssH]);
  await page.setViewport({ width: 900, height: 620, deviceScaleFactor: 2 });
  // A headless page renders no frame until asked; a screen would show one.
  await page.screenshot();
  await page.waitForFunction(() => document.querySelector('#daire canvas').width > 300, { polling: 50 });
  for (const [w, h, cssW, cssH] of await sizes()) assert.deepEqual([w, h], [2 * cssW, 2 * cssH]);
  await page.close();
});

test('English by ?lang=en and remembered; Turkish by default', async () => {
  const page = await open(pageUrl + '?lang=en');
  assert.equal(await page.$eval('#Frame3 legend', (e) => e.textContent), 'Compressibility effect');
  await page.close();
  const again = await open();
  assert.equal(await again.$eval('#Frame3 legend', (e) => e.textContent), 'Compressibility effect');
  await again.select('#Mn_Language', 'tr');
  assert.equal(await again.$eval('#Frame3 legend', (e) => e.textContent), 'Sıkıştırılabilme etkisi');
  await again.close();
});

test('the accessibility tree names every control', async () => {
  const page = await open();
  const tree = await page.accessibility.snapshot({ interestingOnly: false });
  const named = {};
  const walk = (node) => {
    // Chromium calls a picture's role "image"; the page sets the ARIA "img".
    const role = node.role === 'image' ? 'img' : node.role;
    if (['textbox', 'scrollbar', 'img', 'button', 'menuitem', 'combobox'].includes(role)) {
      named[role] = (named[role] || []).concat(node.name || '');
    }
    for (const child of node.children || []) walk(child);
  };
  walk(tree);
  assert.equal(named.textbox.length, 8);
  assert.equal(named.scrollbar.length, 5);
  assert.equal(named.img.length, 5);
  for (const names of Object.values(named)) for (const name of names) assert.notEqual(name.trim(), '');
  // A drawn picture's description carries the numbers it was drawn with.
  await page.click('#Picture_CL');
  const cl = await page.$eval('#Text_CL', (e) => e.value);
  assert.ok((await page.$eval('#Picture_CL', (e) => e.getAttribute('aria-description'))).includes(cl));
  await page.close();
});

test('from the disk with the network off, nothing is fetched', async () => {
  const page = await open(pageUrl, { offline: true });
  await page.evaluate(() => window.pelmora.act('thickness=12'));
  assert.equal((await report(page)).controls.Text_Thickness, '0.12');
  for (const url of page.requests) assert.match(url, /^(file|data):/);
  await page.close();
  const bytes = fs.readdirSync(site).reduce((sum, f) => sum + fs.statSync(path.join(site, f)).size, 0);
  assert.ok(bytes < 1.5 * 1024 * 1024, `the site is ${bytes} bytes`);
});

test('the downloads hold what the pictures show', async () => {
  const page = await open();
  const session = await page.target().createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.evaluate(() => {
    window.pelmora.act('thickness=12');
    window.pelmora.act('camber=4');
    window.pelmora.act('alfa=6');
  });
  const state = (await report(page)).state;
  // The picture's menu saves them: opened by a right click, or by Shift+F10
  // on the focused picture and walked with the arrow keys.
  // The entries that can be chosen (an empty unpin menu has one that cannot).
  const entries = () => page.$$eval('#Exports button:enabled', (all) => all.map((b) => b.textContent));
  const choose = async (pattern) => {
    const texts = await entries();
    const at = texts.findIndex((t) => pattern.test(t));
    assert.ok(at >= 0, `${pattern} in ${texts}`);
    await (await page.$$('#Exports button:enabled'))[at].click();
  };
  await page.click('#profil', { button: 'right' });
  assert.equal((await entries()).filter((t) => /PNG/.test(t)).length, 3);
  // As on the desktop, the section's menu opens the flow field and the
  // boundary layer first, the readouts next, and ends with printing.
  const menu = await entries();
  assert.deepEqual(menu.slice(0, 3), ['Akış alanı...', 'Sınır tabakası...', 'Okumalar...']);
  assert.equal(menu[menu.length - 1], 'Ders notunu PDF olarak kaydet...');
  await choose(/SVG/);
  await page.click('#profil', { button: 'right' });
  await choose(/CSV/);
  await page.focus('#profil');
  await page.keyboard.down('Shift');
  await page.keyboard.press('F10');
  await page.keyboard.up('Shift');
  const texts = await entries();
  for (let k = 0; k < texts.findIndex((t) => /PNG.*1x/.test(t)); ++k) await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  assert.equal(await page.$eval('#Exports', (d) => d.open), false);
  const file = async (name) => {
    const where = path.join(downloads, name);
    for (let k = 0; k < 100 && !fs.existsSync(where); ++k) await new Promise((r) => setTimeout(r, 50));
    return fs.readFileSync(where);
  };

  // CSV: one row per surface point, the numbers the state holds.
  const rows = (await file('section.csv')).toString().trim().split('\n');
  assert.equal(rows.length, state.nP + 1);
  const first = rows[1].split(',').map(Number);
  assert.equal(first[1], state.Xp[1]);
  assert.equal(first[2], state.Yp[1]);

  // PNG: the same pixels as the picture on the page, away from its labels.
  const png = (await file('profil@1x.png')).toString('base64');
  const differing = await page.evaluate(async (data) => {
    const image = await createImageBitmap(await (await fetch('data:image/png;base64,' + data)).blob());
    const shown = document.querySelector('#profil canvas');
    const copy = new OffscreenCanvas(image.width, image.height).getContext('2d');
    copy.drawImage(image, 0, 0);
    const a = copy.getImageData(0, 0, image.width, image.height).data;
    const b = shown.getContext('2d').getImageData(0, 0, shown.width, shown.height).data;
    const labels = [...document.querySelectorAll('#profil .annotation')].map((l) =>
      [l.offsetLeft, l.offsetTop, l.offsetLeft + l.offsetWidth, l.offsetTop + l.offsetHeight]);
    let count = 0;
    for (let y = 0; y < image.height; ++y) {
      for (let x = 0; x < image.width; ++x) {
        if (labels.some(([l, t, r, btm]) => x >= l - 1 && x <= r && y >= t - 1 && y <= btm)) continue;
        const i = 4 * (y * image.width + x);
        if (a[i] !== b[i] || a[i + 1] !== b[i + 1] || a[i + 2] !== b[i + 2]) ++count;
      }
    }
    return image.width === shown.width && image.height === shown.height ? count : -1;
  }, png);
  assert.equal(differing, 0);

  // SVG: a line for every line the picture draws, and its labels' texts.
  const svg = (await file('profil.svg')).toString();
  const lines = await page.evaluate(() => JSON.parse(window.pelmora.plan('profil', 1, true)).shapes
    .filter((s) => s[0] === 1).length);
  assert.equal((svg.match(/<line /g) || []).length, lines);
  assert.ok(lines > 10);
  for (const label of ['y/c', 'x/c', '0.2', '-0.2', '1.0']) assert.ok(svg.includes(`>${label.trim()}`) || svg.includes(label));
  await page.close();
});

test('the readouts view follows the window; presets and typed boxes reach a case', async () => {
  const page = await open();
  const session = await page.target().createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  const controls = async () => (await report(page)).controls;
  const typeInto = async (box, text) => {
    await page.click('#' + box, { clickCount: 3 });
    await page.keyboard.type(text);
    await page.keyboard.press('Enter');
  };

  // Typed values on Return move the bars as on the desktop: a per cent, a
  // decimal comma, and text that is no number gives the box its text back.
  await typeInto('Text_Thickness', '12%');
  await typeInto('Text_Camber', '0,04');
  let c = await controls();
  assert.deepEqual([c.HScroll_Thickness, c.Text_Thickness, c.HScroll_Camber], [12, '0.12', 4]);
  await typeInto('Text_AlfaD', 'abc');
  assert.equal(await page.$eval('#Text_AlfaD', (e) => e.value), (await controls()).Text_AlfaD);

  // F3 opens the readouts; each row says what the probe reports, and a bar
  // moved afterwards moves them.
  await page.click('#daire');
  await page.keyboard.press('F3');
  assert.equal(await page.$eval('#Form_Readouts', (d) => d.open), true);
  const rows = () => page.$$eval('#Form_Readouts td.value', (all) => Object.fromEntries(all.map((td) => [td.id.slice(8), td.textContent])));
  const agree = async () => {
    const r = (await report(page)).readouts;
    const shown = await rows();
    const expected = { cl: r.cl.toFixed(4), cm: r.cm.toFixed(5), alpha_zero_lift_deg: r.alpha_zero_lift_deg.toFixed(2) + '°',
      x_ac: r.x_ac.toFixed(4), cm_ac: r.cm_ac.toFixed(5), cp_min: r.cp_min.toFixed(4), x_cp_min: r.x_cp_min.toFixed(4),
      m_crit: r.m_crit.toFixed(3) };
    for (const [key, text] of Object.entries(expected)) assert.equal(shown[key], text, key);
    assert.ok(shown.cl_alpha.startsWith(r.cl_alpha_per_rad.toFixed(4)), shown.cl_alpha);
    return r;
  };
  const before = await agree();
  await page.focus('#HScroll_AlfaD');
  await page.keyboard.press('ArrowRight');
  assert.notEqual((await agree()).cl, before.cl);
  assert.equal(await page.$eval('#Label_Supercritical', (e) => e.hidden), true);

  // A preset chosen from a picture's menu by clicks sets the bars and Moo
  // and draws every picture: here past its critical Mach number, which the
  // notice says. (Escape first closes the view, which is over the picture.)
  await page.keyboard.press('Escape');
  assert.equal(await page.$eval('#Form_Readouts', (d) => d.open), false);
  const pixels = () => page.$eval('#pressure canvas', (canvas) =>
    canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data.join(','));
  const drawn = await pixels();
  await page.click('#pressure', { button: 'right' });
  const preset = (await page.$$('#Exports .group button'))[5];
  assert.match(await preset.evaluate((b) => b.textContent), /Moo 0.6/);
  await preset.click();
  c = await controls();
  assert.deepEqual([c.HScroll_Thickness, c.HScroll_Camber, c.HScroll_AlfaD, c.Text_Moo], [12, 4, 2, '0.6']);
  assert.notEqual(await pixels(), drawn);
  await page.keyboard.press('F3');
  const r = await agree();
  assert.equal((await rows()).cl_corrected, `${r.cl_corrected.toFixed(4)} (Moo 0.6)`);
  assert.match(await page.$eval('#Label_Supercritical', (e) => e.textContent), /0\.599/);

  // Pinned twice from a picture's menu (opened by the keyboard, the view
  // being over it), then the older case unpinned from it: the newer stays.
  const fromMenu = async (pattern) => {
    await page.focus('#daire');
    await page.keyboard.down('Shift');
    await page.keyboard.press('F10');
    await page.keyboard.up('Shift');
    const texts = await page.$$eval('#Exports button', (all) => all.map((b) => b.textContent));
    const at = texts.findIndex((t) => pattern.test(t));
    assert.ok(at >= 0, `${pattern} in ${texts}`);
    await (await page.$$('#Exports button'))[at].click();
  };
  await fromMenu(/sabitle/);
  await page.evaluate(() => window.pelmora.act('alfa=4'));
  await fromMenu(/sabitle/);
  await fromMenu(/α 2°/);
  assert.deepEqual((await report(page)).references.map((ref) => ref.alfa), [4]);
  assert.match(await page.$eval('#Label_References', (e) => e.textContent), /α 4°/);
  await page.evaluate(() => window.pelmora.act('alfa=2'));

  // The camber sweep's table from its menu: the section drawn is among its
  // rows with the CL the readouts show.
  await page.click('#Sweep_sweep_cl_camber', { button: 'right' });
  const entries = await page.$$('#Exports button');
  await entries[entries.length - 1].click();
  const where = path.join(downloads, 'sweep_cl_camber.csv');
  for (let k = 0; k < 100 && !fs.existsSync(where); ++k) await new Promise((done) => setTimeout(done, 50));
  const table = fs.readFileSync(where, 'utf8').trim().split('\n');
  assert.equal(table[0], 'ratio,cl,cm');
  const live = table.slice(1).map((line) => line.split(',').map(Number)).find(([ratio]) => Math.abs(ratio - 0.04) < 1e-9);
  assert.ok(live && Math.abs(live[1] - r.cl) <= 1e-12, table.join(' '));
  // Its description says the drawn section's CL, as the table has it.
  const said = await page.$eval('#Sweep_sweep_cl_camber', (c) => c.getAttribute('aria-description'));
  assert.ok(said.endsWith(`f/c = 0.04, CL = ${live[1].toFixed(4)}.`), said);
  // Its SVG keeps the title as text and rings the drawn section.
  await page.click('#Sweep_sweep_cl_camber', { button: 'right' });
  const texts = await page.$$eval('#Exports button', (all) => all.map((b) => b.textContent));
  await (await page.$$('#Exports button'))[texts.findIndex((t) => /SVG/.test(t))].click();
  const svgFile = path.join(downloads, 'sweep_cl_camber.svg');
  for (let k = 0; k < 100 && !fs.existsSync(svgFile); ++k) await new Promise((done) => setTimeout(done, 50));
  const svg = fs.readFileSync(svgFile, 'utf8');
  assert.ok(svg.includes('CL − kamburluk f/c') && /<ellipse /.test(svg), svg.slice(0, 400));

  // In English the view speaks English.
  await page.evaluate(() => window.pelmora.setLanguage('en'));
  assert.notEqual(await page.$eval('#ReadoutsTitle', (e) => e.textContent), 'Okumalar');
  assert.equal((await rows()).cl, r.cl.toFixed(4));
  await page.evaluate(() => window.pelmora.setLanguage('tr'));  // the browser remembers the choice
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the flow view saves its planes: the SVG draws what the PNG shows', async () => {
  const page = await open();
  const session = await page.target().createCDPSession();
  const where = fs.mkdtempSync(path.join(os.tmpdir(), 'pelmora-flow-'));
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: where });
  await page.evaluate(() => ['thickness=12', 'camber=4', 'alfa=6'].forEach((a) => window.pelmora.act(a)));
  await page.keyboard.press('F2');
  const choose = async (pattern) => {
    await page.click('#FlowAirfoil', { button: 'right' });
    const texts = await page.$$eval('#Exports button', (all) => all.map((b) => b.textContent));
    const at = texts.findIndex((t) => pattern.test(t));
    assert.ok(at >= 0, `${pattern} in ${texts}`);
    await (await page.$$('#Exports button'))[at].click();
  };
  await choose(/SVG/);
  await choose(/PNG.*2x/);
  const file = async (name) => {
    const at = path.join(where, name);
    for (let k = 0; k < 100 && !fs.existsSync(at); ++k) await new Promise((r) => setTimeout(r, 50));
    return fs.readFileSync(at);
  };
  const svg = (await file('flow-airfoil.svg')).toString();
  const png = (await file('flow-airfoil@2x.png')).toString('base64');
  assert.match(svg, /α = 6/);
  // Both drawn at twice the size: the SVG as a browser renders it, its
  // colour map from the embedded PNG, against the PNG the canvas wrote.
  const compared = await page.evaluate(async (svgText, pngData) => {
    const load = (url) => new Promise((resolve, reject) => {
      const image = new Image();
      image.onload = () => resolve(image);
      image.onerror = reject;
      image.src = url;
    });
    const a = await load('data:image/png;base64,' + pngData);
    const b = await load(URL.createObjectURL(new Blob([svgText], { type: 'image/svg+xml' })));
    const pixels = (image) => {
      const c = new OffscreenCanvas(a.width, a.height).getContext('2d');
      c.drawImage(image, 0, 0, a.width, a.height);
      return c.getImageData(0, 0, a.width, a.height).data;
    };
    const p = pixels(a), q = pixels(b);
    let far = 0;
    for (let i = 0; i < p.length; i += 4) {
      if (Math.max(Math.abs(p[i] - q[i]), Math.abs(p[i + 1] - q[i + 1]), Math.abs(p[i + 2] - q[i + 2])) > 64) ++far;
    }
    return { far: far / (p.length / 4), width: a.width, shown: document.querySelector('#FlowAirfoil').clientWidth };
  }, svg, png);
  assert.equal(compared.width, 2 * compared.shown);
  // Only antialiased edges and the colour map's finer sampling may differ.
  assert.ok(compared.far < 0.02, JSON.stringify(compared));
  assert.deepEqual(page.errors, []);
  fs.rmSync(where, { recursive: true, force: true });
  await page.close();
});

test('past the critical Mach number the pressure picture says so, and the pointer reads its values', async () => {
  const page = await open();
  await page.evaluate(() => ['moo=0.6', 'thickness=12', 'camber=4', 'alfa=8'].forEach((a) => window.pelmora.act(a)));
  const r = (await report(page)).readouts;
  assert.equal(r.supercritical, true);
  const notes = await page.$$eval('#pressure .note', (all) => all.map((n) => ({
    text: n.textContent, left: n.offsetLeft, top: n.offsetTop, width: n.offsetWidth, height: n.offsetHeight,
    picture: n.parentElement.offsetWidth })));
  // The notice in the top right corner names the critical Mach number.
  const notice = notes.find((n) => n.text.includes(r.m_crit.toFixed(3)));
  assert.ok(notice, JSON.stringify(notes));
  assert.deepEqual([notice.top, notice.left + notice.width + 2], [2, notice.picture]);
  assert.match(await page.$eval('#pressure', (p) => p.getAttribute('aria-description')), /⚠/);
  // "Cp*" stands at the right end of the sonic line: just left of it the
  // pointer reads x/c = 1 and 1 - Cp* at the drawn Mach number, Cp* from
  // the isentropic relations.
  const sonic = notes.find((n) => n.text === 'Cp*');
  const box = await (await page.$('#pressure')).boundingBox();
  await page.mouse.move(box.x + sonic.left - 2, box.y + sonic.top + sonic.height / 2);
  const [x, oneMinusCp] = (await page.$eval('#pressure', (p) => p.title)).match(/-?\d+\.\d+/g).map(Number);
  const g = 1.4, m = 0.6;
  const cpStar = (2 / (g * m * m)) * (((2 + (g - 1) * m * m) / (g + 1)) ** (g / (g - 1)) - 1);
  assert.ok(Math.abs(x - 1) < 0.02, String(x));
  assert.ok(Math.abs(oneMinusCp - (1 - cpStar)) < 0.05, `${oneMinusCp} vs ${1 - cpStar}`);
  // The saved SVG carries the notes as the picture shows them.
  const svg = await page.evaluate(async () => (await window.pelmora.exportSvg('pressure')).text());
  for (const n of [notice, sonic]) assert.ok(svg.includes(`>${n.text}</text>`), n.text);
  // With a case pinned, a saved picture says below itself which dashed
  // curve is which; the copy on screen is unchanged.
  await page.evaluate(() => window.pelmora.act('pin'));
  const saved = await page.evaluate(async () => {
    const png = await createImageBitmap(await window.pelmora.exportPng('profil', 1));
    const svgText = await window.pelmora.exportSvg('profil').text();
    return { height: png.height, svg: svgText, shown: document.querySelector('#profil').offsetHeight };
  });
  assert.equal(saved.height, saved.shown + 2 * 14 + 6);
  assert.match(saved.svg, /Referanslar \(kesikli çizgiler\):<\/text>/);
  assert.match(saved.svg, /t\/c 0.12, f\/c 0.04, α 8°, Moo 0.6<\/text>/);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('on a phone the whole window shows at first, and taps work the controls', async () => {
  const page = await open(pageUrl, { phone: true });
  const view = await page.evaluate(() => ({ scale: visualViewport.scale, inner: innerWidth,
    window: document.querySelector('.window').getBoundingClientRect().right }));
  assert.ok(view.window <= view.inner && view.scale < 0.5, JSON.stringify(view));
  await page.tap('#HScroll_Thickness .more');
  await page.tap('#profil');
  const state = (await report(page)).state;
  assert.ok(state.nP > 0 && state.Thickness > 0, JSON.stringify(state.Thickness));
  // The canvases draw at the phone's resolution, not the scaled one.
  const canvas = await page.$eval('#profil canvas', (c) => [c.width, c.clientWidth]);
  assert.equal(canvas[0], 3 * canvas[1]);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('F4 shows the boundary layer the core computes, follows Re and the window, and saves its tables', async () => {
  const page = await open();
  const session = await page.target().createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.evaluate(() => ['thickness=12', 'camber=4', 'alfa=4'].forEach((a) => window.pelmora.act(a)));
  await page.keyboard.press('F4');
  assert.equal(await page.$eval('#Form_BoundaryLayer', (d) => d.open), true);
  const numbers = () => page.$eval('#BoundaryLayerNumbers', (e) => e.textContent);
  const layer = async () => (await report(page)).boundary_layer;
  const shows = (text, bl) => {
    for (const part of [`CD = ${bl.cd.toFixed(5)}`, `${bl.cd_friction.toFixed(5)}`,
      `${bl.xtr_upper.toFixed(3)}, `]) assert.ok(text.includes(part), `${part} in ${text}`);
  };
  const at1e6 = await layer();
  shows(await numbers(), at1e6);

  // Re typed and Return: the report's Re too; the waves grow to e^9 sooner.
  // Text that is no Reynolds number from 1e5 to 1e8 puts the value back.
  const typeRe = async (text) => {
    await page.click('#BoundaryLayerRe', { clickCount: 3 });
    await page.keyboard.type(text);
    await page.keyboard.press('Enter');
  };
  await typeRe('3e6');
  const at3e6 = await layer();
  assert.equal(at3e6.re, 3e6);
  assert.ok(at3e6.xtr_upper < at1e6.xtr_upper);
  assert.match(await numbers(), /^Re = 3e6, {2}α = 4°/);
  shows(await numbers(), at3e6);
  await typeRe('5e4');
  assert.equal(await page.$eval('#BoundaryLayerRe', (e) => e.value), '3e6');
  assert.equal((await layer()).re, 3e6);

  // An event of the main window: the view follows it.
  await page.focus('#HScroll_AlfaD');
  await page.keyboard.press('ArrowRight');
  assert.match(await numbers(), /α = 5°/);
  shows(await numbers(), await layer());

  // The Cf picture has both sides' curves in their colours, and a name.
  const cf = await page.$eval('#boundary-layer-cf', (canvas) => {
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let blue = 0, red = 0;
    for (let i = 0; i < data.length; i += 4) {
      if (data[i + 2] > 200 && data[i] < 60 && data[i + 1] < 60) ++blue;
      if (data[i] > 200 && data[i + 1] < 60 && data[i + 2] < 60) ++red;
    }
    return { blue, red, name: canvas.getAttribute('aria-label') };
  });
  assert.ok(cf.blue > 100 && cf.red > 100, JSON.stringify(cf));
  assert.equal(cf.name, 'Yüzey sürtünme katsayısı Cf');

  // The polar's menu saves its table: one row a degree, the report's drag.
  await page.click('#polar', { button: 'right' });
  const entries = await page.$$eval('#Exports button', (all) => all.map((b) => b.textContent));
  assert.equal(entries.filter((t) => /PNG/.test(t)).length, 3);
  await (await page.$$('#Exports button'))[entries.findIndex((t) => /^Polar/.test(t))].click();
  const where = path.join(downloads, 'polar.csv');
  for (let k = 0; k < 100 && !fs.existsSync(where); ++k) await new Promise((r) => setTimeout(r, 50));
  const rows = fs.readFileSync(where, 'utf8').trim().split('\n');
  const polar = (await layer()).polar;
  assert.equal(rows.length, polar.length + 1);
  const five = rows.find((r) => r.startsWith('5,')).split(',').map(Number);
  expectSame(five[2], polar.find((p) => p.alpha_deg === 5).cd, 'polar.csv');

  await page.keyboard.press('Escape');
  assert.equal(await page.$eval('#Form_BoundaryLayer', (d) => d.open), false);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('on a wide screen a view opens beside the window and its title bar moves it', async () => {
  const page = await open();
  await page.setViewport({ width: 1600, height: 900 });
  await page.keyboard.press('F4');
  const where = () => page.evaluate(() => {
    const d = document.getElementById('Form_BoundaryLayer').getBoundingClientRect();
    return { left: d.left, top: d.top, main: document.querySelector('.window').getBoundingClientRect().right };
  });
  const first = await where();
  assert.ok(first.left > first.main, JSON.stringify(first));
  const title = await (await page.$('#BoundaryLayerTitle')).boundingBox();
  await page.mouse.move(title.x + 50, title.y + 5);
  await page.mouse.down();
  await page.mouse.move(title.x + 10, title.y + 45, { steps: 4 });
  await page.mouse.up();
  const moved = await where();
  assert.deepEqual([moved.left - first.left, moved.top - first.top], [-40, 40]);
  assert.deepEqual(page.errors, []);
  await page.close();
});
