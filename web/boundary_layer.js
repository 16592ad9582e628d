// The boundary-layer view (F4): the section with its displacement thickness,
// Cf and H along the chord and the lift-drag polar on four canvases, the
// numbers beside them and the Re box. The core computes the case, draws the
// pictures as shapes and writes every text; this only lays them out, passes
// the Re box's text on and draws the shapes at the device's resolution.
'use strict';

(function () {
  const page = window.pelmoraPage;
  const $ = (id) => document.getElementById(id);
  let texts = null;  // the core's texts and layout of the view, as last read

  const dialog = () => $('Form_BoundaryLayer');
  const canvases = () => [...dialog().querySelectorAll('canvas')];

  // A picture's drawing at its present size on the page, in logical pixels.
  function drawing(canvas) {
    const core = page.core();
    const width = Math.max(1, canvas.clientWidth), height = Math.max(1, canvas.clientHeight);
    return page.readDrawing(core.boundaryLayerDrawing(canvas.id, width, height, 1));
  }

  function draw() {
    if (!dialog().open) return;
    const ratio = window.devicePixelRatio || 1;
    for (const canvas of canvases()) {
      const d = drawing(canvas);
      if (!d) continue;
      canvas.width = Math.round(d.width * ratio);
      canvas.height = Math.round(d.height * ratio);
      page.drawShapes(canvas.getContext('2d'), d, ratio);
    }
  }

  // The texts in the page's language and the numbers of the case as it is.
  function showTexts() {
    texts = JSON.parse(page.core().boundaryLayerTexts());
    $('BoundaryLayerTitle').textContent = texts.title;
    $('BoundaryLayerReLabel').textContent = texts.reLabel;
    const box = $('BoundaryLayerRe');
    box.setAttribute('aria-label', texts.reName);
    box.setAttribute('aria-description', texts.reTip);
    box.title = texts.reTip;
    // What is being typed stays until Return or until the box is left.
    if (document.activeElement !== box) box.value = texts.re;
    $('BoundaryLayerNumbers').textContent = texts.numbers;
    for (const plot of texts.plots) $(plot.name).setAttribute('aria-label', plot.title);
  }

  function update() {
    page.core().boundaryLayerUpdate(page.measure);
    showTexts();
    draw();
  }

  function applyReynolds() {
    page.core().boundaryLayerReynolds($('BoundaryLayerRe').value);
    $('BoundaryLayerRe').value = JSON.parse(page.core().boundaryLayerTexts()).re;
    update();
  }

  function open() {
    const d = dialog();
    if (!d.open) {
      const t = JSON.parse(page.core().boundaryLayerTexts());
      Object.assign(d.style, { width: t.size[0] + 'px', height: t.size[1] + 'px', padding: t.margin + 'px',
        gap: t.spacing + 'px', font: t.font });
      d.querySelector('.body').style.gap = t.spacing + 'px';
      d.querySelector('.plots').style.gap = t.spacing + 'px';
      d.querySelector('.plots').style.flexGrow = t.stretch[0];
      d.querySelector('.side').style.flexGrow = t.stretch[1];
      for (const canvas of canvases()) {
        canvas.parentElement.style.minWidth = t.plotMinimum[0] + 'px';
        canvas.parentElement.style.minHeight = t.plotMinimum[1] + 'px';
      }
    }
    page.showView(d);
    update();
    canvases()[0].focus();
  }

  // A picture's menu, as the desktop's: copy, PNG at each scale, SVG, and
  // the two tables.
  function openMenu(canvas, x, y) {
    const core = page.core();
    page.openMenu(JSON.parse(core.boundaryLayerMenu()), canvas, x, y, (entry) => {
      const name = canvas.id;
      if (entry.action === 'copy') page.copyCanvas(page.shapesCanvas(drawing(canvas), 1));
      else if (entry.action === 'png') page.savePng(page.shapesCanvas(drawing(canvas), entry.scale), `${name}@${entry.scale}x.png`);
      else if (entry.action === 'svg') {
        const svg = core.boundaryLayerSvg(name, Math.max(1, canvas.clientWidth), Math.max(1, canvas.clientHeight), 1, page.pngUri);
        page.download(name + '.svg', new Blob([svg], { type: 'image/svg+xml' }));
      } else if (entry.action === 'csv') {
        page.download(entry.file, new Blob([core.boundaryLayerCsv(entry.file)], { type: 'text/csv' }));
      }
    });
  }

  function build() {
    const core = page.core();
    const plots = dialog().querySelector('.plots');
    for (const plot of JSON.parse(core.boundaryLayerTexts()).plots) {
      const cell = page.make('div', null, plots, 'plot');
      const canvas = page.make('canvas', plot.name, cell);
      canvas.setAttribute('role', 'img');
      canvas.tabIndex = 0;
      canvas.addEventListener('contextmenu', (e) => { e.preventDefault(); openMenu(canvas, e.clientX, e.clientY); });
      canvas.addEventListener('keydown', (e) => {
        if (e.key === 'ContextMenu' || (e.key === 'F10' && e.shiftKey)) {
          e.preventDefault();
          openMenu(canvas);
        }
      });
    }
    const box = $('BoundaryLayerRe');
    box.addEventListener('keydown', (e) => {
      if (e.key !== 'Enter') return;
      e.preventDefault();
      applyReynolds();
    });
    // Left without Return: the value stays as it was.
    box.addEventListener('blur', () => { if (texts) box.value = texts.re; });
    $('Mn_BoundaryLayer').addEventListener('click', open);
    new ResizeObserver(draw).observe(plots);
    addEventListener('resize', draw);
    // A move to a screen of another pixel ratio: drawn again at its resolution.
    const watchRatio = () => matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`)
      .addEventListener('change', () => { draw(); watchRatio(); }, { once: true });
    watchRatio();
  }

  page.addView({
    command: 'boundary_layer', dialog, build, open, update,
    applyTexts: () => { if (dialog().open) update(); },
  });
})();
