#include "session.h"

#include "ui/surface_layout.h"

namespace airfoil::probe {

namespace {

std::array<std::unique_ptr<RecordingSurface>, 5> make_recordings() {
  std::array<std::unique_ptr<RecordingSurface>, 5> recordings;
  for (std::size_t i = 0; i < kSurfaceLayouts.size(); ++i) {
    const SurfaceLayout& entry = kSurfaceLayouts[i];
    recordings[i] = std::make_unique<RecordingSurface>(entry.BackColor, entry.ForeColor);
  }
  return recordings;
}

static_assert(kSurfaceLayouts[0].name == "daire" && kSurfaceLayouts[4].name == "Picture_CM",
              "Plots are built in the order of the surface table");

}  // namespace

Plots Session::plots_of(const std::array<std::unique_ptr<RecordingSurface>, 5>& r) {
  return Plots{*r[0], *r[1], *r[2], *r[3], *r[4]};
}

// The surfaces are made before the form that draws on them: members are
// built in the order they are declared.
Session::Session(const CatalogueSource& catalogue)
    : recordings_(make_recordings()), form_(plots_of(recordings_), messages_, catalogue) {
  form_.Form_Load();
}

void Session::act(const Action& action) {
  if (action.kind == Action::Kind::Reynolds) {
    reynolds_ = action.reynolds;
  } else if (action.kind == Action::Kind::FlowAt) {
    points_.push_back(probe_flow(form_.w, action.at));
  } else {
    perform(form_, action);
  }
}

std::array<const RecordingSurface*, 5> Session::surfaces() const {
  return {recordings_[0].get(), recordings_[1].get(), recordings_[2].get(), recordings_[3].get(),
          recordings_[4].get()};
}

std::string Session::report() const {
  std::array<NamedRecording, 5> named{};
  for (std::size_t i = 0; i < named.size(); ++i) {
    named[i] = {kSurfaceLayouts[i].name.data(), recordings_[i].get()};
  }
  return json_report(form_, messages_.boxes, named, points_, reynolds_);
}

}  // namespace airfoil::probe
