// The main window's data: every window-level variable, the control values the
// procedures read and write, and the way the window reports to the user.
//
// The procedures of the program are free functions over one `Window`; they keep
// nothing of their own between runs. Everything here starts at zero (an
// unwritten variable reads 0), except the controls, which start at their
// design-time settings.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "model/phrase.h"

namespace airfoil {

// The one fault type of the program: an index outside an array's bounds, or a
// computation that would put a non-finite number into the window. A fault ends
// the running event cycle; the remaining procedures of that cycle do not run.
// what() is the technical detail; `shown` is what the user is told, in the
// user's own terms, when the place that raised the fault knows them.
class Fault : public std::runtime_error {
 public:
  explicit Fault(const std::string& detail, Phrase shown = {})
      : std::runtime_error(detail), shown_(std::move(shown)) {}
  const Phrase& shown() const { return shown_; }

 private:
  Phrase shown_;
};

// The general case of index_of below, out of line.
long index_of_rounded(double i);

// Converts a number used as an array index to a whole index: a non-whole value
// is rounded to the nearest whole number, halves to the even neighbour
// (nHalf + 1 = 25.5 gives 26). A non-finite index is a fault. Nearly every
// index is already whole; those skip the rounding, which would otherwise
// dominate the cost of the point loops.
inline long index_of(double i) {
  if (i >= 0 && i <= 1e15) {
    const long k = static_cast<long>(i);
    if (static_cast<double>(k) == i) return k;
  }
  return index_of_rounded(i);
}

// Throws a Fault naming `what` when x is NaN or infinite; returns x otherwise.
double finite_or_fault(double x, const char* what);

// A fixed one-dimensional array of numbers with lower bound 0 and upper bound
// `Upper`. Access is written like the procedures speak of it, `Xp(i)`, and
// goes through a bounds check: out of range is a Fault, never undefined
// behaviour.
template <int Upper>
class Table {
 public:
  static constexpr int upper = Upper;
  double& operator()(double i) { return cells_[slot(i)]; }
  double operator()(double i) const { return cells_[slot(i)]; }
  const std::array<double, Upper + 1>& cells() const { return cells_; }

 private:
  static std::size_t slot(double i) {
    const long k = index_of(i);
    if (k < 0 || k > Upper) {
      throw Fault("index " + std::to_string(k) + " outside 0 to " + std::to_string(Upper));
    }
    return static_cast<std::size_t>(k);
  }
  std::array<double, Upper + 1> cells_{};
};

// A colour value: R + 256*G + 65536*B.
using Colour = std::int32_t;

// Window-level variables, in their order of declaration.
struct WindowState {
  double Thickness = 0;
  double Camber = 0;
  double nP = 0;
  double Eps = 0;
  double Delta = 0;
  int nExp = 0;
  double Beta = 0;
  double nCatalog = 0;
  Table<500> TabEps;
  Table<500> TabDelta;
  Table<500> TabThickness;
  Table<500> TabCamber;
  Table<500> TabCol5;
  double nSeg = 0;
  double nHalf = 0;
  double AlfaD = 0;
  double pi = 0;
  double xShift = 0;
  double Radius = 0;
  double CenterRatio = 0;
  double Radius2 = 0;
  double RadiusC = 0;
  double Chord = 0;
  double BetaTE = 0;
  double PhiC = 0;
  Table<101> Teta;
  Table<101> dZdZeta;
  Table<101> Xc;
  Table<101> Yc;
  Table<101> Xp;
  Table<101> Yp;
  Table<101> Cp;
  Colour colBlack = 0;
  Colour colGreen = 0;
  Colour colBlue = 0;
  Colour colRed = 0;
  Table<30> CurveAlfa;
  Table<30> CurveCL;
  Table<30> CurveCM;
  double CL = 0;
  double xM = 0;
};

// Visits every window-level variable in declaration order as
// visit(name, value), where value is a double, an int, a Colour or a Table.
template <class State, class Visit>
void for_each_variable(State& s, Visit&& visit) {
  visit("Thickness", s.Thickness);
  visit("Camber", s.Camber);
  visit("nP", s.nP);
  visit("Eps", s.Eps);
  visit("Delta", s.Delta);
  visit("nExp", s.nExp);
  visit("Beta", s.Beta);
  visit("nCatalog", s.nCatalog);
  visit("TabEps", s.TabEps);
  visit("TabDelta", s.TabDelta);
  visit("TabThickness", s.TabThickness);
  visit("TabCamber", s.TabCamber);
  visit("TabCol5", s.TabCol5);
  visit("nSeg", s.nSeg);
  visit("nHalf", s.nHalf);
  visit("AlfaD", s.AlfaD);
  visit("pi", s.pi);
  visit("xShift", s.xShift);
  visit("Radius", s.Radius);
  visit("CenterRatio", s.CenterRatio);
  visit("Radius2", s.Radius2);
  visit("RadiusC", s.RadiusC);
  visit("Chord", s.Chord);
  visit("BetaTE", s.BetaTE);
  visit("PhiC", s.PhiC);
  visit("Teta", s.Teta);
  visit("dZdZeta", s.dZdZeta);
  visit("Xc", s.Xc);
  visit("Yc", s.Yc);
  visit("Xp", s.Xp);
  visit("Yp", s.Yp);
  visit("Cp", s.Cp);
  visit("colBlack", s.colBlack);
  visit("colGreen", s.colGreen);
  visit("colBlue", s.colBlue);
  visit("colRed", s.colRed);
  visit("CurveAlfa", s.CurveAlfa);
  visit("CurveCL", s.CurveCL);
  visit("CurveCM", s.CurveCM);
  visit("CL", s.CL);
  visit("xM", s.xM);
}

// A horizontal scroll bar: whole-number settings and position.
struct ScrollBar {
  int Min = 0;
  int Max = 0;
  int SmallChange = 1;
  int LargeChange = 1;
  int Value = 0;
};

// Moves a scroll bar to `value`, clamped to Min..Max as the control itself
// would. Returns whether the position changed (only then does the control
// raise its Change event).
bool set_scroll_value(ScrollBar& bar, long long value);

struct TextBox {
  std::string Text;
};

// The controls the procedures read and write, at their design-time settings.
struct Controls {
  ScrollBar HScroll_Thickness{0, 30, 1, 1, 0};
  ScrollBar HScroll_Camber{0, 15, 1, 1, 0};
  ScrollBar HScroll_nP{11, 101, 2, 10, 51};
  ScrollBar HScroll_AlfaD{-10, 10, 1, 1, 0};
  ScrollBar HScroll_xM{0, 100, 1, 5, 0};
  TextBox Text_Thickness{"0"};
  TextBox Text_Camber{"0"};
  TextBox Text_nP{"51"};
  TextBox Text_AlfaD{"0"};
  TextBox Text_xM{"0"};
  TextBox Text_Moo{"0"};
  TextBox Text_CL{"0"};
  TextBox Text1{"0"};
};

// Visits every control by name in a fixed order: the five scroll bars, then
// the eight text boxes.
template <class C, class Visit>
void for_each_control(C& c, Visit&& visit) {
  visit("HScroll_Thickness", c.HScroll_Thickness);
  visit("HScroll_Camber", c.HScroll_Camber);
  visit("HScroll_nP", c.HScroll_nP);
  visit("HScroll_AlfaD", c.HScroll_AlfaD);
  visit("HScroll_xM", c.HScroll_xM);
  visit("Text_Thickness", c.Text_Thickness);
  visit("Text_Camber", c.Text_Camber);
  visit("Text_nP", c.Text_nP);
  visit("Text_AlfaD", c.Text_AlfaD);
  visit("Text_xM", c.Text_xM);
  visit("Text_Moo", c.Text_Moo);
  visit("Text_CL", c.Text_CL);
  visit("Text1", c.Text1);
}

// How the window talks to the user: modal message boxes with an OK button
// only, and the report of a fault that ended a cycle. The desktop shell shows
// real boxes; tests and the probe record the texts.
//
// A message composed of parts (a line number, a column's name) comes as a
// phrase, so that the window can put it in the user's language; a sink that
// keeps texts sees it in Turkish, as it sees every other message.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void show(const std::string& text) = 0;
  virtual void fault(const std::string& text) = 0;
  virtual void show_phrase(const Phrase& phrase) { show(turkish(phrase)); }
  virtual void fault_phrase(const Phrase& phrase) { fault(turkish(phrase)); }
};

// The texts of the program's own messages.
inline constexpr const char* kCatalogueFileMissing = "KATPE-D20G15.txt dosyası bulunamadı";
// The start of the message for a catalogue file that is there but could not
// be read to its end; the reason and what is still usable follow.
inline constexpr const char* kCatalogueFileUnreadable = "KATPE-D20G15.txt dosyası okunamadı";
inline constexpr const char* kProfileNotInCatalogue = "bu profil veritabanında yok";
inline constexpr const char* kMooOutOfRange =
    "Moo -1 ile 1 arasında olmalı. Bu değerle sıkıştırılabilme düzeltmesi yapılamaz; yalnızca "
    "sıkıştırılamaz akışın eğrileri çizildi.";

// The catalogue file name, resolved against the working directory.
inline constexpr const char* kCatalogueFileName = "KATPE-D20G15.txt";

// A pinned case: the window state as it was drawn when the user pinned it
// (section, flow, chart samples and reference point), kept unchanged and
// drawn again under the live case until it is unpinned.
struct PinnedCase {
  WindowState state;
  double moo = 0;  // the Mach number its pressure chart was drawn with, 0 for none
};

// How many cases can be pinned at once.
inline constexpr std::size_t kMaxReferences = 4;

// Where start-up reads the catalogue, and, when the working directory's copy
// was passed over for another, why: start-up says so before reading.
struct CatalogueSource {
  CatalogueSource(std::string file = kCatalogueFileName) : path(std::move(file)) {}
  CatalogueSource(const char* file) : path(file) {}
  std::string path;
  std::optional<Phrase> passed_over;
};

// The main window object as the procedures see it.
struct Window : WindowState, Controls {
  MessageSink* messages = nullptr;  // where message boxes go; may be null
  std::string catalogue_path = kCatalogueFileName;
  std::optional<Phrase> catalogue_passed_over;  // shown by Form_Load first
  bool moo_reported = false;                    // the Moo range message was shown in this cycle

  // The Mach number each picture last drew its corrected curve with; 0 when
  // it drew none. A number typed into Text_Moo counts only once a picture has
  // read it, so the readouts and the handout speak of what is on the screen.
  struct DrawnMach {
    double pressure = 0;
    double lift = 0;
    double moment = 0;
  } drawn_moo;

  // The pinned cases, oldest first; at most kMaxReferences.
  std::vector<PinnedCase> references;

  void message(const Phrase& phrase) const {
    if (messages != nullptr) messages->show_phrase(phrase);
  }
};

// Start-up: sets pi and BetaTE, reads the catalogue from w.catalogue_path.
void Form_Load(Window& w);

// The geometry step: circle from the catalogue, circle and airfoil points.
void profil_hesapla(Window& w);

// The flow step: pressure coefficient at every surface point.
void basınc_hesapla(Window& w);

}  // namespace airfoil
