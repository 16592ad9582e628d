// The lesson's ways to a case in the page, through the core as on the
// desktop: the number boxes beside the bars take a typed value on Return,
// and every picture's menu offers the presets, pinning and unpinning.
'use strict';

(function () {
  const page = window.pelmoraPage;

  // Return in one of the boxes beside the bars: the core reads the typed
  // text as the desktop does. Listened for on the document, since the boxes
  // are made when the core has started.
  let typed = null;  // the boxes' names
  document.addEventListener('keydown', (e) => {
    if (e.key !== 'Enter' || !page.core()) return;
    typed = typed || JSON.parse(page.core().typedBoxes());
    if (!typed.includes(e.target.id)) return;
    e.preventDefault();
    page.run(() => page.core().enterTyped(e.target.id, e.target.value));
  });

  // The desktop's entries on every picture: the presets, pin, unpin one
  // (named as the legend names the pinned cases) and unpin all.
  function entries() {
    const core = page.core();
    const menu = JSON.parse(core.lessonMenu());
    const unpin = menu.unpin.entries.length
      ? menu.unpin.entries.map((text, k) => ({ text, run: () => page.run(() => core.unpinCase(k)) }))
      : [{ text: menu.unpin.none, disabled: true }];
    return [
      { text: menu.presets.text, entries: menu.presets.entries.map((text, k) => ({ text, run: () => page.run(() => core.applyPreset(k)) })) },
      { text: menu.pin, run: () => page.run(() => core.act('pin')) },
      { text: menu.unpin.text, entries: unpin },
      { text: menu.unpinAll, run: () => page.run(() => core.act('unpin')) },
    ];
  }

  page.addPictureEntries(entries);
})();
