// The window without a display: the form over five recording surfaces and a
// message sink that keeps every box, the actions of the probe applied to it,
// and its report. The probe's command line and the web page both run one.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "arguments.h"
#include "charts/recording_surface.h"
#include "flow_options.h"
#include "model/boundary_layer.h"
#include "model/recording_messages.h"
#include "report.h"
#include "ui/form.h"

namespace airfoil::probe {

class Session {
 public:
  // Makes the form and runs start-up, reading the catalogue `catalogue`.
  explicit Session(const CatalogueSource& catalogue);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Form1& form() { return form_; }
  const Form1& form() const { return form_; }

  // Applies one action as the probe's command line does; an at= action
  // keeps the flow at that point, as the state stands now, for the report,
  // and re= sets the Reynolds number of the boundary layer it reports.
  void act(const Action& action);

  double reynolds() const { return reynolds_; }

  // The probe's JSON report of everything the window holds and shows.
  std::string report() const;

  // The five surfaces in the order of kSurfaceLayouts.
  const RecordingSurface& surface(std::size_t index) const { return *recordings_.at(index); }
  std::array<const RecordingSurface*, 5> surfaces() const;

  // Every message box shown since start-up, in order, fault boxes included:
  // as shown in Turkish, and as the phrases a face translates.
  const std::vector<std::string>& messages() const { return messages_.boxes; }
  const std::vector<Phrase>& message_phrases() const { return messages_.phrases; }

 private:
  // Keeps each box's phrase beside its Turkish text.
  struct KeptMessages : RecordingMessages {
    void show(const std::string& text) override { show_phrase(Phrase{text}); }
    void fault(const std::string& text) override { fault_phrase(Phrase{text}); }
    void show_phrase(const Phrase& phrase) override {
      phrases.push_back(phrase);
      RecordingMessages::show(turkish(phrase));
    }
    void fault_phrase(const Phrase& phrase) override {
      phrases.push_back(phrase);
      RecordingMessages::fault(turkish(phrase));
    }
    std::vector<Phrase> phrases;
  };

  static Plots plots_of(const std::array<std::unique_ptr<RecordingSurface>, 5>& recordings);

  std::array<std::unique_ptr<RecordingSurface>, 5> recordings_;
  KeptMessages messages_;
  Form1 form_;
  std::vector<FlowProbe> points_;
  double reynolds_ = kReynoldsDefault;
};

}  // namespace airfoil::probe
