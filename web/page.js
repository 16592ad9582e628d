// The page around the core: builds the window from the core's layout table,
// turns DOM events into the window's events, and draws the device shapes the
// core plans for each picture. Every number, text, place and colour comes
// from the core; nothing here decides what the program computes or shows.
'use strict';

(function () {
  const TWIPS_PER_POINT = 20;  // the definition of a twip
  let core = null;
  let layout = null;
  let language = 'tr';
  let translations = {};  // context -> {source: translation}
  let messagesShown = 0;
  let shownTexts = [];  // every message box the page has shown since start-up
  const bars = {};  // control name -> the scroll bar's element and settings
  // The windows beside the main one (the flow field, the readouts, the
  // boundary layer), each a non-modal dialog. A view in its own script
  // registers {command, dialog(), build(), open(), update(), applyTexts()}
  // through window.pelmoraPage.addView before the core has started: build
  // runs once at start, open on its key from the key table, update after
  // every event while it is open, applyTexts on a change of language.
  const views = [];
  const raised = [];  // open views' dialogs, the one raised last at the end
  // What the views and the lesson add to the main pictures' menus, above
  // copying and saving: each a function of the picture's name giving menu
  // entries ({text, run} or {text, entries: [...]}, see openMenu).
  const pictureEntries = [];
  let commandActs = {};  // key table command -> what the page does for it

  const $ = (id) => document.getElementById(id);

  // --- Language ----------------------------------------------------------

  function readTranslations(tsText) {
    const doc = new DOMParser().parseFromString(tsText, 'application/xml');
    const out = {};
    for (const context of doc.querySelectorAll('context')) {
      const name = context.querySelector('name').textContent;
      const table = (out[name] = {});
      for (const message of context.querySelectorAll('message')) {
        const translation = message.querySelector('translation');
        if (translation && translation.textContent) {
          table[message.querySelector('source').textContent] = translation.textContent;
        }
      }
    }
    return out;
  }

  function tr(context, text) {
    if (language !== 'en') return text;
    const table = translations[context] || {};
    return table[text] || text;
  }

  function chooseLanguage() {
    const asked = new URLSearchParams(location.search).get('lang');
    let remembered = null;
    try {
      remembered = localStorage.getItem('pelmora.lang');
    } catch (e) { /* storage may be off for file:// pages */ }
    return asked === 'en' || asked === 'tr' ? asked : remembered === 'en' ? 'en' : 'tr';
  }

  function setLanguage(lang) {
    language = lang;
    try {
      localStorage.setItem('pelmora.lang', lang);
    } catch (e) { /* as above */ }
    core.setLanguage(lang === 'en', JSON.stringify(translations));
    document.documentElement.lang = lang;
    applyTexts();
  }

  // --- Places and fonts ----------------------------------------------------

  function place(element, p) {
    const px = layout.twipsPerPixel;
    Object.assign(element.style, {
      left: p[0] / px + 'px', top: p[1] / px + 'px', width: p[2] / px + 'px', height: p[3] / px + 'px',
    });
  }

  function setFont(element, font) {
    // A point is 20 twips; the page measures in CSS pixels of 15 twips.
    element.style.fontFamily = font.family;
    element.style.fontSize = (font.points * TWIPS_PER_POINT) / layout.twipsPerPixel + 'px';
    element.style.fontStyle = font.italic ? 'italic' : 'normal';
    element.style.fontWeight = font.bold ? 'bold' : 'normal';
    element.style.textDecoration = font.underline ? 'underline' : 'none';
  }

  function make(tag, id, parent, cls) {
    const element = document.createElement(tag);
    if (id) element.id = id;
    if (cls) element.className = cls;
    parent.appendChild(element);
    return element;
  }

  // --- The window --------------------------------------------------------

  function buildWindow() {
    const form = $('Form1');
    place(form, [0, 0, layout.client[0], layout.client[1]]);
    setFont(form, layout.faces.dialog);

    const frames = {};
    for (const f of layout.frames) {
      const frame = make('fieldset', f.name, form, 'frame');
      place(frame, f.place);
      frame.dataset.caption = f.caption;
      if (f.caption) make('legend', null, frame).dataset.text = f.caption;
      frames[f.name] = frame;
    }
    for (const row of layout.rows) {
      const label = make('label', row.label, frames.Frame1, 'label');
      place(label, row.labelPlace);
      setFont(label, layout.faces[row.face]);
      label.dataset.text = row.text;
      label.htmlFor = row.box;
      const box = make('input', row.box, frames.Frame1, 'box');
      place(box, row.boxPlace);
      makeBar(row.bar, frames.Frame1, row.barPlace);
    }
    for (const item of layout.frameItems) {
      const frame = frames[item.frame];
      if (item.isBox) {
        place(make('input', item.name, frame, 'box'), item.place);
      } else {
        const label = make('label', item.name, frame, 'label');
        place(label, item.place);
        label.dataset.text = item.text;
      }
    }
    for (const s of layout.surfaces) makePicture(s);
    for (const a of layout.annotations) {
      const label = make('span', a.name, $(a.surface), 'annotation');
      place(label, a.place);
      setFont(label, layout.faces[a.face]);
      label.style.color = layout.annotationColour;
      label.style.background = layout.surfaces.find((s) => s.name === a.surface).back;
      label.dataset.text = a.text;
      label.setAttribute('aria-hidden', 'true');
    }
    layout.tabOrder.forEach((name, k) => { $(name).tabIndex = k + 1; });

    for (const box of form.querySelectorAll('input.box')) {
      box.type = 'text';
      box.spellcheck = false;
      box.addEventListener('input', () => core.setText(box.id, box.value));
    }
    $('Text_Moo').addEventListener('keydown', (e) => {
      if (e.key === 'Enter') {
        e.preventDefault();
        run(() => core.mooReturn());
      }
    });

    const about = $('Mn_About');
    // Its first letter with Alt opens it, as the desktop menu's mnemonic does.
    const mnemonic = layout.menu.text.charAt(0).toUpperCase();
    about.setAttribute('aria-keyshortcuts', 'Alt+' + mnemonic);
    document.addEventListener('keydown', (e) => {
      if (e.altKey && !e.ctrlKey && !e.metaKey && e.key.toUpperCase() === mnemonic && !$('Form_About').open) {
        e.preventDefault();
        openAbout();
      }
    });
    about.addEventListener('click', openAbout);
    $('Mn_Language').addEventListener('change', (e) => setLanguage(e.target.value));
    $('Mn_Catalogue').addEventListener('change', async (e) => {
      const file = e.target.files[0];
      if (file) openCatalogue(new Uint8Array(await file.arrayBuffer()));
      e.target.value = '';
    });
  }

  // Starts the window again from a teacher's own catalogue (its bytes), or
  // from the built-in one (null): start-up reads it with the same reader and
  // shows the same messages about it.
  function openCatalogue(bytes) {
    if (bytes === null || bytes === undefined) {
      core.restart('');
    } else {
      core.FS.mkdirTree('/user');
      core.FS.writeFile('/user/KATPE-D20G15.txt', bytes);
      core.restart('/user/KATPE-D20G15.txt');
    }
    messagesShown = 0;
    shownTexts = [];
    refresh();
  }

  // A scroll bar: arrows step by the small change, a press in the track by
  // the large change toward the press, the thumb drags; keys as on the
  // desktop. Its Change event runs when the value settles at a new place.
  function makeBar(name, parent, where) {
    const s = layout.bars.find((b) => b.control === name);
    const bar = make('div', name, parent, 'scrollbar');
    place(bar, where);
    bar.setAttribute('role', 'scrollbar');
    bar.setAttribute('aria-orientation', 'horizontal');
    bar.setAttribute('aria-valuemin', s.min);
    bar.setAttribute('aria-valuemax', s.max);
    bar.setAttribute('aria-controls', name.replace('HScroll_', 'Text_'));
    const less = make('span', null, bar, 'arrow less');
    const track = make('span', null, bar, 'track');
    const thumb = make('span', null, track, 'thumb');
    const more = make('span', null, bar, 'arrow more');
    bars[name] = { element: bar, settings: s, thumb, track, value: s.value };

    const to = (value) => run(() => core.scroll(name, value));
    const current = () => bars[name].value;
    less.addEventListener('pointerdown', (e) => { e.preventDefault(); bar.focus(); to(current() - s.small); });
    more.addEventListener('pointerdown', (e) => { e.preventDefault(); bar.focus(); to(current() + s.small); });
    track.addEventListener('pointerdown', (e) => {
      e.preventDefault();
      bar.focus();
      if (e.target === thumb) return dragThumb(name, e);
      const thumbBox = thumb.getBoundingClientRect();
      to(current() + (e.clientX < thumbBox.left ? -s.large : s.large));
    });
    bar.addEventListener('keydown', (e) => {
      const step = { ArrowRight: s.small, ArrowDown: s.small, ArrowLeft: -s.small, ArrowUp: -s.small,
        PageDown: s.large, PageUp: -s.large }[e.key];
      if (step !== undefined) to(current() + step);
      else if (e.key === 'Home') to(s.min);
      else if (e.key === 'End') to(s.max);
      else return;
      e.preventDefault();
    });
  }

  function dragThumb(name, down) {
    const b = bars[name];
    const s = b.settings;
    const trackBox = b.track.getBoundingClientRect();
    const span = trackBox.width - b.thumb.offsetWidth;
    const start = b.value;
    let value = start;
    const move = (e) => {
      const delta = span > 0 ? ((e.clientX - down.clientX) / span) * (s.max - s.min) : 0;
      value = Math.min(s.max, Math.max(s.min, Math.round(start + delta)));
      showBar(name, value);
    };
    const up = () => {
      removeEventListener('pointermove', move);
      removeEventListener('pointerup', up);
      removeEventListener('pointercancel', up);
      run(() => core.scroll(name, value));
    };
    addEventListener('pointermove', move);
    addEventListener('pointerup', up);
    addEventListener('pointercancel', up);
  }

  function showBar(name, value) {
    const b = bars[name];
    const s = b.settings;
    b.value = value;
    b.element.setAttribute('aria-valuenow', value);
    const fraction = s.max > s.min ? (value - s.min) / (s.max - s.min) : 0;
    b.thumb.style.left = `calc((100% - var(--thumb)) * ${fraction})`;
  }

  function makePicture(s) {
    const picture = make('div', s.name, $('Form1'), 'picture');
    place(picture, s.place);
    picture.style.background = s.back;
    picture.setAttribute('role', 'img');
    const canvas = make('canvas', null, picture);
    canvas.style.width = s.pixels[0] + 'px';
    canvas.style.height = s.pixels[1] + 'px';
    picture.addEventListener('click', () => { picture.focus(); run(() => core.click(s.name)); });
    picture.addEventListener('keydown', (e) => {
      if ((e.key === ' ' || e.key === 'Enter') && !e.ctrlKey && !e.altKey && !e.metaKey) {
        e.preventDefault();
        run(() => core.click(s.name));
      } else if (e.key === 'ContextMenu' || (e.key === 'F10' && e.shiftKey)) {
        e.preventDefault();
        openExports(s.name);
      }
    });
    picture.addEventListener('contextmenu', (e) => { e.preventDefault(); openExports(s.name, e.clientX, e.clientY); });
    // The tooltip starts with the value under the pointer, in the picture's
    // own axes.
    picture.addEventListener('pointermove', (e) => {
      const box = picture.getBoundingClientRect();
      const value = core.valueAt(s.name, (e.clientX - box.left) * picture.offsetWidth / box.width,
        (e.clientY - box.top) * picture.offsetHeight / box.height);
      const tip = picture.dataset.tooltip || '';
      picture.title = value ? value + '\n' + tip : tip;
    });
  }

  // --- Drawing -------------------------------------------------------------

  const FILL = 0, LINE = 1, DOT = 2, RING = 3;

  function drawPlan(context, plan) {
    context.save();
    context.beginPath();
    context.rect(0, 0, plan.width, plan.height);
    context.clip();
    // A dashed curve (a pinned reference, the sonic line) is one path, so
    // that its dashes run evenly along it instead of restarting at every
    // segment.
    let run = null;
    const flush = () => {
      if (!run) return;
      context.stroke();
      context.setLineDash([]);
      run = null;
    };
    for (const [kind, x1, y1, x2, y2, pen, colour, dashes = []] of plan.shapes) {
      if (kind === LINE && dashes.length) {
        const key = `${colour} ${pen} ${dashes.join(' ')}`;
        if (!run || run.key !== key || run.x !== x1 || run.y !== y1) {
          flush();
          context.strokeStyle = colour;
          context.lineWidth = pen;
          context.lineCap = 'butt';
          context.setLineDash(dashes);
          context.beginPath();
          context.moveTo(x1, y1);
          run = { key };
        }
        context.lineTo(x2, y2);
        run.x = x2;
        run.y = y2;
        continue;
      }
      flush();
      context.fillStyle = context.strokeStyle = colour;
      context.lineWidth = pen;
      if (kind === FILL) {
        context.fillRect(0, 0, plan.width, plan.height);
      } else if (kind === DOT) {
        context.fillRect(x1, y1, pen, pen);
      } else if (kind === LINE) {
        context.lineCap = 'square';
        context.beginPath();
        context.moveTo(x1, y1);
        context.lineTo(x2, y2);
        context.stroke();
      } else if (kind === RING) {
        context.setLineDash(dashes);
        context.beginPath();
        context.arc(x1, y1, x2, 0, 2 * Math.PI);
        context.stroke();
        context.setLineDash([]);
      }
    }
    flush();
    context.restore();
  }

  // The labels on a picture, as the page shows them, for an exported image.
  function drawLabels(context, name, scale) {
    context.save();
    context.scale(scale, scale);
    for (const label of $(name).querySelectorAll('.annotation')) {
      const x = label.offsetLeft, y = label.offsetTop, w = label.offsetWidth, h = label.offsetHeight;
      const style = getComputedStyle(label);
      context.fillStyle = style.backgroundColor;
      context.fillRect(x, y, w, h);
      context.save();
      context.beginPath();
      context.rect(x, y, w, h);
      context.clip();
      context.fillStyle = style.color;
      context.font = `${style.fontStyle} ${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
      context.textBaseline = 'middle';
      context.fillText(label.textContent, x, y + h / 2);
      context.restore();
    }
    context.restore();
  }

  function drawPicture(name) {
    const ratio = window.devicePixelRatio || 1;
    const plan = JSON.parse(core.plan(name, ratio, false));
    const canvas = $(name).querySelector('canvas');
    if (canvas.width !== plan.width) canvas.width = plan.width;
    if (canvas.height !== plan.height) canvas.height = plan.height;
    drawPlan(canvas.getContext('2d'), plan);
  }

  function drawAll() {
    for (const s of layout.surfaces) drawPicture(s.name);
  }

  // The lesson's notes on the pictures, placed by the core for the size the
  // page gives their text; they look, and export, like the designed labels.
  function showNotes() {
    for (const s of layout.surfaces) {
      const picture = $(s.name);
      for (const old of picture.querySelectorAll('.note')) old.remove();
      const made = [];
      const measured = (text) => {
        const note = make('span', null, picture, 'annotation note');
        setFont(note, layout.faces.tick);
        Object.assign(note.style, { color: layout.annotationColour, background: s.back, width: 'auto', height: 'auto' });
        note.setAttribute('aria-hidden', 'true');
        note.textContent = text;
        made.push(note);
        return [note.offsetWidth, note.offsetHeight];
      };
      JSON.parse(core.notes(s.name, measured)).forEach((n, k) => {
        Object.assign(made[k].style, { left: n.left + 'px', top: n.top + 'px' });
      });
    }
  }

  // --- Events --------------------------------------------------------------

  // Runs one window event in the core, then shows what it left: the
  // controls, the pictures, and any message boxes it raised.
  function run(event) {
    event();
    refresh();
  }

  // Names, descriptions and tooltips of the controls and pictures, the
  // pictures' with the numbers of the case they were drawn with.
  function applyControlTexts() {
    for (const [id, t] of Object.entries(JSON.parse(core.controlTexts()))) {
      const element = $(id);
      if (!element) continue;
      element.setAttribute('aria-label', t.name);
      element.setAttribute('aria-description', t.description);
      element.title = t.tooltip;
      element.dataset.tooltip = t.tooltip;
    }
  }

  function openHelp() {
    const dialog = $('Form_Help');
    dialog.querySelector('.help-text').innerHTML = core.help();
    if (!dialog.open) dialog.showModal();
  }

  function refresh() {
    const controls = JSON.parse(core.controls());
    for (const [name, value] of Object.entries(controls)) {
      if (bars[name]) showBar(name, value);
      else if ($(name) && $(name).value !== value) $(name).value = value;
    }
    drawAll();
    showNotes();
    applyControlTexts();
    updateFlow();
    for (const v of views) if (v.dialog().open && v.update) v.update();
    fillHandout();
    showMessages();
  }

  // The handout's lines, kept as drawn so that the browser's print (and its
  // "save as PDF") always has them: the section and its coefficients beside
  // the pictures, the readouts and the pinned cases' legend below.
  function fillHandout() {
    const h = JSON.parse(core.handout());
    const fill = (where, texts, heading = () => false) => {
      $('Handout').querySelector(where).replaceChildren(...texts.map((text, k) => {
        const line = document.createElement('div');
        line.textContent = text;
        if (heading(k)) line.className = 'heading';
        return line;
      }));
    };
    fill('.lines', h.lines.map((l) => l.text), (k) => h.lines[k].heading);
    fill('.readouts', h.readouts);
    fill('.legend', h.legend);
  }

  function showMessages() {
    const all = JSON.parse(core.messages());
    const dialog = $('MessageBox');
    const queue = all.slice(messagesShown);
    messagesShown = all.length;
    shownTexts = shownTexts.concat(queue);
    const next = () => {
      if (queue.length === 0 || dialog.open) return;
      dialog.querySelector('p').textContent = queue.shift();
      dialog.showModal();
    };
    dialog.onclose = next;
    next();
  }

  function openAbout() {
    const dialog = $('Form_About');
    dialog.showModal();
  }

  function buildAbout() {
    const a = layout.about;
    const dialog = $('Form_About');
    const body = dialog.querySelector('.about');
    place(body, [0, 0, a.size[0], a.size[1]]);
    body.style.background = a.back;
    for (const l of a.labels) {
      const label = make('div', 'About_' + l.name, body, 'label' + (l.centredWrapped ? ' centred' : ''));
      place(label, l.place);
      setFont(label, l.font);
      label.style.color = l.colour;
      label.textContent = l.text;
    }
  }

  // --- The flow field (F2) ------------------------------------------------

  // The page's fonts as the core measures them for the flow pictures.
  const measure = (() => {
    const context = document.createElement('canvas').getContext('2d');
    const metrics = (font, text) => {
      context.font = font;
      return context.measureText(text);
    };
    return {
      advance: (font, text) => metrics(font, text).width,
      ascent: (font) => metrics(font, 'Hg').fontBoundingBoxAscent,
      descent: (font) => metrics(font, 'Hg').fontBoundingBoxDescent,
      height: (font) => {
        const m = metrics(font, 'Hg');
        return m.fontBoundingBoxAscent + m.fontBoundingBoxDescent;
      },
    };
  })();

  const flowPlanes = { airfoil: 'FlowAirfoil', circle: 'FlowCircle' };
  let pointer = null;  // [plane, x, y] of the mouse, [plane] of the keyboard's probe, or null

  // A drawing the core wrote (JSON), its shapes' points and its images'
  // pixels, which cross as numbers rather than text, taken along at once,
  // before the core writes another.
  function readDrawing(text) {
    const drawing = JSON.parse(text);
    if (!drawing) return drawing;
    const numbers = core.drawingNumbers().slice();
    for (const s of drawing.shapes) if (s.points) s.points = numbers.subarray(s.points[0], s.points[0] + s.points[1]);
    drawing.images.forEach((image, k) => { image.argb = core.drawingPixels(k).slice(); });
    return drawing;
  }

  function argbImage(image) {
    const canvas = document.createElement('canvas');
    canvas.width = image.width;
    canvas.height = image.height;
    const context = canvas.getContext('2d');
    const data = context.createImageData(image.width, image.height);
    const bytes = data.data;
    const argb = image.argb;
    for (let k = 0, i = 0; k < argb.length; ++k, i += 4) {
      const p = argb[k];
      bytes[i] = (p >>> 16) & 255;
      bytes[i + 1] = (p >>> 8) & 255;
      bytes[i + 2] = p & 255;
      bytes[i + 3] = p >>> 24;
    }
    context.putImageData(data, 0, 0);
    return canvas;
  }

  function wrappedLines(context, text, width) {
    const lines = [];
    let line = '';
    for (const word of text.split(' ')) {
      const tried = line ? line + ' ' + word : word;
      if (line && context.measureText(tried).width > width) {
        lines.push(line);
        line = word;
      } else {
        line = tried;
      }
    }
    return line ? lines.concat(line) : lines;
  }

  // Draws a flow drawing of the core: plain shapes and texts in logical
  // pixels, at `scale` device pixels each.
  function drawShapes(context, drawing, scale) {
    const images = drawing.images.map(argbImage);
    context.save();
    context.scale(scale, scale);
    for (const s of drawing.shapes) {
      const [x, y, w, h] = s.rect;
      const p = s.points || [];
      context.lineWidth = s.width;
      context.strokeStyle = s.pen || 'transparent';
      context.fillStyle = s.fill || 'transparent';
      context.lineCap = s.round ? 'round' : 'square';
      context.lineJoin = s.round ? 'round' : 'bevel';
      const path = (close) => {
        context.beginPath();
        for (let k = 0; k < p.length; k += 2) context[k ? 'lineTo' : 'moveTo'](p[k], p[k + 1]);
        if (close) context.closePath();
      };
      const stroke = () => { if (s.pen && s.width > 0) context.stroke(); };
      switch (s.kind) {
        case 'fill': context.fillRect(x, y, w, h); break;
        case 'text':
        case 'wrapped':
        case 'baseline': {
          context.font = s.font;
          context.fillStyle = s.pen;
          if (s.kind === 'baseline') {
            context.textBaseline = 'alphabetic';
            context.textAlign = 'left';
            context.fillText(s.text, p[0], p[1]);
          } else if (s.kind === 'text') {
            context.textBaseline = 'middle';
            context.textAlign = 'left';
            context.fillText(s.text, x, y + h / 2);
          } else {
            context.textBaseline = 'middle';
            context.textAlign = 'center';
            const lines = wrappedLines(context, s.text, w);
            const step = measure.height(s.font);
            lines.forEach((line, k) => context.fillText(line, x + w / 2, y + h / 2 + (k - (lines.length - 1) / 2) * step));
          }
          break;
        }
        case 'image':
          context.imageSmoothingEnabled = true;
          context.drawImage(images[s.image], x, y, w, h);
          break;
        case 'polyline': path(false); stroke(); break;
        case 'polygon': path(true); if (s.fill) context.fill(); stroke(); break;
        case 'ellipse':
          context.beginPath();
          context.ellipse(p[0], p[1], w, h, 0, 0, 2 * Math.PI);
          if (s.fill) context.fill();
          stroke();
          break;
        case 'frame': context.beginPath(); context.rect(x, y, w, h); stroke(); break;
        case 'line': path(false); stroke(); break;
        case 'clip': context.save(); context.beginPath(); context.rect(x, y, w, h); context.clip(); break;
        case 'unclip': context.restore(); break;
      }
    }
    context.restore();
  }

  function drawFlow() {
    const ratio = window.devicePixelRatio || 1;
    for (const [plane, id] of Object.entries(flowPlanes)) {
      const drawing = readDrawing(core.flowDrawing(plane, true));
      if (!drawing) continue;
      const canvas = $(id);
      canvas.width = Math.round(drawing.width * ratio);
      canvas.height = Math.round(drawing.height * ratio);
      drawShapes(canvas.getContext('2d'), drawing, ratio);
    }
  }

  function flowOpen() {
    return $('Form_Flow').open;
  }

  // The flow of the state as it is now, at the pictures' present size.
  function updateFlow() {
    if (!flowOpen()) return;
    const canvas = $('FlowAirfoil');
    core.flowOpen(Math.max(1, canvas.clientWidth), Math.max(1, canvas.clientHeight), 1, measure);
    const texts = JSON.parse(core.flowTexts());
    $('FlowTitle').textContent = texts.title;
    $('FlowReadout').setAttribute('aria-label', texts.readout);
    for (const [plane, id] of Object.entries(flowPlanes)) {
      $(id).setAttribute('aria-label', texts.planes[plane].name);
      $(id).setAttribute('aria-description', texts.planes[plane].description);
      $(id).title = texts.planes[plane].description;
    }
    showPointer();
  }

  function showPointer() {
    // The keyboard's probe stays where it is in the plane when the pictures
    // are built again (a step of nothing); the mouse reads where it is.
    $('FlowReadout').textContent = !pointer ? core.flowPointer('', 0, 0)
      : pointer.length === 1 ? core.flowProbe(pointer[0], 0, 0, false) : core.flowPointer(...pointer);
    drawFlow();
  }

  function openFlowView() {
    const dialog = $('Form_Flow');
    if (!dialog.open) {
      const f = layout.flow;
      Object.assign(dialog.style, {
        width: f.size[0] + 'px', height: f.size[1] + 'px', minWidth: f.minimum[0] + 'px',
        minHeight: f.minimum[1] + 'px', padding: f.margin + 'px', gap: f.spacing + 'px',
      });
      dialog.querySelector('.planes').style.gap = f.spacing + 'px';
    }
    showView(dialog);
    updateFlow();
    $('FlowAirfoil').focus();
  }

  function buildFlow() {
    const dialog = $('Form_Flow');
    $('Mn_Flow').addEventListener('click', openFlowView);
    for (const [plane, id] of Object.entries(flowPlanes)) {
      const canvas = $(id);
      canvas.addEventListener('pointermove', (e) => {
        const box = canvas.getBoundingClientRect();
        pointer = [plane, e.clientX - box.left, e.clientY - box.top];
        showPointer();
      });
      canvas.addEventListener('pointerleave', () => {
        pointer = null;
        showPointer();
      });
    }
    new ResizeObserver(() => updateFlow()).observe($('FlowAirfoil'));
    // Each plane's picture menu, as the desktop flow window has it.
    for (const [plane, id] of Object.entries(flowPlanes)) {
      const canvas = $(id);
      const open = (x, y) => openMenu(JSON.parse(core.flowMenu()), canvas, x, y, (entry) => {
        const file = core.flowFile(plane);
        const drawing = () => readDrawing(core.flowDrawing(plane, false));
        if (entry.action === 'copy') copyCanvas(shapesCanvas(drawing(), 1));
        else if (entry.action === 'png') savePng(shapesCanvas(drawing(), entry.scale), `${file}@${entry.scale}x.png`);
        else if (entry.action === 'svg') download(file + '.svg', new Blob([core.flowSvg(plane, pngUri)], { type: 'image/svg+xml' }));
      });
      canvas.addEventListener('contextmenu', (e) => { e.preventDefault(); open(e.clientX, e.clientY); });
      canvas.addEventListener('keydown', (e) => {
        if (e.key === 'ContextMenu' || (e.key === 'F10' && e.shiftKey)) {
          e.preventDefault();
          open();
        }
      });
    }
    // The arrow keys move a probe point over the focused plane, as the mouse
    // does; with Shift in finer steps.
    for (const [plane, id] of Object.entries(flowPlanes)) {
      $(id).addEventListener('keydown', (e) => {
        const step = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] }[e.key];
        if (!step || e.ctrlKey || e.altKey || e.metaKey) return;
        e.preventDefault();
        $('FlowReadout').textContent = core.flowProbe(plane, step[0], step[1], e.shiftKey);
        pointer = [plane];
        drawFlow();
      });
    }
  }

  // --- Keys ----------------------------------------------------------------

  // The core's key table binds the page's keys: each entry's portable
  // shortcut ("Ctrl+Shift+K", alternatives joined by "; ") becomes a test on
  // keyboard events, and the commands the page has run on a match.
  function readShortcut(text) {
    const plus = text.endsWith('++');
    const parts = (plus ? text.slice(0, -2) : text).split('+');
    const key = plus ? '+' : parts.pop();
    const has = (m) => parts.includes(m);
    const named = { Esc: 'Escape', Del: 'Delete', Ins: 'Insert', PgUp: 'PageUp', PgDown: 'PageDown' };
    return { key: named[key] || key, ctrl: has('Ctrl'), shift: has('Shift'), alt: has('Alt') };
  }

  function matches(keys, e) {
    if (e.ctrlKey !== keys.ctrl || e.altKey !== keys.alt || e.metaKey) return false;
    if (e.key.length === 1 && keys.key.length === 1) {
      // A printable key: Shift chooses the character, so only a letter's
      // Shift is the shortcut's own.
      const letter = keys.key.toUpperCase() !== keys.key.toLowerCase();
      return e.key.toUpperCase() === keys.key.toUpperCase() && (!letter || e.shiftKey === keys.shift);
    }
    return e.key === keys.key && e.shiftKey === keys.shift;
  }

  // Modal dialogs close on Escape by themselves (so their key is left to
  // the browser); the views, which are not modal, close here, the one raised
  // last first.
  function closeTopWindow() {
    if (document.querySelector('dialog:modal')) return false;
    const top = raised.filter((d) => d.open).pop();
    if (!top) return false;
    top.close();
    return true;
  }

  // Shows a view's dialog (non-modal) and keeps it the one raised last.
  // The first time, a view opens beside the main window where the screen
  // has room, so that the bars stay in reach while it follows them; its title
  // bar moves it, and a press on it brings it to the front.
  function showView(dialog) {
    if (!dialog.open) {
      dialog.show();
      if (!dialog.dataset.placed) {
        dialog.dataset.placed = 'true';
        placeBeside(dialog);
        makeMovable(dialog);
      }
    }
    dialog.style.zIndex = String(++topLayer);
    const at = raised.indexOf(dialog);
    if (at >= 0) raised.splice(at, 1);
    raised.push(dialog);
  }

  let topLayer = 10;
  let besideCount = 0;

  function placeBeside(dialog) {
    const main = document.querySelector('.window').getBoundingClientRect();
    const left = main.right + 8;
    if (innerWidth - left - 8 < Math.min(dialog.offsetWidth, 360)) return;
    const top = 8 + 28 * besideCount++;
    Object.assign(dialog.style, { left: left + 'px', top: top + 'px', right: 'auto', bottom: 'auto' });
  }

  function makeMovable(dialog) {
    dialog.addEventListener('pointerdown', () => { if (dialog.open) dialog.style.zIndex = String(++topLayer); });
    const title = dialog.querySelector('.title');
    if (!title) return;
    title.style.touchAction = 'none';
    title.addEventListener('pointerdown', (down) => {
      down.preventDefault();
      const box = dialog.getBoundingClientRect();
      const move = (e) => {
        const left = Math.min(Math.max(0, box.left + e.clientX - down.clientX), innerWidth - 40);
        const top = Math.min(Math.max(0, box.top + e.clientY - down.clientY), innerHeight - 20);
        Object.assign(dialog.style, { left: left + 'px', top: top + 'px', right: 'auto', bottom: 'auto' });
      };
      const up = () => {
        removeEventListener('pointermove', move);
        removeEventListener('pointerup', up);
        removeEventListener('pointercancel', up);
      };
      addEventListener('pointermove', move);
      addEventListener('pointerup', up);
      addEventListener('pointercancel', up);
    });
  }

  function bindKeys() {
    const act = (action) => () => run(() => core.act(action));
    // The browser's print prints the window with the handout below it (the
    // print stylesheet), and its "save as PDF" saves that page: both the
    // window's print and the handout's PDF go there.
    const print = () => { window.print(); };
    commandActs = {
      help: openHelp, flow: openFlowView, close_window: closeTopWindow, pin: act('pin'), unpin_all: act('unpin'),
      print_window: print, save_handout: print,
    };
    for (const v of views) commandActs[v.command] = v.open;
    const bound = [];
    for (const entry of JSON.parse(core.keys())) {
      const act = commandActs[entry.command];
      if (!entry.shortcut) continue;
      if (entry.name && $(entry.name)) $(entry.name).setAttribute('aria-keyshortcuts', entry.shortcut.replaceAll('; ', ' '));
      if (!act) continue;
      for (const text of entry.shortcut.split('; ')) bound.push({ keys: readShortcut(text), act });
    }
    document.addEventListener('keydown', (e) => {
      const hit = bound.find((b) => matches(b.keys, e));
      if (hit && hit.act() !== false) e.preventDefault();
    });
  }

  // --- Exports -------------------------------------------------------------

  function download(name, blob) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }

  // The picture with its labels at `scale` times its size on a 96 dpi screen;
  // a saved one (`saved`) with the pinned references' legend below it.
  function pictureCanvas(name, scale, saved = false) {
    const plan = JSON.parse(core.plan(name, scale, false));
    const strip = saved ? JSON.parse(core.legendStrip(name)) : { height: 0, lines: [] };
    const canvas = document.createElement('canvas');
    canvas.width = plan.width;
    canvas.height = plan.height + Math.round(strip.height * scale);
    const context = canvas.getContext('2d');
    drawPlan(context, plan);
    drawLabels(context, name, scale);
    context.save();
    context.scale(scale, scale);
    context.fillStyle = $(name).style.background;
    context.fillRect(0, plan.height / scale, plan.width / scale, strip.height);
    context.fillStyle = '#000';
    context.font = strip.font || '';
    context.textBaseline = 'middle';
    for (const l of strip.lines) context.fillText(l.text, l.left, l.top + l.height / 2, l.width);
    context.restore();
    return canvas;
  }

  // A drawing of shapes (a flow plane, a chart) on a canvas of its own, at
  // `scale` times its size on a 96 dpi screen.
  function shapesCanvas(drawing, scale) {
    const canvas = document.createElement('canvas');
    canvas.width = Math.round(drawing.width * scale);
    canvas.height = Math.round(drawing.height * scale);
    drawShapes(canvas.getContext('2d'), drawing, scale);
    return canvas;
  }

  function savePng(canvas, file) {
    return new Promise((resolve) => canvas.toBlob((blob) => {
      download(file, blob);
      resolve(blob);
    }, 'image/png'));
  }

  // An image of the core (0xAARRGGBB pixels) as a PNG data URI, for the
  // images inside an SVG file.
  function pngUri(width, height, argb) {
    return argbImage({ width, height, argb }).toDataURL('image/png');
  }

  function copyCanvas(canvas) {
    const blob = new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
    return navigator.clipboard.write([new ClipboardItem({ 'image/png': blob })]).catch(() => {});
  }

  function exportPng(name, scale) {
    return savePng(pictureCanvas(name, scale, true), `${name}@${scale}x.png`);
  }

  function exportSvg(name) {
    const notes = [...$(name).querySelectorAll('.note')].map((n) => ({
      text: n.textContent, left: n.offsetLeft, top: n.offsetTop, width: n.offsetWidth, height: n.offsetHeight }));
    const blob = new Blob([core.svg(name, 1, JSON.stringify(notes))], { type: 'image/svg+xml' });
    download(name + '.svg', blob);
    return blob;
  }

  function exportCsv(table) {
    const file = layout.tables.find((t) => t.file === table || t.file === table + '.csv').file;
    const blob = new Blob([core.csv(file)], { type: 'text/csv' });
    download(file, blob);
    return blob;
  }

  // The picture's right-click menu, its entries and texts from the core,
  // opened at the pointer (or at the picture's corner from the keyboard).
  function openExports(name, x, y) {
    // The windows the picture opens lead, then the lesson's entries, saving,
    // and printing, in the desktop menu's order.
    const added = pictureEntries.flatMap((entries) => entries(name));
    const menu = JSON.parse(core.pictureMenu(name));
    openMenu(menu.filter((e) => e.lead).concat(added, menu.filter((e) => !e.lead)), $(name), x, y, (entry) => {
      if (entry.run) entry.run();
      else if (entry.action === 'command') commandActs[entry.command]();
      else if (entry.action === 'copy') copyPicture(name);
      else if (entry.action === 'png') exportPng(name, entry.scale);
      else if (entry.action === 'svg') exportSvg(name);
      else if (entry.action === 'csv') exportCsv(entry.file);
    });
  }

  // A picture menu of `entries` ({action, text, ...}) beside `anchor`, at
  // (x, y) when opened by the pointer; `choose(entry)` does the chosen one.
  // An entry with `entries` is a submenu, shown as a named group of its
  // entries; one marked `disabled` is shown but cannot be chosen. Copying is
  // offered where the browser lets a page write images to the clipboard.
  function openMenu(entries, anchor, x, y, choose) {
    const dialog = $('Exports');
    const items = dialog.querySelector('.items');
    if (dialog.open) dialog.close();
    items.replaceChildren();
    const canCopy = !!(navigator.clipboard && navigator.clipboard.write && window.ClipboardItem);
    const add = (entry, parent) => {
      if (entry.action === 'copy' && !canCopy) return;
      if (entry.entries) {
        const group = make('div', null, parent, 'group');
        group.setAttribute('role', 'group');
        group.setAttribute('aria-label', entry.text);
        make('div', null, group, 'heading').textContent = entry.text;
        for (const inner of entry.entries) add(inner, group);
        return;
      }
      const button = make('button', null, parent);
      button.type = 'button';
      button.setAttribute('role', 'menuitem');
      button.textContent = entry.text;
      button.disabled = !!entry.disabled;
      button.addEventListener('click', () => {
        dialog.close();
        choose(entry);
      });
    };
    for (const entry of entries) add(entry, items);
    if (x === undefined) {
      const box = anchor.getBoundingClientRect();
      [x, y] = [box.left, box.top];
    }
    dialog.showModal();
    // Kept inside the window, as a menu opened near an edge is.
    const left = Math.max(0, Math.min(x, innerWidth - dialog.offsetWidth));
    const top = Math.max(0, Math.min(y, innerHeight - dialog.offsetHeight));
    Object.assign(dialog.style, { left: left + 'px', top: top + 'px' });
    items.querySelector('button:not(:disabled)').focus();
  }

  function copyPicture(name) {
    return copyCanvas(pictureCanvas(name, 1));
  }

  function buildExports() {
    const dialog = $('Exports');
    dialog.setAttribute('role', 'menu');
    // Up and Down walk the entries, round at the ends, as in a menu.
    dialog.addEventListener('keydown', (e) => {
      const step = { ArrowDown: 1, ArrowUp: -1 }[e.key];
      if (!step) return;
      e.preventDefault();
      const all = [...dialog.querySelectorAll('button:not(:disabled)')];
      const at = all.indexOf(document.activeElement);
      all[(at + step + all.length) % all.length].focus();
    });
    // A press outside the menu closes it.
    dialog.addEventListener('click', (e) => { if (e.target === dialog) dialog.close(); });
  }

  // --- Texts ---------------------------------------------------------------

  function applyTexts() {
    document.title = tr('Form1', layout.caption);
    $('Caption').textContent = document.title;
    for (const element of document.querySelectorAll('[data-text]')) {
      element.textContent = tr(element.dataset.context || 'Form1', element.dataset.text);
    }
    $('Mn_About').textContent = tr('Form1', layout.menu.text);
    $('Mn_Flow').textContent = JSON.parse(core.flowTexts()).menu;
    // A view's menu entry beside the flow field's carries its key table text.
    for (const entry of JSON.parse(core.keys())) {
      if (entry.text && entry.name && entry.name !== 'Mn_Flow' && $(entry.name)) $(entry.name).textContent = entry.text;
    }
    updateFlow();
    for (const v of views) if (v.applyTexts) v.applyTexts();
    $('Form_About').setAttribute('aria-label', tr('Form1', layout.about.caption));
    $('Form_About').querySelector('.title').textContent = tr('Form1', layout.about.caption);
    $('MessageBox').querySelector('.title').textContent = layout.messageCaption;
    $('Mn_Language').value = language;
    applyControlTexts();
    fillHandout();
    if ($('Form_Help').open) openHelp();
    // Message boxes already raised keep their text; new ones follow the choice.
  }

  // --- Start ---------------------------------------------------------------

  function start(module) {
    core = module;
    layout = JSON.parse(core.layout());
    translations = readTranslations(core.translations());
    buildWindow();
    // A phone or tablet narrower than the window shows all of it at first,
    // scaled to its width (and zooms in by pinching); a wider screen shows it
    // at its designed size. The canvases keep drawing at the device's
    // resolution, so the scaled window stays crisp.
    const window_ = document.querySelector('.window');
    const width = window_.offsetWidth + 2 * window_.offsetLeft;
    if (screen.width < width) {
      document.querySelector('meta[name=viewport]').content = `width=${width}, initial-scale=${screen.width / width}`;
    }
    buildAbout();
    buildExports();
    buildFlow();
    for (const v of views) v.build();
    bindKeys();
    setLanguage(chooseLanguage());
    refresh();
    addEventListener('resize', drawAll);
    // A move to a screen of another pixel ratio, or a browser zoom, changes
    // devicePixelRatio: the canvases are drawn again at the new resolution.
    const watchRatio = () => {
      matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
        drawAll();
        watchRatio();
      }, { once: true });
    };
    watchRatio();

    window.pelmora = {
      act(action) {
        const error = core.act(String(action));
        if (error) throw new Error(error);
        refresh();
      },
      report: () => JSON.parse(core.report()),
      openCatalogue,
      shownMessages: () => shownTexts.slice(),
      layout: () => layout,
      plan: (name, scale, exact = false) => core.plan(name, scale, exact),
      exportPng, exportSvg, exportCsv,
      setLanguage,
      flowPointer: (plane, x, y) => { pointer = plane ? [plane, x, y] : null; showPointer(); return $('FlowReadout').textContent; },
    };
    document.body.dataset.ready = 'true';
  }

  // What a view in its own script may use of the page.
  window.pelmoraPage = {
    addView: (view) => views.push(view),
    addPictureEntries: (entries) => pictureEntries.push(entries),
    core: () => core,
    layout: () => layout,
    language: () => language,
    tr, make, place, setFont, measure, drawShapes, download, run, refresh, showView, openMenu,
    shapesCanvas, savePng, copyCanvas, pngUri, readDrawing,
  };

  PelmoraCore().then(start);
})();
