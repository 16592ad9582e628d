#include "tools/screenshot/offscreen.h"

#include <cstdio>

namespace airfoil {

void StderrMessages::show(const std::string& text) { std::fprintf(stderr, "message: %s\n", text.c_str()); }

void StderrMessages::fault(const std::string& text) { std::fprintf(stderr, "fault: %s\n", text.c_str()); }

}  // namespace airfoil
