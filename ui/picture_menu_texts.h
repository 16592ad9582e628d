// The texts of a picture's right-click menu and of its saving, the same in
// every window and in both faces (the desktop's menu, the page's menu). Turkish
// sources, translated in the PictureMenu context; "%1" is filled by the face.
#pragma once

#include <array>

#include "ui/key_table.h"
#include "ui/translatable.h"

namespace airfoil {

inline constexpr const char* kPictureMenuContext = "PictureMenu";

inline constexpr const char* kMenuCopy = QT_TRANSLATE_NOOP("PictureMenu", "Resmi kopyala");
inline constexpr const char* kMenuPng = QT_TRANSLATE_NOOP("PictureMenu", "Resmi PNG olarak kaydet (%1x)...");
inline constexpr const char* kMenuSvg = QT_TRANSLATE_NOOP("PictureMenu", "Resmi SVG olarak kaydet...");
inline constexpr const char* kMenuPdf = QT_TRANSLATE_NOOP("PictureMenu", "Resmi PDF olarak kaydet...");
inline constexpr const char* kMenuCsv = QT_TRANSLATE_NOOP("PictureMenu", "Verileri CSV olarak kaydet...");

// The scales a picture is offered at as PNG, in the menu's order.
inline constexpr int kPngScales[] = {1, 2, 4};

// The windows a main picture's menu opens first, in the order of the surface
// table: the flow field from the circle and the section, whose planes it
// shows; the boundary layer from the section and its pressure, from which it
// grows. `none` ends a list.
inline constexpr std::array<std::array<Command, 2>, 5> kPictureViews{{
    {Command::flow, Command::none},            // the circle
    {Command::flow, Command::boundary_layer},  // the section
    {Command::boundary_layer, Command::none},  // the pressure
    {Command::none, Command::none},            // CL
    {Command::none, Command::none},            // CM
}};

// What every main picture's menu ends with, after its saving entries.
inline constexpr std::array<Command, 2> kPictureMenuEnd{Command::print_window, Command::save_handout};

}  // namespace airfoil
