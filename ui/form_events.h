// Which event of which control runs which handler of the window object: one
// table, free of Qt, that the desktop window wires its widgets from and
// airfoil-probe replays its actions through.
#pragma once

#include <array>

#include "model/window.h"
#include "ui/form.h"
#include "ui/surface_layout.h"

namespace airfoil {

// Which event runs which handler. A scroll bar raises its Change event after
// its value changed; `key` is the short name tools use for the bar.
struct BarEvent {
  const char* control;
  const char* key;
  ScrollBar Controls::*bar;
  void (Form1::*change)();
};

inline constexpr std::array<BarEvent, 5> kBarEvents{{
    {"HScroll_Thickness", "thickness", &Controls::HScroll_Thickness, &Form1::HScroll_Thickness_Change},
    {"HScroll_Camber", "camber", &Controls::HScroll_Camber, &Form1::HScroll_Camber_Change},
    {"HScroll_nP", "np", &Controls::HScroll_nP, &Form1::HScroll_nP_Change},
    {"HScroll_AlfaD", "alfa", &Controls::HScroll_AlfaD, &Form1::HScroll_AlfaD_Change},
    {"HScroll_xM", "xm", &Controls::HScroll_xM, &Form1::HScroll_xM_Change},
}};

// A click on a picture, in the order of SurfaceId.
struct ClickEvent {
  SurfaceId surface;
  void (Form1::*click)();
};

inline constexpr std::array<ClickEvent, 5> kClickEvents{{
    {SurfaceId::daire, &Form1::daire_Click},
    {SurfaceId::profil, &Form1::profil_Click},
    {SurfaceId::pressure, &Form1::pressure_Click},
    {SurfaceId::Picture_CL, &Form1::Picture_CL_Click},
    {SurfaceId::Picture_CM, &Form1::Picture_CM_Click},
}};

}  // namespace airfoil
