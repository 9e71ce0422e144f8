# Installs the Debian packages the build and the tests need, only those missing.
# Sourced by scripts/run and scripts/test.
NORVANTA_PACKAGES=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-tools-dev qt6-svg-dev libsqlite3-dev
  # The speakers talk to the sound server (PulseAudio, or PipeWire in its place).
  libpulse-dev pkg-config
  libbenchmark-dev
  xvfb xauth fonts-dejavu-core poppler-utils
  fonts-dejavu-extra # DejaVu Sans Condensed, the printed documents' face
  libqt6sql6-sqlite x11-utils
  # The font configuration is read on a thread of its own while the program starts.
  libfontconfig-dev
  fonts-liberation # Liberation Sans Narrow, the windows' face
  # The sound test plays signals into a private sound server and records it.
  pulseaudio pulseaudio-utils
)

norvanta_install_missing() {
  local missing=()
  local pkg
  for pkg in "${NORVANTA_PACKAGES[@]}"; do
    if [ "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null)" != "install ok installed" ]; then
      missing+=("$pkg")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
