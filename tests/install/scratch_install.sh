# Sourced by the install checks: installs the build folder $1 into a fresh prefix,
# $prefix inside $scratch, both removed when the check ends.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$(realpath "$scratch")/prefix
cmake --install "$1" --prefix "$prefix" >/dev/null
