#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Chalkline into dist/ and checks it with lintian. The
# build, in build/package, uses Debian's own compiler flags (hardening included) and
# builds only what ships: no tests, no show_screen, no benchmark. Install it with:
# apt-get install ./dist/chalkline_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh package
root=$PWD

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
cmake -S . -B build/package -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DCHALKLINE_WERROR=ON -DBUILD_TESTING=OFF -DCHALKLINE_TOOLS=OFF \
    -DCMAKE_CXX_FLAGS="$CXXFLAGS $CPPFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS"
cmake --build build/package -j "$(nproc)"

rm -f dist/chalkline_*.deb
(cd build/package && cpack -G DEB -D CPACK_OUTPUT_FILE_PREFIX="$root/dist")
package=$(ls dist/chalkline_*.deb)
lintian --fail-on error --display-info "$package"
echo "Built $package"
