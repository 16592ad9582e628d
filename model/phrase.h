// A message for the user, kept as its parts rather than as finished text, so
// that the window can show it in the language the user chose while the core
// stays free of any translation machinery. The Turkish texts are the sources:
// a source is a whole sentence (or a word) with %1, %2 ... where the parts go,
// and a part is either another phrase (a count word, a column name) or a
// literal number text, which reads the same in every language.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace airfoil {

struct Phrase {
  Phrase() = default;
  Phrase(std::string source_text, std::vector<Phrase> parts = {})
      : source(std::move(source_text)), args(std::move(parts)) {}
  Phrase(const char* source_text, std::vector<Phrase> parts = {})
      : source(source_text), args(std::move(parts)) {}

  std::string source;        // a Turkish template, or the text itself when literal
  std::vector<Phrase> args;  // what %1, %2 ... stand for, in that order
  bool literal = false;      // a number text: never translated
};

// A number text, or any other text that is the same in every language.
inline Phrase literal(std::string text) {
  Phrase phrase(std::move(text));
  phrase.literal = true;
  return phrase;
}

// The phrase's text with every source passed through `translate` first. The
// placeholders are filled in one pass, so a part that itself holds "%1" is
// never filled again; a placeholder without a part stays as it is.
std::string render(const Phrase& phrase, const std::function<std::string(const std::string&)>& translate);

// The text in Turkish, the language the sources are written in.
std::string turkish(const Phrase& phrase);

}  // namespace airfoil
