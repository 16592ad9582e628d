// The readouts in words, shared by the readouts window, the notes on the
// pressure picture and the handout. Needs no widgets.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "model/readouts.h"

namespace airfoil {

// What the window and the pictures say when the drawn case is past its
// critical Mach number (or has an unbounded peak); empty otherwise.
QString supercritical_notice(const Readouts& r);
// The same in a few words, for the pressure picture's top edge.
QString short_notice(const Readouts& r);
// One line per pinned case: its pattern's name and its t/c, f/c, alpha, Moo.
QStringList reference_legend(const Window& w);
// A readout that may be no number: the number, or why there is none.
QString number_or_reason(const std::optional<double>& x, NoValue why, int decimals);

// The handout's lines of readouts: CL and CM (corrected, with the Mach number
// drawn), the zero-lift angle, the slope, the aerodynamic centre, the peak and
// the critical Mach number, each beside its thin-airfoil value where it has one.
QStringList readout_lines(const Readouts& r);

}  // namespace airfoil
