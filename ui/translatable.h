// Marks a text of the Qt-free layers for the translation tools (lupdate finds
// it by this name) without any translation machinery: the text is its own
// source, and the shell looks it up in `context` when it shows it.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
