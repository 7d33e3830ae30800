#!/usr/bin/env bash
# Does install-deps.sh bring everything this configured build found onto a
# fresh machine? Maps each package config (*_DIR), each library found by
# path (*_LIBRARY) and the compiler and build tool recorded in
# BUILD_DIR/CMakeCache.txt to the Debian package that owns it, and names the
# packages outside the dependency closure of the install list.
# Usage: check-build-deps.sh BUILD_DIR [PACKAGE...]  (default: the install list)
# Exit 0 when all are covered, 1 when some are missing, 2 on wrong usage.
set -u
cache=${1:-}/CMakeCache.txt
shift || true
[ -f "$cache" ] || { echo "usage: check-build-deps.sh BUILD_DIR [PACKAGE...]" >&2; exit 2; }
if [ $# -eq 0 ]; then
    mapfile -t listed < <("$(dirname "$0")/install-deps.sh" --list)
    set -- "${listed[@]}"
fi

closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts \
    --no-breaks --no-replaces --no-enhances "$@" 2>/dev/null | grep -v '^ ' | sort -u)
[ -n "$closure" ] || { echo "apt-cache knows none of: $*  (run apt-get update once)" >&2; exit 2; }

# What the build uses, one file each.
found_files() {
    local dir name
    sed -n 's/^[A-Za-z0-9_]*_DIR:PATH=\(\/usr\/.*\)$/\1/p' "$cache" | sort -u | while read -r dir; do
        name=$(basename "$dir")
        for f in "$dir/${name}Config.cmake" "$dir/${name,,}-config.cmake"; do
            [ -f "$f" ] && { echo "$f"; break; }
        done
    done
    sed -n 's/^[A-Za-z0-9_]*_LIBRARY:FILEPATH=\(\/usr\/.*\)$/\1/p' "$cache"
    sed -n 's/^CMAKE_MAKE_PROGRAM:FILEPATH=\(.*\)$/\1/p' "$cache"
    command -v "$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=\(.*\)$/\1/p' "$cache")"
}

# The package owning a file, following symlinks (alternatives) when needed.
owner_of() {
    local owner
    owner=$(dpkg -S "$1" 2>/dev/null || dpkg -S "$(readlink -f "$1")" 2>/dev/null)
    head -n 1 <<<"$owner" | sed 's/: .*//; s/:[a-z0-9]*//g; s/, /\n/g'
}

missing=()
while read -r file; do
    owners=$(owner_of "$file")
    [ -n "$owners" ] || continue
    grep -qxFf <(echo "$owners") <<<"$closure" || missing+=("$(head -n 1 <<<"$owners") (owns $file)")
done < <(found_files | sort -u)

if [ ${#missing[@]} -gt 0 ]; then
    echo "A fresh machine would lack these Debian packages, which this build found:"
    printf '  %s\n' "${missing[@]}" | sort -u
    exit 1
fi
echo "scripts/install-deps.sh covers every package this build found"
