// Everything about the main window and the About window that is not a
// picture: places and sizes in twips, fonts, texts, colours, the order of the
// Tab key. One table, free of Qt, read by the desktop window, the exports
// and airfoil-probe; the picture surfaces have theirs in surface_layout.h,
// and which event runs which handler is in form_events.h.
#pragma once

#include <array>
#include <string_view>

#include "charts/colours.h"
#include "model/window.h"
#include "ui/surface_layout.h"

namespace airfoil {

// A place and size in twips, from the top-left of the container.
struct Place {
  int left, top, width, height;
};

// The font families the layout was drawn with; the desktop shell picks an
// installed family with the same metrics where one is missing.
enum class Family { arial, symbol, verdana };

struct Font {
  Family family;
  double points;
  bool italic = false;
  bool bold = false;
  bool underline = false;
};

// The faces of the main window's labels.
enum class Face { dialog, greek, tick, name };

constexpr Font font_of(Face face) {
  switch (face) {
    case Face::greek: return {Family::symbol, 8.25};
    case Face::tick: return {Family::arial, 6.75, true};
    case Face::name: return {Family::arial, 8.25, true};
    case Face::dialog: break;
  }
  return {Family::arial, 8.25};  // every control that names no font
}

inline constexpr const char* kWindowCaption = "PelmoraAirfoil - Aerodynamic Characteristics";

// The client area of Form1, below the menu bar.
inline constexpr int kClientWidth = 11880, kClientHeight = 7350;

struct FrameLayout {
  const char* name;
  const char* caption;
  Place place;
};

inline constexpr std::array<FrameLayout, 3> kFrames{{
    {"Frame1", "", {120, 3720, 3375, 2055}},
    {"Frame3", "Sıkıştırılabilme etkisi", {120, 5880, 3375, 615}},
    {"Frame2", "", {120, 6600, 3375, 615}},
}};

// The five input rows of Frame1: label, text box and scroll bar on one top.
struct InputRow {
  int top;
  const char* label;
  const char* text;
  Face face;
  int label_left, label_width, label_height;
  const char* box;
  const char* bar;
};

inline constexpr std::array<InputRow, 5> kInputRows{{
    {240, "Label2", "δ", Face::greek, 240, 375, 255, "Text_Thickness", "HScroll_Thickness"},
    {600, "Label3", "γ", Face::greek, 240, 255, 255, "Text_Camber", "HScroll_Camber"},
    {960, "Label5", "nP", Face::dialog, 240, 255, 255, "Text_nP", "HScroll_nP"},
    {1320, "Label4", "α", Face::greek, 240, 255, 375, "Text_AlfaD", "HScroll_AlfaD"},
    {1680, "Label7", "xM/c=", Face::dialog, 120, 495, 255, "Text_xM", "HScroll_xM"},
}};
inline constexpr int kRowBoxLeft = 720, kRowBoxWidth = 495, kRowBoxHeight = 285;
inline constexpr int kRowBarLeft = 1200, kRowBarWidth = 1335, kRowBarHeight = 255;

constexpr Place label_place(const InputRow& row) {
  return {row.label_left, row.top, row.label_width, row.label_height};
}
constexpr Place box_place(const InputRow& row) { return {kRowBoxLeft, row.top, kRowBoxWidth, kRowBoxHeight}; }
constexpr Place bar_place(const InputRow& row) { return {kRowBarLeft, row.top, kRowBarWidth, kRowBarHeight}; }

// Labels and text boxes of the two small frames.
struct FrameItem {
  const char* frame;
  const char* name;
  bool is_box;
  const char* text;  // the label's text; a box's start text comes from Controls
  Place place;
};

inline constexpr std::array<FrameItem, 6> kFrameItems{{
    {"Frame3", "Label36", false, "Moo =", {240, 240, 615, 255}},
    {"Frame3", "Text_Moo", true, "", {960, 240, 615, 285}},
    {"Frame2", "Label1", false, "CL =", {240, 240, 495, 255}},
    {"Frame2", "Text_CL", true, "", {720, 240, 735, 285}},
    {"Frame2", "Label6", false, "CM =", {1800, 240, 495, 255}},
    {"Frame2", "Text1", true, "", {2280, 240, 735, 285}},
}};

// The axis names and tick values on the pictures, black on the pictures'
// background. The leading spaces pad the numbers to line up at the left edge
// and belong to the texts.
struct Annotation {
  SurfaceId surface;
  const char* name;
  const char* text;
  Face face;
  Place place;
};

inline constexpr Colour kAnnotationText = kBlack;

inline constexpr std::array<Annotation, 28> kAnnotations{{
    {SurfaceId::profil, "Label9", "  y/c", Face::name, {0, 1080, 375, 255}},
    {SurfaceId::profil, "Label10", "  0.2", Face::tick, {0, 480, 375, 255}},
    {SurfaceId::profil, "Label11", " -0.2", Face::tick, {0, 2040, 375, 255}},
    {SurfaceId::profil, "Label8", "x/c", Face::name, {2160, 2116, 375, 255}},
    {SurfaceId::profil, "Label12", "1.0", Face::tick, {4200, 2160, 375, 255}},
    {SurfaceId::pressure, "Label19", "1-Cp", Face::name, {0, 840, 495, 375}},
    {SurfaceId::pressure, "Label26", "5.0", Face::tick, {120, 240, 255, 255}},
    {SurfaceId::pressure, "Label25", "3.0", Face::tick, {120, 1680, 255, 255}},
    {SurfaceId::pressure, "Label24", "2.0", Face::tick, {120, 2400, 255, 255}},
    {SurfaceId::pressure, "Label20", "1.0", Face::tick, {120, 3120, 255, 255}},
    {SurfaceId::pressure, "Label21", "0.0", Face::tick, {120, 3840, 255, 255}},
    {SurfaceId::pressure, "Label23", "x/c", Face::name, {2280, 3960, 375, 255}},
    {SurfaceId::pressure, "Label22", "1.0", Face::tick, {4200, 3960, 375, 255}},
    {SurfaceId::Picture_CL, "Label27", " CL", Face::name, {0, 1200, 375, 255}},
    {SurfaceId::Picture_CL, "Label30", "  3.0", Face::tick, {0, 600, 375, 255}},
    {SurfaceId::Picture_CL, "Label29", "  1.0", Face::tick, {0, 1833, 375, 255}},
    {SurfaceId::Picture_CL, "Label28", "  0.0", Face::tick, {0, 2473, 375, 255}},
    {SurfaceId::Picture_CL, "Label31", " -1.0", Face::tick, {0, 3120, 375, 255}},
    {SurfaceId::Picture_CL, "Label14", " -8", Face::tick, {720, 3635, 375, 255}},
    {SurfaceId::Picture_CL, "Label15", "8", Face::tick, {2322, 3636, 135, 255}},
    {SurfaceId::Picture_CL, "Label13", "α", Face::greek, {1560, 3600, 255, 255}},
    {SurfaceId::Picture_CM, "Label32", " CM", Face::name, {0, 360, 375, 255}},
    {SurfaceId::Picture_CM, "Label35", "  1.0", Face::tick, {0, 800, 375, 255}},
    {SurfaceId::Picture_CM, "Label33", "  0.0", Face::tick, {0, 1420, 375, 255}},
    {SurfaceId::Picture_CM, "Label34", " -1.0", Face::tick, {0, 2020, 375, 255}},
    {SurfaceId::Picture_CM, "Label17", " -8", Face::tick, {720, 2520, 375, 255}},
    {SurfaceId::Picture_CM, "Label16", "8", Face::tick, {2370, 2520, 135, 255}},
    {SurfaceId::Picture_CM, "Label18", "α", Face::greek, {1560, 2480, 255, 255}},
}};

// The entry of the annotation called `name`, or nullptr when there is none.
constexpr const Annotation* find_annotation(std::string_view name) {
  for (const Annotation& a : kAnnotations) {
    if (a.name == name) return &a;
  }
  return nullptr;
}

// The order in which Tab walks the controls.
inline constexpr std::array<const char*, 18> kTabOrder{
    "profil",  "pressure",      "Text_AlfaD",        "Text_Camber",    "Text_Thickness",
    "Text_nP", "HScroll_AlfaD", "HScroll_Thickness", "HScroll_Camber", "HScroll_nP",
    "daire",   "Text_CL",       "Picture_CL",        "Text1",          "Picture_CM",
    "Text_xM", "HScroll_xM",    "Text_Moo",
};

// The caption of every message box.
inline constexpr const char* kMessageCaption = "PelmoraAirfoil";

// The menu bar's one item.
inline constexpr const char* kAboutMenuName = "Mn_About";
inline constexpr const char* kAboutMenuText = "About";

// The About window.
inline constexpr const char* kAboutCaption = "About";
inline constexpr int kAboutWidth = 4125, kAboutHeight = 3195;
inline constexpr const char* kAboutCredit = "the PelmoraAirfoil developers";
inline constexpr const char* kAboutAddress = "pelmora@example.org";

struct AboutLabel {
  const char* name;
  const char* text;
  Place place;
  Font font;
  Colour colour;
  bool centred_wrapped;
};

inline constexpr std::array<AboutLabel, 6> kAboutLabels{{
    {"Label1",
     "PelmoraAirfoil",
     {960, 240, 2415, 375},
     {Family::verdana, 12, false, true, true},
     kDarkGreen,
     false},
    {"Label2",
     "Aerodynamic Characteristics of Pelmora Airfoil",
     {840, 720, 2655, 735},
     {Family::verdana, 9.75},
     kDarkGreen,
     true},
    {"Label7", kAboutCredit, {840, 1680, 2535, 255}, {Family::verdana, 8.25}, kBlack, false},
    {"Label8",
     "last update : Februaray 2007",
     {840, 2040, 2775, 255},
     {Family::verdana, 8.25},
     kBlack,
     false},
    {"Label4",
     "for comments and questions e-mail to",
     {480, 2520, 3375, 255},
     {Family::verdana, 8.25},
     kBlack,
     false},
    {"Label5", kAboutAddress, {1200, 2760, 1935, 255}, {Family::verdana, 8.25}, kBlue, false},
}};

}  // namespace airfoil
