#include "model/phrase.h"

namespace airfoil {

std::string render(const Phrase& phrase, const std::function<std::string(const std::string&)>& translate) {
  if (phrase.literal) return phrase.source;
  const std::string text = translate(phrase.source);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const std::size_t n = static_cast<std::size_t>(text[i + 1] - '1');
      if (n < phrase.args.size()) {
        out += render(phrase.args[n], translate);
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

std::string turkish(const Phrase& phrase) {
  return render(phrase, [](const std::string& source) { return source; });
}

}  // namespace airfoil
