#!/usr/bin/env python3
"""What makes two builds' packages the same bytes, checked on this build's: every time they
hold is the commit's (or SOURCE_DATE_EPOCH): the programs' headers, the zips' entries and the
staged files whose times the installer keeps; the zips list their entries in name order with
no owners and hold exactly the staged files; and no shipped file holds this machine's folders.

Usage: reproducible_packages.py SOURCE_DIR BUILD_DIR... -- ZIP STAGE_DIR [ZIP STAGE_DIR...]
"""
import os
import struct
import subprocess
import sys
import time
import zipfile
from pathlib import Path

separator = sys.argv.index("--")
source_dir, build_dirs = sys.argv[1], sys.argv[2:separator]
packages = sys.argv[separator + 1:]
epoch = int(os.environ.get("SOURCE_DATE_EPOCH") or subprocess.run(
    ["git", "-C", source_dir, "log", "-1", "--format=%ct"], capture_output=True, check=True).stdout)
made_for = int((Path(packages[1]).parent / "source_date_epoch").read_text())
if made_for != epoch:
    sys.exit(f"The packages were made for the time {made_for}, not the commit's {epoch}: "
             "SOURCE_DATE_EPOCH differs, or the targets package and installer need building again.")
# A zip's time has a resolution of two seconds.
zip_time = time.gmtime(epoch - epoch % 2)[:6]
folders = [os.path.realpath(path).encode() for path in (source_dir, *build_dirs)]
faults = []

for zip_path, stage in zip(packages[::2], packages[1::2]):
    staged = {path.name: path for path in Path(stage).iterdir()}
    with zipfile.ZipFile(zip_path) as archive:
        entries = archive.infolist()
        names = [entry.filename for entry in entries]
        if names != sorted(names) or set(names) != set(staged):
            faults.append(f"{zip_path} lists {names}, not the staged files in name order")
        for entry in entries:
            data = archive.read(entry)
            where = f"{zip_path}: {entry.filename}"
            if entry.date_time != zip_time or entry.extra:
                faults.append(f"{where} has the time {entry.date_time} and extra fields {entry.extra}")
            if entry.filename in staged and staged[entry.filename].read_bytes() != data:
                faults.append(f"{where} is not the staged file")
            if data[:2] == b"MZ":
                header = struct.unpack_from("<I", data, 60)[0]
                stamp = struct.unpack_from("<I", data, header + 8)[0]
                if stamp != epoch:
                    faults.append(f"{where} has the time stamp {stamp} in its header")
            for folder in folders:
                if folder in data or folder.decode().encode("utf-16-le") in data:
                    faults.append(f"{where} holds the folder {folder.decode()}")
    for name, path in staged.items():
        if path.stat().st_mtime != epoch:
            faults.append(f"{path} has the file time {path.stat().st_mtime}")

print("\n".join(faults) or f"every time in the packages is {epoch}; zips in order, without owners or folders")
sys.exit(1 if faults else 0)
