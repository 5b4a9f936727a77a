# Installs the named Debian packages that are not installed yet. Sourced by
# the run and test scripts; uses sudo when not run as root.
ensure_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The host build of the core and its tests.
NATIVE_PACKAGES=(cmake make g++ libgtest-dev googletest libbenchmark-dev)
# The core's tests under sanitizers, and the fuzzer.
SANITIZER_PACKAGES=(clang libclang-rt-14-dev)
# The Windows programs, and Wine with a display and a CJK font to run them.
WINDOWS_PACKAGES=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb fonts-wqy-zenhei)

# Configures and builds one preset, quietly unless something goes wrong.
build_preset() {
  local preset=$1
  shift
  cmake --preset "$preset" "$@" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)"
}
