#!/usr/bin/env bash
# Installs the udev rule that lets a normal user open the USB-to-DMX
# interfaces, only when it is missing or differs. Works as root, or through
# sudo at a terminal; without a terminal (CI) it never asks and only says
# what to do. VARNEL_UDEV_RULES_DIR chooses another target folder (tests).
set -uo pipefail
cd "$(dirname "$0")/.."

rule=resources/udev/60-varneldmx-ftdi.rules
target_dir=${VARNEL_UDEV_RULES_DIR:-/etc/udev/rules.d}
target=$target_dir/$(basename "$rule")

if cmp -s "$rule" "$target"; then exit 0; fi

as_root=()
if [ "$(id -u)" -ne 0 ] && [ ! -w "$target_dir" ]; then
  if [ -t 0 ] && [ -z "${CI:-}" ] && command -v sudo >/dev/null; then
    as_root=(sudo)
  elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    as_root=(sudo -n)
  else
    echo "Note: USB-to-DMX interfaces need the udev rule $target;" \
         "install it as root: install -m 0644 $rule $target_dir/" >&2
    exit 0
  fi
fi

echo "Installing the udev rule for USB-to-DMX interfaces: $target"
if ! "${as_root[@]}" install -D -m 0644 "$rule" "$target" </dev/null; then
  echo "Note: could not install $target; USB-to-DMX interfaces may not open." >&2
  exit 0
fi
# Devices already plugged in get the rule at once; without a running udev
# (containers) it applies from the next start.
if [ -z "${VARNEL_UDEV_RULES_DIR:-}" ] && command -v udevadm >/dev/null; then
  "${as_root[@]}" udevadm control --reload-rules </dev/null 2>/dev/null &&
    "${as_root[@]}" udevadm trigger --subsystem-match=usb --attr-match=idVendor=0403 </dev/null 2>/dev/null
fi
exit 0
