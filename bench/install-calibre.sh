#!/usr/bin/env bash
# Installs calibre when it is missing; the benchmarks compare against it.
command -v calibre-debug >/dev/null && exit 0
echo "installing calibre (bench only)" >&2
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get install -y -q calibre >/dev/null ||
  { $sudo apt-get update -q >/dev/null && $sudo apt-get install -y -q calibre >/dev/null; }
