// The help text: what each picture shows, what the controls do, the keys
// (from the key table) and the assumptions behind the numbers, as Turkish
// sources for the translation. The desktop help window shows it; the web
// page can show the same.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace airfoil {

// Translation context of the help's own texts; the key list's are in
// kKeysContext.
inline constexpr const char* kHelpContext = "HelpWindow";

struct HelpSection {
  const char* heading;
  std::vector<const char*> paragraphs;
  bool key_list = false;  // the key table follows the paragraphs
};

const std::vector<HelpSection>& help_sections();

// A source text in the current language: (context, source) -> text.
using Translate = std::function<std::string(const char* context, const char* source)>;

// The whole help as rich text, every text escaped, headed with the program's
// `version`.
std::string help_html(const Translate& translate, const std::string& version);

}  // namespace airfoil
