// The readouts view (F3): the key numbers of the drawn case beside their
// thin-airfoil values, the compressibility notice, the pinned cases' legend
// and the four sweep charts, all as the core says and draws them.
'use strict';

(function () {
  const page = window.pelmoraPage;
  const $ = (id) => document.getElementById(id);
  const dialog = () => $('Form_Readouts');
  let texts = null;  // the view's fixed texts in the page's language

  // The designed size of a sweep chart, CSS pixels.
  const CHART = [260, 150];

  function chartCanvas(k) {
    return $('Sweep_' + texts.charts[k].name);
  }

  // Sweep chart k as a drawing at its designed size.
  function chartDrawing(k) {
    return page.readDrawing(page.core().sweepDrawing(k, CHART[0], CHART[1], 1, page.measure));
  }

  function drawChart(k, drawing) {
    const ratio = window.devicePixelRatio || 1;
    const canvas = chartCanvas(k);
    canvas.width = Math.round(drawing.width * ratio);
    canvas.height = Math.round(drawing.height * ratio);
    page.drawShapes(canvas.getContext('2d'), drawing, ratio);
  }

  function exportChart(k, entry) {
    const name = texts.charts[k].name;
    if (entry.action === 'csv') {
      page.download(entry.file, new Blob([page.core().sweepCsv(k)], { type: 'text/csv' }));
    } else if (entry.action === 'png') {
      page.savePng(page.shapesCanvas(chartDrawing(k), entry.scale), `${name}@${entry.scale}x.png`);
    } else if (entry.action === 'svg') {
      page.download(name + '.svg', new Blob([page.core().sweepSvg(k, page.measure)], { type: 'image/svg+xml' }));
    } else if (entry.action === 'copy') {
      page.copyCanvas(page.shapesCanvas(chartDrawing(k), 1));
    }
  }

  function openChartMenu(k, x, y) {
    const entries = JSON.parse(page.core().sweepMenu(k));
    page.openMenu(entries, chartCanvas(k), x, y, (entry) => exportChart(k, entry));
  }

  function build() {
    texts = JSON.parse(page.core().readoutsTexts());
    const body = dialog().querySelector('tbody');
    for (const row of texts.rows) {
      const line = page.make('tr', null, body);
      page.make('th', null, line).scope = 'row';
      page.make('td', 'Readout_' + row.key, line, 'value');
      page.make('td', null, line, 'thin');
    }
    const heads = dialog().querySelector('thead tr');
    for (let k = 0; k < texts.headings.length; ++k) page.make('th', null, heads).scope = 'col';
    const sweeps = dialog().querySelector('.sweeps');
    texts.charts.forEach((chart, k) => {
      const canvas = page.make('canvas', 'Sweep_' + chart.name, sweeps);
      canvas.setAttribute('role', 'img');
      canvas.tabIndex = 0;
      canvas.style.width = CHART[0] + 'px';
      canvas.style.height = CHART[1] + 'px';
      canvas.addEventListener('contextmenu', (e) => {
        e.preventDefault();
        openChartMenu(k, e.clientX, e.clientY);
      });
      canvas.addEventListener('keydown', (e) => {
        if (e.key === 'ContextMenu' || (e.key === 'F10' && e.shiftKey)) {
          e.preventDefault();
          openChartMenu(k);
        }
      });
    });
    $('Mn_Readouts').addEventListener('click', open);
    // A browser zoom, or a move to a screen of another pixel ratio, draws
    // the charts again at the new resolution.
    addEventListener('resize', () => { if (dialog().open) drawCharts(); });
    const watchRatio = () => {
      matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
        if (dialog().open) drawCharts();
        watchRatio();
      }, { once: true });
    };
    watchRatio();
  }

  function drawCharts() {
    texts.charts.forEach((chart, k) => drawChart(k, chartDrawing(k)));
  }

  function update() {
    const values = JSON.parse(page.core().readoutsValues());
    for (const row of values.rows) {
      const value = $('Readout_' + row.key);
      value.textContent = row.value;
      value.nextElementSibling.textContent = row.thin;
    }
    const notice = $('Label_Supercritical');
    notice.textContent = values.notice;
    notice.hidden = !values.notice;
    $('Label_References').textContent = values.legend;
    values.charts.forEach((description, k) => chartCanvas(k).setAttribute('aria-description', description));
    drawCharts();
  }

  function open() {
    page.showView(dialog());
    update();
    dialog().querySelector('canvas').focus();
  }

  function applyTexts() {
    texts = JSON.parse(page.core().readoutsTexts());
    $('Mn_Readouts').textContent = texts.menu;
    $('ReadoutsTitle').textContent = texts.title;
    dialog().querySelectorAll('thead th').forEach((th, k) => { th.textContent = texts.headings[k]; });
    dialog().querySelectorAll('tbody tr').forEach((line, k) => {
      line.querySelector('th').textContent = texts.rows[k].name;
      line.title = texts.rows[k].formula;
    });
    texts.charts.forEach((chart, k) => chartCanvas(k).setAttribute('aria-label', chart.title));
    if (dialog().open) update();
  }

  page.addView({ command: 'readouts', dialog, build, open, update, applyTexts });
  // The readouts open from every picture's menu, first of the lesson's entries.
  page.addPictureEntries(() => [{ text: texts.menu, run: open }]);
})();
