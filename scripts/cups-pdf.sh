#!/usr/bin/env bash
# Starts CUPS when it is not running and adds the PDF print queue that the
# printing tests print through (cups-pdf writes each job as a PDF file into
# the submitting user's home, ~/PDF). Safe to run again: what is there stays.
set -euo pipefail
CODA=TremaluxorPDF

if ! command -v lpstat >/dev/null; then
  echo "cups-pdf.sh: CUPS is not installed; the real-printer tests will be skipped" >&2
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  $SUDO /usr/sbin/cupsd
  for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
  done
fi
if ! lpstat -p "$CODA" >/dev/null 2>&1; then
  $SUDO lpadmin -p "$CODA" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
fi
lpstat -p "$CODA"
