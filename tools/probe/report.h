// The probe's one JSON object: the window's variables and controls, the
// messages shown, the last fault, and what each picture holds.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "charts/recording_surface.h"
#include "flow_options.h"
#include "model/boundary_layer.h"
#include "ui/form.h"

namespace airfoil::probe {

struct NamedRecording {
  const char* name;
  const RecordingSurface* surface;
};

std::string json_report(const Form1& form, const std::vector<std::string>& messages,
                        const std::array<NamedRecording, 5>& surfaces,
                        const std::vector<FlowProbe>& points = {}, double reynolds = kReynoldsDefault);

// The name of a failure as the report writes it; null for none.
const char* failure_name(BoundaryLayerFailure failure);

}  // namespace airfoil::probe
