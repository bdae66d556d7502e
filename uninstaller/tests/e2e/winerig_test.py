#!/usr/bin/env python3
"""The rig's own promises: a Wine test that cannot run fails unless skipping was asked
for, and a test program that ran no test is no pass."""
import os
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path
from unittest import mock

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
import winerig  # noqa: E402

UNAVAILABLE_SCRIPT = HERE.parent.parent / "win32" / "tests" / "WineUnavailable.cmake"


class WithoutWine(unittest.TestCase):
    def setUp(self):
        nowhere = {"win32": "/nonexistent/wine", "win64": "/nonexistent/wine64"}
        patcher = mock.patch.dict(winerig.LOADERS, nowhere)
        patcher.start()
        self.addCleanup(patcher.stop)
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)

    def create(self, skip):
        env = {k: v for k, v in os.environ.items() if k != winerig.SKIP_VARIABLE}
        if skip is not None:
            env[winerig.SKIP_VARIABLE] = skip
        with mock.patch.dict(os.environ, env, clear=True):
            return winerig.main(["create", "--arch", "win32", str(Path(self.folder.name) / "prefix")])

    def test_fails_unless_asked_to_skip(self):
        self.assertIsNone(winerig.runnable_arch())
        self.assertEqual(self.create(None), 1)
        self.assertEqual(self.create("0"), 1)
        self.assertEqual(self.create("1"), winerig.SKIP)
        self.assertFalse((Path(self.folder.name) / "prefix").exists())

    def test_cmake_stand_in_fails_unless_asked_to_skip(self):
        def run(skip):
            env = {k: v for k, v in os.environ.items() if k != winerig.SKIP_VARIABLE}
            if skip:
                env[winerig.SKIP_VARIABLE] = "1"
            return subprocess.run(["cmake", "-DREASON=no mingw", "-P", str(UNAVAILABLE_SCRIPT), "--", "complete"],
                                  env=env, capture_output=True, text=True)
        failing = run(False)
        self.assertNotEqual(failing.returncode, 0)
        self.assertIn("no mingw", failing.stderr)
        skipped = run(True)
        self.assertEqual(skipped.returncode, 0)
        self.assertIn("skipped (TAVRELLO_SKIP_WINE=1): no mingw", skipped.stderr + skipped.stdout)


class GTestVerdict(unittest.TestCase):
    def verdict(self, xml, exit_code=0):
        with tempfile.TemporaryDirectory() as folder:
            report = Path(folder) / "report.xml"
            if xml is not None:
                report.write_text(xml)
            return winerig.gtest_verdict(report, exit_code)[0]

    def test_passes_only_when_tests_ran_and_none_failed(self):
        self.assertTrue(self.verdict('<testsuites tests="27" failures="0" errors="0"/>'))
        self.assertFalse(self.verdict('<testsuites tests="0" failures="0" errors="0"/>'))
        self.assertFalse(self.verdict('<testsuites tests="27" failures="1" errors="0"/>', exit_code=1))
        self.assertFalse(self.verdict('<testsuites tests="27" failures="0" errors="1"/>'))
        self.assertFalse(self.verdict('<testsuites tests="27" failures="0" errors="0"/>', exit_code=3))
        self.assertFalse(self.verdict(None, exit_code=0))


if __name__ == "__main__":
    unittest.main()
