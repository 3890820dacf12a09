#!/usr/bin/env bash
# Writes resources/openSource.html: the licence notices of the open-source
# components Corvane really uses, with the licence texts as Debian ships them
# in /usr/share/common-licenses. Run tools/render-assets.sh afterwards so the
# resource list includes it.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
out="$top/resources/openSource.html"
licences=/usr/share/common-licenses

escape() { sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' "$1"; }

{
  cat <<'HEAD'
<html>
<head><meta charset="utf-8"><title>Open source licences</title></head>
<body style="font-family:'Microsoft YaHei'; color:#6d6d6d;">
<h2 style="color:#00a9c0;">Open source software in Corvane</h2>
<p>Corvane is built with the following open-source components. Each is used
unmodified, as a shared library, under the licence named here; the full
licence texts follow.</p>
<table cellpadding="4">
<tr><td><b>Qt 5</b> (Core, Gui, Widgets, Network)</td><td>GNU Lesser General Public License 3.0
(which refers to the GNU General Public License 3.0)</td><td>https://www.qt.io/</td></tr>
<tr><td><b>FFmpeg</b> (libavformat, libavcodec, libavutil, libswscale)</td><td>GNU Lesser General
Public License 2.1 or later</td><td>https://ffmpeg.org/</td></tr>
<tr><td><b>libqrencode</b> (the QR code of the web page)</td><td>GNU Lesser General Public License
2.1 or later</td><td>https://fukuchi.org/works/qrencode/</td></tr>
<tr><td><b>OpenSSL 3</b> (loaded by Qt Network for HTTPS)</td><td>Apache License 2.0</td>
<td>https://www.openssl.org/</td></tr>
</table>
<p>The source code of these components is available from their projects and
from Debian (https://sources.debian.org/).</p>
HEAD
  for entry in "LGPL-3:GNU Lesser General Public License 3.0" \
               "GPL-3:GNU General Public License 3.0" \
               "LGPL-2.1:GNU Lesser General Public License 2.1" \
               "Apache-2.0:Apache License 2.0"; do
    file="${entry%%:*}"
    title="${entry#*:}"
    echo "<h3 style=\"color:#00a9c0;\">$title</h3>"
    echo "<pre style=\"font-size:11px;\">"
    escape "$licences/$file"
    echo "</pre>"
  done
  echo "</body>"
  echo "</html>"
} > "$out"
echo "wrote $out ($(wc -c < "$out") bytes)"
