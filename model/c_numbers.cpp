#include "model/c_numbers.h"

#include <locale.h>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace airfoil {

namespace {

// A desktop toolkit may set the process's numeric locale to the user's, where
// the decimal point can be a comma. Switching this thread to the "C" locale
// for the one call keeps every other thread, and the user's locale, as they
// were.
class CLocaleScope {
 public:
  CLocaleScope() : previous_(c_locale() != locale_t{} ? uselocale(c_locale()) : locale_t{}) {}
  ~CLocaleScope() {
    if (previous_ != locale_t{}) uselocale(previous_);
  }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  static locale_t c_locale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
  }
  locale_t previous_;
};

}  // namespace

std::string c_printf(char conversion, int precision, double x) {
  const char* format = conversion == 'f' ? "%.*f" : conversion == 'g' ? "%.*g" : "%.*e";
  const CLocaleScope scope;
  // A double has at most 309 digits before the point.
  std::vector<char> buffer(static_cast<std::size_t>(precision) + 330);
  const int n = std::snprintf(buffer.data(), buffer.size(), format, precision, x);
  if (n < 0) return {};
  if (static_cast<std::size_t>(n) >= buffer.size()) {
    buffer.resize(static_cast<std::size_t>(n) + 1);
    std::snprintf(buffer.data(), buffer.size(), format, precision, x);
  }
  return std::string(buffer.data(), static_cast<std::size_t>(n));
}

double c_strtod(const std::string& text) {
  const CLocaleScope scope;
  return std::strtod(text.c_str(), nullptr);
}

}  // namespace airfoil
