// The readouts view (F3) of the page: its rows, notice and legend in the
// page's language, and the four sweep charts as drawings with their tables.
// What the rows say and how the charts look is decided below the toolkit
// (ui/readouts_view.h), as for the desktop's window.

#include <emscripten/bind.h>

#include <string>

#include "bindings.h"
#include "ui/drawing_svg.h"
#include "ui/key_table.h"
#include "ui/readout_texts.h"
#include "ui/readouts_view.h"

namespace airfoil::web {

namespace {

std::string said(const Phrase& phrase) {
  return render(phrase, [](const std::string& source) { return translate(kReadoutsContext, source); });
}

std::string in_readouts(const char* source) { return translate(kReadoutsContext, source); }

// The headings are marked up for the desktop's labels; the page makes them
// headings by its own elements.
std::string without_markup(std::string text) {
  for (std::size_t open; (open = text.find('<')) != std::string::npos;) {
    const std::size_t close = text.find('>', open);
    if (close == std::string::npos) break;
    text.erase(open, close - open + 1);
  }
  return text;
}

// The sweeps as the view showed them last: its charts and their tables
// agree until the next event.
Sweeps shown;

const SweepChartKind& chart_at(int k) {
  if (k < 0 || k >= static_cast<int>(kSweepCharts.size())) throw std::out_of_range("no sweep chart");
  return kSweepCharts[static_cast<std::size_t>(k)];
}

// The view's fixed texts in the page's language: {title, menu, headings,
// rows: [{key, name, formula}], charts: [{name, title}]}.
std::string readouts_texts() {
  Json headings = Json::array();
  for (const char* h : kReadoutHeadings) headings.push_back(without_markup(in_readouts(h)));
  Json rows = Json::array();
  for (const ReadoutRow& row : kReadoutRows) {
    rows.push_back(
        {{"key", row.key}, {"name", in_readouts(row.name)}, {"formula", in_readouts(row.formula)}});
  }
  Json charts = Json::array();
  for (const SweepChartKind& chart : kSweepCharts) {
    charts.push_back({{"name", chart.name}, {"title", in_readouts(chart.title)}});
  }
  return Json{{"title", in_readouts(kReadoutsTitle)},
              {"menu", translate(kKeysContext, key_entry(Command::readouts).text)},
              {"headings", std::move(headings)},
              {"rows", std::move(rows)},
              {"charts", std::move(charts)}}
      .dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The numbers of the case drawn now: {rows: [{key, value, thin}], notice,
// legend}; the sweeps are taken along for the charts.
std::string readouts_values() {
  const Form1& form = current().form();
  const Readouts r = form.readouts();
  const std::vector<ReadoutCells> cells = readout_cells(r);
  Json rows = Json::array();
  for (std::size_t k = 0; k < kReadoutRows.size(); ++k) {
    rows.push_back(
        {{"key", kReadoutRows[k].key}, {"value", said(cells[k].value)}, {"thin", said(cells[k].thin)}});
  }
  shown = sweeps_of(form.w);
  Json charts = Json::array();
  for (const SweepChartKind& chart : kSweepCharts) {
    charts.push_back(said(sweep_description(chart, shown.of(chart), shown.live(chart))));
  }
  return Json{{"rows", std::move(rows)},
              {"charts", std::move(charts)},
              {"notice", said(supercritical_notice(r))},
              {"legend", said(readouts_legend(form.w))}}
      .dump(-1, ' ', false, Json::error_handler_t::replace);
}

// Sweep chart k, `width` x `height` logical pixels at `zoom`, as a drawing
// (a chart has no images).
std::string sweep_drawing(int k, int width, int height, double zoom, emscripten::val measure) {
  const SweepChartKind& chart = chart_at(k);
  const PageMetrics metrics(std::move(measure));
  FlowStyle style;
  style.zoom = zoom;
  return drawing_json(draw_sweep_chart(shown.of(chart), shown.live(chart), chart.moment,
                                       in_readouts(chart.title), width, height, style, metrics));
}

// Sweep chart k's table, as its picture shows it.
std::string sweep_csv(int k) { return sweep_table(shown.of(chart_at(k))); }

// Sweep chart k as an SVG file: the same drawing, texts kept as texts.
std::string sweep_svg(int k, emscripten::val measure) {
  const SweepChartKind& chart = chart_at(k);
  const PageMetrics metrics(std::move(measure));
  return drawing_svg(
      draw_sweep_chart(shown.of(chart), shown.live(chart), chart.moment, in_readouts(chart.title),
                       kSweepChartWidth, kSweepChartHeight, FlowStyle{}, metrics),
      metrics, [](const ArgbImage&) { return std::string(); });
}

// Sweep chart k's menu, as the desktop's: copy, the image files, the table.
std::string sweep_menu(int k) { return menu_json(std::string(chart_at(k).name) + ".csv"); }

}  // namespace

EMSCRIPTEN_BINDINGS(readouts) {
  emscripten::function("readoutsTexts", &readouts_texts);
  emscripten::function("readoutsValues", &readouts_values);
  emscripten::function("sweepDrawing", &sweep_drawing);
  emscripten::function("sweepCsv", &sweep_csv);
  emscripten::function("sweepMenu", &sweep_menu);
  emscripten::function("sweepSvg", &sweep_svg);
}

}  // namespace airfoil::web
