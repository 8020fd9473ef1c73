# Sourced by scripts/run and scripts/test: makes sure the Debian packages
# that building and testing Kadrel need are installed.

KADREL_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation libxcb1-dev
)

kadrel_ensure_packages() {
  local missing=() package
  for package in "${KADREL_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ "${#missing[@]}" -eq 0 ] && return 0

  if [ "$(id -u)" -ne 0 ]; then
    echo "Kadrel needs Debian packages that are not installed. As root, run:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing ${missing[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

kadrel_configure() {
  cmake -S . -B build -G Ninja -DKADREL_WERROR=ON "$@"
}
