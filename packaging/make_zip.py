#!/usr/bin/env python3
"""Zips a staged folder into the same bytes wherever, whenever and by whomever it is run.

Entries come in the order of their names, each with the packages' time, the permissions its
kind of file has on every machine, and no extra fields: those would carry the packager's user
and group and the staging folder's times. A zip's times name no time zone; they are written in
UTC, as the release runs. Compressed at one fixed level.

Usage: make_zip.py STAGE_DIR ZIP EPOCH_FILE
"""
import os
import sys
import time
import zipfile
from pathlib import Path

UNIX = 3  # the host system that gives external_attr its meaning: Unix permissions


def main(stage_dir, zip_path, epoch_file):
    epoch = int(Path(epoch_file).read_text())
    date_time = time.gmtime(epoch)[:6]
    stage = Path(stage_dir)
    files = sorted((path.relative_to(stage).as_posix(), path)
                   for path in stage.rglob("*") if path.is_file())
    partial = Path(zip_path + ".partial")
    with zipfile.ZipFile(partial, "w") as archive:
        for name, path in files:
            entry = zipfile.ZipInfo(name, date_time)
            entry.create_system = UNIX
            mode = 0o755 if os.stat(path).st_mode & 0o111 else 0o644
            entry.external_attr = (0o100000 | mode) << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(entry, path.read_bytes(), compresslevel=9)
    partial.replace(zip_path)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit("usage: make_zip.py STAGE_DIR ZIP EPOCH_FILE")
    main(*sys.argv[1:])
