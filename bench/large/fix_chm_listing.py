#!/usr/bin/env python3
"""Points the directory header of a .chm file at its first listing chunk.

    fix_chm_listing.py FILE.chm

chmcmd 3.2.2 writes the number of the *last* listing chunk (PMGL) where the
header holds the first one once the directory needs more than one chunk;
chmlib's readers enumerate from there and see only the names of the last
chunk.  The first chunk is the one without a predecessor.  Prints what it
changed; a file already sound is left alone.
"""

import struct
import sys

ITSP_HEADER_LENGTH = 8  # offsets inside the ITSP header
ITSP_CHUNK_SIZE = 16
ITSP_FIRST_LISTING = 32
ITSP_CHUNK_COUNT = 44


def first_listing_chunk(data, base, chunk_size, count):
    for number in range(count):
        chunk = data[base + number * chunk_size : base + (number + 1) * chunk_size]
        if chunk[:4] == b"PMGL" and struct.unpack_from("<i", chunk, 12)[0] == -1:
            return number
    return None


def main(path):
    with open(path, "r+b") as f:
        data = f.read()
        itsp = data.find(b"ITSP")
        if itsp < 0:
            sys.exit(f"fix_chm_listing: {path} has no directory header")

        def field(offset):
            return struct.unpack_from("<i", data, itsp + offset)[0]

        base = itsp + field(ITSP_HEADER_LENGTH)
        first = first_listing_chunk(data, base, field(ITSP_CHUNK_SIZE), field(ITSP_CHUNK_COUNT))
        if first is None:
            sys.exit(f"fix_chm_listing: {path} has no first listing chunk")
        if field(ITSP_FIRST_LISTING) != first:
            print(f"{path}: first listing chunk {field(ITSP_FIRST_LISTING)} -> {first}")
            f.seek(itsp + ITSP_FIRST_LISTING)
            f.write(struct.pack("<i", first))


if __name__ == "__main__":
    main(sys.argv[1])
