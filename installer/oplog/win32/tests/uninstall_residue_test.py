"""A product installed by the Installer, its changes recorded by the operation log, then
uninstalled unattended in two stages: tools/residue finds nothing of it in a copy of the tests'
Wine prefix, though it finds what the installation added."""

import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "..")
RESIDUE = os.path.join(ROOT, "tools", "residue")
WINE = "/usr/lib/wine/wine64"


class UninstallResidueTest(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.mkdtemp()
        self.prefix = os.path.join(self.work, "prefix")
        subprocess.run(["cp", "-a", os.environ["RESIDUE_TEST_PREFIX"], self.prefix], check=True)
        self.env = dict(os.environ, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=")
        self.bin = os.environ["PROGRAMS"]
        self.drive = os.path.join(self.prefix, "drive_c")

    def tearDown(self):
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)
        shutil.rmtree(self.work, ignore_errors=True)

    def wine(self, *command):
        """Exit code and output; the output goes through a file, since what Wine leaves running
        (the desktop, the RPC service) would hold a pipe open."""
        output = os.path.join(self.work, "output.txt")
        with open(output, "w") as out:
            code = subprocess.run([WINE, *command], env=self.env, stdout=out, stderr=out,
                                  timeout=120).returncode
        with open(output) as out:
            return code, out.read()

    def snapshot(self, name):
        path = os.path.join(self.work, name)
        subprocess.run([sys.executable, RESIDUE, "snapshot", self.prefix, path], check=True,
                       env=self.env, capture_output=True)
        return path

    def diff(self, before, after):
        result = subprocess.run([sys.executable, RESIDUE, "diff", before, after],
                                capture_output=True, text=True)
        return result.returncode, result.stdout

    def test_the_uninstall_leaves_nothing_of_what_the_installation_added(self):
        shutil.copy(os.path.join(self.bin, "movexe.exe"), os.path.join(self.drive, "windows"))
        before = self.snapshot("before")
        code, output = self.wine(os.path.join(self.bin, "record_installation.exe"),
                                 "Z:" + self.bin.replace("/", "\\"))
        self.assertEqual(code, 0, output)
        added, changes = self.diff(before, self.snapshot("installed"))
        self.assertEqual(added, 1)
        self.assertIn("Residue Test", changes)

        code, output = self.wine("C:\\Program Files\\Residue Test\\uninst\\awmain.exe", "/S")
        self.assertEqual(code, 0, output)
        program = os.path.join(self.drive, "awmain.exe")
        for _ in range(300):
            if not os.path.exists(program):
                break
            time.sleep(0.1)
        left, residue = self.diff(before, self.snapshot("after"))
        self.assertEqual(left, 0, residue)


if __name__ == "__main__":
    unittest.main()
