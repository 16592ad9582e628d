// The texts of a picture's right-click menu and of its saving, the same in
// every window and in both faces (the desktop's menu, the page's menu). Turkish
// sources, translated in the PictureMenu context; "%1" is filled by the face.
#pragma once

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

}  // namespace airfoil
