#!/usr/bin/env python3
"""Every function a delay-load .def names is bound in Corvane.exe to a thunk
that loads its library: its delay-import address slot holds an address in the
program's code. A slot left 0 is a jump to address 0 at the function's first
call, as the 32-bit program once did at every start.

Usage: delay_imports.py <Corvane.exe> <library.def>...
Exits 1 and names each function whose slot is not bound."""
import struct
import sys

EXECUTABLE = 0x20000000


class Image:
    def __init__(self, path):
        self.data = open(path, "rb").read()
        pe = struct.unpack_from("<I", self.data, 0x3C)[0]
        sections, optional_size = struct.unpack_from("<H12xH", self.data, pe + 6)
        optional = pe + 24
        self.wide = struct.unpack_from("<H", self.data, optional)[0] == 0x20B
        self.base = (struct.unpack_from("<Q", self.data, optional + 24)[0] if self.wide
                     else struct.unpack_from("<I", self.data, optional + 28)[0])
        self.sections = []
        for at in range(optional + optional_size, optional + optional_size + 40 * sections, 40):
            size, rva, raw_size, raw = struct.unpack_from("<IIII", self.data, at + 8)
            flags = struct.unpack_from("<I", self.data, at + 36)[0]
            self.sections.append((rva, max(size, raw_size), raw, raw_size, flags))

    def section(self, rva):
        for section in self.sections:
            if section[0] <= rva < section[0] + section[1]:
                return section
        return None

    def offset(self, rva):
        section = self.section(rva)
        if section is None or rva - section[0] >= section[3]:
            return None
        return section[2] + rva - section[0]

    def word(self, rva, size):
        at = self.offset(rva)
        if at is None:
            return None
        return struct.unpack_from("<Q" if size == 8 else "<I", self.data, at)[0]

    def text(self, rva):
        at = self.offset(rva)
        if at is None:
            return None
        end = self.data.find(b"\0", at)
        return self.data[at:end].decode("latin-1")

    def in_code(self, address):
        section = self.section(address - self.base) if address >= self.base else None
        return section is not None and section[4] & EXECUTABLE != 0

    def delay_descriptors(self):
        """(library, import name table rva, address table rva) of each
        delay-import descriptor: attributes 1 (fields are RVAs), a library
        name, both tables in the image, and bound, unload and time stamp 0."""
        for _, _, raw, raw_size, _ in self.sections:
            for at in range(raw, raw + raw_size - 32 + 1, 4):
                fields = struct.unpack_from("<8I", self.data, at)
                if fields[0] != 1 or any(fields[5:8]):
                    continue
                name = self.text(fields[1])
                if name and name.lower().endswith(".dll") and self.offset(fields[3]) and self.offset(fields[4]):
                    yield name.lower(), fields[4], fields[3]


def expected_functions(def_path):
    library, functions, exports = None, [], False
    for line in open(def_path):
        line = line.split(";")[0].strip()
        if line.startswith("LIBRARY"):
            library = line.split()[1].lower()
        elif line == "EXPORTS":
            exports = True
        elif exports and line:
            functions.append(line.split("@")[0])
    return library, functions


def main(exe, defs):
    image = Image(exe)
    size = 8 if image.wide else 4
    bound = {}
    for library, names, slots in image.delay_descriptors():
        for index in range(10000):
            entry = image.word(names + index * size, size)
            if not entry:
                break
            function = image.text(entry + 2)
            bound[(library, function)] = image.in_code(image.word(slots + index * size, size) or 0)
    failures = 0
    for def_path in defs:
        library, functions = expected_functions(def_path)
        for function in functions:
            if not bound.get((library, function), False):
                print(f"FAILED: {exe}: {library}!{function} has no delay-load thunk in its slot")
                failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))
