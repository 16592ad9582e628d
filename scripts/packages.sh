# The Debian 12 packages the project needs, in one place; sourced by setup.sh.
#   run_packages  build and run the program: the README's first command
#   web_packages  the web page: its build (web.sh) and its tests in a browser
#   dev_packages  everything else: tests, sanitizers, fuzzing, benchmarks,
#                 static checks, the Debian package and its checks
# shellcheck disable=SC2034  # the arrays are read by the script that sources this

run_packages=(
  cmake ninja-build g++
  qt6-base-dev libgl-dev
  nlohmann-json3-dev                   # the probe's JSON report
  qt6-svg-dev                          # SVG export, and the plugins that draw the icon
  qt6-l10n-tools                       # lrelease compiles the English translation
  fonts-liberation fonts-dejavu-core   # the fonts the window's labels are laid out for
)

web_packages=(
  emscripten nodejs python3            # the compiler, its tools, and the local web server
  nlohmann-json3-dev                   # the report the page returns, as the probe writes it
  chromium                             # the page's tests run in headless Chromium
)

dev_packages=(
  clang llvm clang-tidy clang-format cppcheck libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xfoil                                # the viscous solution the boundary layer is compared with
  xvfb xauth
  dpkg-dev file desktop-file-utils appstream
)
