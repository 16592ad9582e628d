// The readouts in words, below the toolkit: the readouts window, the notes on
// the pressure picture, the handout and the probe say the same sentences.
// Each is a translatable Phrase in the "Readouts" context with its numbers
// as literal parts; an empty phrase says nothing.
#pragma once

#include <optional>
#include <vector>

#include "model/phrase.h"
#include "model/readouts.h"

namespace airfoil {

// Translation context of the readouts' texts.
inline constexpr const char* kReadoutsContext = "Readouts";

// A readout's number with `decimals` decimals; one that rounds to zero
// without a sign.
Phrase readout_number(double x, int decimals);

// A readout that may be no number: the number, or why there is none.
Phrase number_or_reason(const std::optional<double>& x, NoValue why, int decimals);

// What the window and the pictures say when the drawn case is past its
// critical Mach number (or has an unbounded peak); empty otherwise.
Phrase supercritical_notice(const Readouts& r);
// The same in a few words, for the pressure picture's top edge.
Phrase short_notice(const Readouts& r);

// One line per pinned case: its pattern's name and its t/c, f/c, alpha, Moo.
std::vector<Phrase> reference_legend(const Window& w);
// The legend under its heading, where it stands apart from the pictures;
// empty when nothing is pinned.
std::vector<Phrase> headed_legend(const Window& w);

// The lines of readouts: CL and CM (corrected, with the Mach number drawn),
// the zero-lift angle, the slope, the aerodynamic centre, the peak and the
// critical Mach number, each beside its thin-airfoil value where it has one.
std::vector<Phrase> readout_lines(const Readouts& r);

}  // namespace airfoil
