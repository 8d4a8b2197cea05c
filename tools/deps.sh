#!/usr/bin/env bash
# Debian packages Orva needs to build, run and test. Sourced by run.sh and test.sh,
# which call ensure_packages with the list they need. dpkg-dev and file make the Debian
# package (its dependencies come from dpkg-shlibdeps); lintian, appstream and
# desktop-file-utils check it in the tests. The news reader reaches the maker's database
# through Qt's ODBC driver and the driver manager (FreeTDS for SQL Server); its tests run a
# PostgreSQL server of their own through the PostgreSQL ODBC driver. Office mode keeps the
# records on a PostgreSQL server through Qt's PostgreSQL driver and libpq, and backs it up
# with pg_dump and pg_restore; its tests and benchmarks run a server of their own. The package
# test starts the media's launcher on a virtual X server (Xvfb) and reads its screen through XCB.

ORVA_BUILD_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools libqt6sql6-sqlite libsqlite3-dev libicu-dev
  qt6-webengine-dev qt6-pdf-dev
  libarchive-dev libcurl4-openssl-dev
  fonts-liberation2 adwaita-icon-theme
  dpkg-dev file
  libqt6sql6-odbc unixodbc-dev tdsodbc
  libqt6sql6-psql libpq-dev postgresql-client
)
# Qt's HTTP server (the tests' web servers) finds its package only with Qt WebSockets beside it.
# clang-format and clang-tidy are the checks of CI (.ci/run, the targets format and
# format-check, the option ORVA_CLANG_TIDY).
ORVA_TEST_PACKAGES=(libbenchmark-dev python3-aiosmtpd enscript ghostscript python3-xlsxwriter
  qt6-httpserver-dev qt6-websockets-dev
  lintian appstream desktop-file-utils sqlite3 xvfb libxcb1-dev fonts-dejavu-core
  postgresql odbc-postgresql
  clang-format clang-tidy)

ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Orva needs these Debian packages: ${missing[*]}" >&2
    echo "Install them as root with:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq || return 1
  apt-get install -y -qq --no-install-recommends "${missing[@]}" || return 1
}

# configure_and_build TOP [CMAKE-OPTION...]: the options choose what is built (the tests and
# benchmarks need the test packages; run.sh leaves them out).
configure_and_build() {
  local top="$1"
  shift
  local launcher=()
  command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" || return 1
  cmake --build "$top/build" || return 1
}
