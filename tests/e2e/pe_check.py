"""Reads the shipped Windows program back from its file: a GUI executable for the expected
processor that imports only Windows' own DLLs, with the application manifest embedded as
resource 1 of type 24 asking for administrator rights and the common controls 6.

usage: pe_check.py PROGRAM.exe i386|amd64"""

import struct
import sys
import unittest
import xml.etree.ElementTree as ET

PROGRAM, ARCH = sys.argv[1:3]
MACHINES = {"i386": (0x14C, 0x10B, "x86"), "amd64": (0x8664, 0x20B, "amd64")}
GUI_SUBSYSTEM = 2
RT_MANIFEST = 24
# Windows' own DLLs, which every Windows has; nothing else may be needed beside the .exe.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "advapi32.dll", "ole32.dll", "oleaut32.dll",
               "msvcrt.dll", "ws2_32.dll", "gdi32.dll", "shell32.dll", "comctl32.dll",
               "wininet.dll", "winhttp.dll", "crypt32.dll", "shlwapi.dll", "version.dll"}
ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"


class Pe:
    def __init__(self, data):
        self.data = data
        (pe,) = struct.unpack_from("<I", data, 0x3C)
        assert data[pe:pe + 4] == b"PE\0\0", "no PE signature"
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from(
            "<HHIIIHH", data, pe + 4)
        opt = pe + 24
        (self.magic,) = struct.unpack_from("<H", data, opt)
        pe32plus = self.magic == 0x20B
        (self.subsystem,) = struct.unpack_from("<H", data, opt + 68)
        directories = opt + (112 if pe32plus else 96)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i)
                            for i in range(16)]
        table = opt + optional_size
        self.sections = []
        for i in range(sections):
            _, vsize, rva, raw_size, raw = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((rva, max(vsize, raw_size), raw))
        self.pe32plus = pe32plus

    def offset(self, rva):
        for start, size, raw in self.sections:
            if start <= rva < start + size:
                return raw + rva - start
        raise ValueError(f"RVA {rva:#x} in no section")

    def cstring(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode()

    def imports(self):
        rva, _ = self.directories[1]
        names = []
        at = self.offset(rva)
        while True:
            fields = struct.unpack_from("<IIIII", self.data, at)
            if not any(fields):
                return names
            names.append(self.cstring(fields[3]))
            at += 20

    def resource(self, type_id, name_id):
        """The bytes of the first language of resource name_id of type type_id."""
        base_rva, _ = self.directories[2]
        base = self.offset(base_rva)

        def entries(directory):
            named, ids = struct.unpack_from("<HH", self.data, base + directory + 12)
            for i in range(named + ids):
                yield struct.unpack_from("<II", self.data, base + directory + 16 + 8 * i)

        def child(directory, wanted):
            for ident, target in entries(directory):
                if wanted is None or ident == wanted:
                    return target & 0x7FFFFFFF
            return None

        types = child(0, type_id)
        names = types is not None and child(types, name_id)
        languages = names and child(names, None)
        if not languages:
            return None
        data_rva, size, _, _ = struct.unpack_from("<IIII", self.data, base + languages)
        at = self.offset(data_rva)
        return self.data[at:at + size]


class ShippedProgram(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(PROGRAM, "rb") as f:
            cls.pe = Pe(f.read())

    def test_a_gui_program_for_the_processor(self):
        machine, magic, _ = MACHINES[ARCH]
        self.assertEqual((self.pe.machine, self.pe.magic), (machine, magic))
        self.assertEqual(self.pe.subsystem, GUI_SUBSYSTEM)

    def test_imports_only_windows_own_dlls(self):
        imports = {name.lower() for name in self.pe.imports()}
        self.assertIn("kernel32.dll", imports)
        self.assertEqual(imports - SYSTEM_DLLS, set())

    def test_manifest_asks_for_administrator_and_common_controls(self):
        text = self.pe.resource(RT_MANIFEST, 1)
        self.assertIsNotNone(text, "no manifest resource 1 of type 24")
        root = ET.fromstring(text)
        processor = MACHINES[ARCH][2]
        identity = root.find(ASM_V1 + "assemblyIdentity")
        self.assertEqual((identity.get("type"), identity.get("processorArchitecture")),
                         ("win32", processor))
        dependency = root.find(f"{ASM_V1}dependency/{ASM_V1}dependentAssembly/"
                               f"{ASM_V1}assemblyIdentity")
        self.assertEqual(dict(dependency.attrib), {
            "type": "win32", "name": "Microsoft.Windows.Common-Controls",
            "version": "6.0.0.0", "processorArchitecture": processor,
            "publicKeyToken": "6595b64144ccf1df", "language": "*"})
        level = root.find(f"{ASM_V3}trustInfo/{ASM_V3}security/{ASM_V3}requestedPrivileges/"
                          f"{ASM_V3}requestedExecutionLevel")
        self.assertEqual(dict(level.attrib), {"level": "requireAdministrator",
                                              "uiAccess": "false"})


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
