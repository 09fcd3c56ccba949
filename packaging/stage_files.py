#!/usr/bin/env python3
"""Stages one build's shipped files the way both its zip and the installer take them.

The build's install rules put the files in place, stripped with the packages' time in each
program's header (binutils takes SOURCE_DATE_EPOCH). Each program is then padded to where a
signature would begin and signed where the packages are signed, and every file gets the
packages' time as its own, which the installer keeps for the files it installs.

Usage: stage_files.py CMAKE PROGRAMS_BUILD_DIR STAGE_DIR EPOCH_FILE
Signs when CORVESSA_SIGN_COMMAND is set (packaging/sign_file.sh says how).
"""
import os
import shutil
import struct
import subprocess
import sys
from pathlib import Path

SIGN_FILE = Path(__file__).with_name("sign_file.sh")
# Authenticode puts the signature at the end of the file, at an offset that is a multiple of 8.
SIGNATURE_ALIGNMENT = 8


def pe_checksum_offset(data):
    """Where the optional header's CheckSum lies, or None when `data` is no PE file."""
    if len(data) < 64 or data[:2] != b"MZ":
        return None
    header = struct.unpack_from("<I", data, 60)[0]
    if data[header:header + 4] != b"PE\0\0":
        return None
    return header + 24 + 64


def pe_checksum(data, offset):
    """The PE header checksum as the loader and the signing tools compute it."""
    words = memoryview(data + b"\0" * (len(data) % 2)).cast("H")
    skipped = (offset // 2, offset // 2 + 1)
    total = 0
    for index, word in enumerate(words):
        if index not in skipped:
            total += word
            total = (total & 0xFFFF) + (total >> 16)
    return total + len(data)


def pad_for_signature(path, offset):
    """Pads the program to where a signature begins, with its checksum written anew.

    A signing tool pads the file so before it appends the signature, and removing the
    signature leaves that padding with a fresh checksum. The i686 programs end in a 14-byte
    string table of section names; padded here already, a signed program with its signature
    removed is byte for byte the unsigned one.
    """
    data = bytearray(path.read_bytes())
    data += b"\0" * (-len(data) % SIGNATURE_ALIGNMENT)
    struct.pack_into("<I", data, offset, pe_checksum(bytes(data), offset))
    path.write_bytes(data)


def main(cmake, programs_build_dir, stage_dir, epoch_file):
    epoch = int(Path(epoch_file).read_text())
    stage = Path(stage_dir)
    shutil.rmtree(stage, ignore_errors=True)
    subprocess.run([cmake, "--install", programs_build_dir, "--prefix", stage, "--strip"],
                   env=dict(os.environ, SOURCE_DATE_EPOCH=str(epoch)),
                   stdout=subprocess.DEVNULL, check=True)
    files = sorted(path for path in stage.rglob("*") if path.is_file())
    for path in files:
        offset = pe_checksum_offset(path.read_bytes())
        if offset is None:
            continue
        pad_for_signature(path, offset)
        if os.environ.get("CORVESSA_SIGN_COMMAND"):
            mode = path.stat().st_mode
            if subprocess.run([SIGN_FILE, path]).returncode:
                sys.exit(f"stage_files.py: signing {path} failed")
            path.chmod(mode)  # a signing tool writes a new file, with permissions of its own
    for path in files:
        os.utime(path, (epoch, epoch))


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit("usage: stage_files.py CMAKE PROGRAMS_BUILD_DIR STAGE_DIR EPOCH_FILE")
    main(*sys.argv[1:])
