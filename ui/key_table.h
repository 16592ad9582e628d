// Every key of the windows and what it does: the actions the windows make
// (with their menu texts and shortcuts) and the keys the controls answer by
// themselves. One table: the desktop shell makes its actions and shortcuts
// from it, help lists it, and another face can bind the same keys.
#pragma once

#include <array>

#include "ui/translatable.h"

namespace airfoil {

// What an action does; `none` for a key the controls answer themselves.
enum class Command {
  none,
  about,
  help,
  flow,
  boundary_layer,
  readouts,
  pin,
  unpin_all,
  print_window,
  save_handout,
  zoom_in,
  zoom_out,
  zoom_reset,
  close_window
};

// Translation context of the table's texts.
inline constexpr const char* kKeysContext = "Keys";

struct KeyEntry {
  Command command;
  const char* name;      // the action's object name; empty for none
  const char* text;      // the action's text in menus; empty for none
  const char* shortcut;  // the keys in portable form, alternatives joined by "; "; empty for none
  const char* keys;      // the keys as help names them
  const char* meaning;   // what they do
};

inline constexpr std::array<KeyEntry, 19> kKeyTable{{
    {Command::none, "", "", "", QT_TRANSLATE_NOOP("Keys", "Tab, Shift+Tab"),
     QT_TRANSLATE_NOOP("Keys",
                       "denetimler arasında dolaşır; odaktaki denetim renkli bir çerçeveyle işaretlenir")},
    {Command::none, "", "", "", QT_TRANSLATE_NOOP("Keys", "Sağ ok, sol ok"),
     QT_TRANSLATE_NOOP("Keys", "kaydırma çubuğunu küçük bir adım ileri ya da geri götürür")},
    {Command::none, "", "", "", QT_TRANSLATE_NOOP("Keys", "Page Down, Page Up"),
     QT_TRANSLATE_NOOP("Keys", "kaydırma çubuğunu büyük bir adım ileri ya da geri götürür")},
    {Command::none, "", "", "", QT_TRANSLATE_NOOP("Keys", "Home, End"),
     QT_TRANSLATE_NOOP("Keys", "kaydırma çubuğunu uçlarına götürür")},
    {Command::none, "", "", "", QT_TRANSLATE_NOOP("Keys", "Boşluk, Enter"),
     QT_TRANSLATE_NOOP("Keys", "odaktaki resimde tıklamayla aynı işi yapar: her şey hesaplanır ve çizilir")},
    {Command::none, "", "", "", QT_TRANSLATE_NOOP("Keys", "Menü tuşu, Shift+F10"),
     QT_TRANSLATE_NOOP("Keys", "odaktaki resmin menüsünü açar (kopyala, kaydet, yazdır)")},
    {Command::about, "Mn_About", "", "", QT_TRANSLATE_NOOP("Keys", "Alt+A"),
     QT_TRANSLATE_NOOP("Keys", "Hakkında penceresini (About) açar")},
    {Command::help, "Mn_Help", "", "F1", QT_TRANSLATE_NOOP("Keys", "F1"),
     QT_TRANSLATE_NOOP("Keys", "bu yardım penceresini açar")},
    {Command::flow, "Mn_Flow", QT_TRANSLATE_NOOP("Keys", "Akış alanı..."), "F2",
     QT_TRANSLATE_NOOP("Keys", "F2"), QT_TRANSLATE_NOOP("Keys", "akış alanı penceresini açar")},
    {Command::boundary_layer, "Mn_BoundaryLayer", QT_TRANSLATE_NOOP("Keys", "Sınır tabakası..."), "F4",
     QT_TRANSLATE_NOOP("Keys", "F4"), QT_TRANSLATE_NOOP("Keys", "sınır tabakası penceresini açar")},
    {Command::readouts, "Mn_Readouts", QT_TRANSLATE_NOOP("Keys", "Okumalar..."), "F3",
     QT_TRANSLATE_NOOP("Keys", "F3"),
     QT_TRANSLATE_NOOP("Keys",
                       "okumalar penceresini açar: katsayılar, sıfır taşıma açısı, aerodinamik merkez, "
                       "kritik Mach sayısı, ince kanat değerleriyle yan yana")},
    {Command::pin, "Mn_Pin", QT_TRANSLATE_NOOP("Keys", "Bu durumu referans olarak sabitle"), "Ctrl+K",
     QT_TRANSLATE_NOOP("Keys", "Ctrl+K"),
     QT_TRANSLATE_NOOP("Keys",
                       "çizilen durumu referans olarak sabitler; her resimde kesikli çizilir (en çok "
                       "dört, yenisi en eskisinin yerini alır)")},
    {Command::unpin_all, "Mn_UnpinAll", QT_TRANSLATE_NOOP("Keys", "Bütün referansları kaldır"),
     "Ctrl+Shift+K", QT_TRANSLATE_NOOP("Keys", "Ctrl+Shift+K"),
     QT_TRANSLATE_NOOP("Keys", "bütün referansları kaldırır")},
    {Command::print_window, "Mn_Print", QT_TRANSLATE_NOOP("Keys", "Pencereyi yazdır..."), "Ctrl+P",
     QT_TRANSLATE_NOOP("Keys", "Ctrl+P"), QT_TRANSLATE_NOOP("Keys", "pencereyi yazdırır")},
    {Command::save_handout, "Mn_Handout", QT_TRANSLATE_NOOP("Keys", "Ders notunu PDF olarak kaydet..."),
     "Ctrl+Shift+S", QT_TRANSLATE_NOOP("Keys", "Ctrl+Shift+S"),
     QT_TRANSLATE_NOOP("Keys", "beş resmi ve değerleri bir sayfalık PDF ders notu olarak kaydeder")},
    {Command::zoom_in, "Mn_ZoomIn", "", "Ctrl++; Ctrl+=", QT_TRANSLATE_NOOP("Keys", "Ctrl+Artı, Ctrl+="),
     QT_TRANSLATE_NOOP(
         "Keys", "pencereleri %25 büyütür (en çok %300); Ctrl ile fare tekerleği de büyütür ve küçültür")},
    {Command::zoom_out, "Mn_ZoomOut", "", "Ctrl+-", QT_TRANSLATE_NOOP("Keys", "Ctrl+Eksi"),
     QT_TRANSLATE_NOOP("Keys", "pencereleri %25 küçültür (en az %50)")},
    {Command::zoom_reset, "Mn_ZoomReset", "", "Ctrl+0", QT_TRANSLATE_NOOP("Keys", "Ctrl+0"),
     QT_TRANSLATE_NOOP("Keys", "pencereleri tasarlanan boyutlarına döndürür")},
    {Command::close_window, "", "", "Esc", QT_TRANSLATE_NOOP("Keys", "Esc"),
     QT_TRANSLATE_NOOP("Keys",
                       "yardım, akış alanı, sınır tabakası, okumalar ya da Hakkında penceresini kapatır")},
}};

// The entry of `command`; commands each have exactly one.
constexpr const KeyEntry& key_entry(Command command) {
  for (const KeyEntry& entry : kKeyTable) {
    if (entry.command == command) return entry;
  }
  return kKeyTable[0];
}

}  // namespace airfoil
