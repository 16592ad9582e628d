// What a teacher uses in the page to reach a case quickly, through the same
// core calls as the desktop: the typed number boxes, the lesson's presets,
// and pinning and unpinning references from the pictures' menus.

#include <emscripten/bind.h>

#include <string>

#include "bindings.h"
#include "ui/key_table.h"
#include "ui/lesson.h"
#include "ui/readout_texts.h"
#include "ui/readouts_view.h"

namespace airfoil::web {

namespace {

// Return in number box `box` with `text` typed in it.
void enter_typed_text(const std::string& box, const std::string& text) {
  if (const TypedBox* typed = find_typed_box(box)) enter_typed(current().form(), *typed, text);
}

void apply_preset_at(int k) {
  if (k >= 0 && k < static_cast<int>(kPresets.size()))
    apply_preset(current().form(), kPresets[static_cast<std::size_t>(k)]);
}

void unpin_at(int k) {
  if (k >= 0) unpin_case(current().form(), static_cast<std::size_t>(k));
}

// The boxes that take typed values.
std::string typed_boxes() {
  Json out = Json::array();
  for (const TypedBox& box : kTypedBoxes) out.push_back(box.box);
  return out.dump();
}

// The lesson's entries of a picture's menu in the page's language, the
// desktop's order: {presets: {text, entries}, pin, unpin: {text, entries,
// none}, unpinAll}; the unpin entries name the pinned cases as the legend does.
std::string lesson_menu() {
  const auto readouts = [](const std::string& source) { return translate(kReadoutsContext, source); };
  Json presets = Json::array();
  for (const Preset& preset : kPresets) presets.push_back(translate(kPresetsContext, preset.name));
  Json pinned = Json::array();
  for (const Phrase& line : reference_legend(current().form().w)) pinned.push_back(render(line, readouts));
  return Json{{"presets", {{"text", readouts(kPresetsMenuText)}, {"entries", std::move(presets)}}},
              {"pin", translate(kKeysContext, key_entry(Command::pin).text)},
              {"unpin",
               {{"text", readouts(kUnpinMenuText)},
                {"entries", std::move(pinned)},
                {"none", readouts(kNoReferenceText)}}},
              {"unpinAll", translate(kKeysContext, key_entry(Command::unpin_all).text)}}
      .dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

EMSCRIPTEN_BINDINGS(lesson) {
  emscripten::function("enterTyped", &enter_typed_text);
  emscripten::function("applyPreset", &apply_preset_at);
  emscripten::function("unpinCase", &unpin_at);
  emscripten::function("typedBoxes", &typed_boxes);
  emscripten::function("lessonMenu", &lesson_menu);
}

}  // namespace airfoil::web
