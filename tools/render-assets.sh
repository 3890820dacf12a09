#!/usr/bin/env bash
# Renders Corvane's skin images into resources/ and rewrites the resource
# list resources/corvane.qrc to match. Needs only the Qt 5 development
# files and the Noto CJK fonts (tools/deps.sh installs both).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

g++ -std=c++17 -O2 -fPIC -Wall -Wextra -o "$work/render_assets" "$top/tools/render_assets.cpp" \
    $(pkg-config --cflags --libs Qt5Gui)
"$work/render_assets" "$top/resources"

# The resource list: every skin image, plus aliases for the about page's
# wide buttons, which the page names without the "new/" folder.
cd "$top/resources"
{
  echo '<RCC>'
  echo '    <qresource prefix="/Corvane">'
  find Skin -name '*.png' | LC_ALL=C sort | while read -r f; do
    echo "        <file>$f</file>"
  done
  for f in Button_normal_200.png Button_selected_200.png Button_press_200.png; do
    echo "        <file alias=\"Skin/$f\">Skin/new/$f</file>"
  done
  [ -f openSource.html ] && echo '        <file>openSource.html</file>'
  echo '    </qresource>'
  echo '</RCC>'
} > corvane.qrc
echo "resources/corvane.qrc lists $(grep -c '<file' corvane.qrc) entries"
