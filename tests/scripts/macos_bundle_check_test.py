"""scripts/macos-bundle-check on a recorded `otool -l` of a deployed Cuevox.app, in a bundle
tree made of empty files at the recorded paths."""

import importlib.machinery
import importlib.util
import re
import tempfile
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
_loader = importlib.machinery.SourceFileLoader("check", str(ROOT / "scripts/macos-bundle-check"))
check = importlib.util.module_from_spec(importlib.util.spec_from_loader("check", _loader))
_loader.exec_module(check)
RECORDED = (ROOT / "tests/data/macos-bundle/Cuevox.app.otool-l").read_text()


def edited(binary, old, new):
    """The recording with `old` replaced by `new` in the part of `binary` alone."""
    start = RECORDED.index(f"Cuevox.app/{binary}:\n")
    end = RECORDED.find("\n/", start)
    block = RECORDED[start:end]
    assert old in block, f"{binary} has no {old!r}"
    return RECORDED[:start] + block.replace(old, new, 1) + RECORDED[end:]


def problems(recorded, prepare=lambda root: None):
    with tempfile.TemporaryDirectory() as scratch:
        root = Path(scratch, "Cuevox.app")
        binaries = check.parse_otool(recorded)
        for path in binaries:
            (root / path).parent.mkdir(parents=True, exist_ok=True)
            (root / path).touch()
        prepare(root)
        return check.Bundle(root, binaries).check()


class BundleCheck(unittest.TestCase):
    def test_deployed_bundle_passes(self):
        self.assertEqual(problems(RECORDED), [])

    def test_half_deployed_bundles_fail(self):
        F = "@executable_path/../Frameworks/"
        icu, data = "Contents/Frameworks/libicu", "@loader_path/libicudata.77.dylib"
        cases = [
            # (what, in which binary, replace this, with this, the problems)
            ("ICU's data one folder too high", "Contents/Frameworks/libicudata.77.dylib", "Frameworks/libicudata", "libicudata", [f"{icu}uc.77.dylib: {data} is not in the bundle", f"{icu}i18n.77.dylib: {data} is not in the bundle"]),
            ("a Homebrew search path first", "Contents/MacOS/Cuevox", "path @executable_path/../Frameworks", "path /opt/homebrew/lib (offset 12)\nLoad command 29\n          cmd LC_RPATH\n         path @executable_path/../Frameworks", ["Contents/MacOS/Cuevox: search path /opt/homebrew/lib is outside the bundle"]),
            ("a search path climbing out", "Contents/PlugIns/platforms/libqcocoa.dylib", "name @rpath/QtCore", "cmd LC_RPATH\n         path @loader_path/../../../../lib (offset 12)\n          cmd LC_LOAD_DYLIB\n         name @rpath/QtCore", ["Contents/PlugIns/platforms/libqcocoa.dylib: search path @loader_path/../../../../lib is outside the bundle"]),
            ("a plug-in still loading Homebrew's libjpeg", "Contents/PlugIns/imageformats/libqjpeg.dylib", F + "libjpeg.8.dylib", "/opt/homebrew/opt/jpeg-turbo/lib/libjpeg.8.dylib", ["Contents/PlugIns/imageformats/libqjpeg.dylib: /opt/homebrew/opt/jpeg-turbo/lib/libjpeg.8.dylib resolves outside the bundle, to /opt/homebrew/opt/jpeg-turbo/lib/libjpeg.8.dylib"]),
            ("a path climbing out of the bundle", "Contents/MacOS/cuevox-cli", F + "libexpat.1.dylib", "@executable_path/../../../libexpat.1.dylib", ["Contents/MacOS/cuevox-cli: @executable_path/../../../libexpat.1.dylib resolves outside the bundle, to ../libexpat.1.dylib"]),
            ("a framework version that is not there", "Contents/PlugIns/iconengines/libqsvgicon.dylib", "QtSvg.framework/Versions/A", "QtSvg.framework/Versions/B", ["Contents/PlugIns/iconengines/libqsvgicon.dylib: @rpath/QtSvg.framework/Versions/B/QtSvg is not in the bundle"]),
            ("a missing weak dependency", "Contents/PlugIns/platforms/libqcocoa.dylib", "LC_LOAD_DYLIB\n      cmdsize 64\n         name @rpath/QtGui.framework/Versions/A", "LC_LOAD_WEAK_DYLIB\n      cmdsize 64\n         name @rpath/QtGui.framework/Versions/B", []),
            ("the executable's @loader_path serving its plug-ins", "Contents/MacOS/Cuevox", "path @executable_path/../Frameworks", "path @loader_path/../Frameworks", []),
            ("a library's own name left as Homebrew's", "Contents/Frameworks/libjpeg.8.dylib", "name " + F + "libjpeg.8.dylib", "name /opt/homebrew/opt/jpeg-turbo/lib/libjpeg.8.dylib", []),
        ]
        for what, binary, old, new, expected in cases:
            with self.subTest(what):
                self.assertEqual(sorted(problems(edited(binary, old, new))), sorted(expected))

    def test_a_link_out_of_the_bundle_fails(self):
        def link_out(root):
            library = root / "Contents/Frameworks/libexpat.1.dylib"
            library.unlink()
            library.symlink_to(root.parent / "libexpat.1.dylib")
            (root.parent / "libexpat.1.dylib").touch()
        name = "@executable_path/../Frameworks/libexpat.1.dylib"
        self.assertEqual(problems(RECORDED, link_out),
                         [f"Contents/MacOS/{program}: {name} leads outside the bundle by a link"
                          for program in ("Cuevox", "cuevox-cli")])

    def test_mach_o_files_by_their_magic(self):
        with tempfile.TemporaryDirectory() as scratch:
            files = {"thin": "cffaedfe", "fat": "cafebabe", "script": "23212f62", "plist": "3c3f786d"}
            for name, start in files.items():
                Path(scratch, name).write_bytes(bytes.fromhex(start) + b"\0" * 12)
            Path(scratch, "link").symlink_to(Path(scratch, "thin"))
            found = sorted(path.name for path in check.mach_o_files(scratch))
            self.assertEqual(found, ["fat", "thin"])


if __name__ == "__main__":
    unittest.main()
