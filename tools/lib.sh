# Sourced by the project's scripts (from the top of the tree): the list of the
# seven programs, the number of parallel build jobs and the installer of
# missing Debian packages.

# The programs, in the order of cmake/programs.txt (the one list the build,
# the tools and the tests read).
mapfile -t programs < cmake/programs.txt

# Parallel jobs for builds and runs: one a processor.
jobs=$(nproc 2>/dev/null || echo 4)

# is_program <name>: true when name is one of the programs.
is_program() {
  local p
  for p in "${programs[@]}"; do [ "$p" = "$1" ] && return 0; done
  return 1
}

# install_missing <package...>: installs, as root, the Debian packages that are
# not installed yet; does nothing when all are.
install_missing() {
  local need=() pkg
  for pkg in "$@"; do
    dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
  done
  if [ ${#need[@]} -gt 0 ]; then
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}"
  fi
}
