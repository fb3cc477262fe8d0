"""tools/residue on a small prefix written here and, when RESIDUE_TEST_PREFIX names one, on a
copy of a real Wine prefix changed by Wine's own programs."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

RESIDUE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "residue")

SYSTEM_REG = """WINE REGISTRY Version 2
;; All keys relative to \\\\Machine

#arch=win64

[Software\\\\Vendor\\\\App] {stamp}
#time={time}
"Path"="C:\\\\Program Files\\\\App"
"Blob"=hex:00,01,02,\\
  03,04
{added}
[System\\\\CurrentControlSet\\\\Enum\\\\DISPLAY\\\\Default_Monitor] {stamp}
#time={time}
"Mode"=hex:{time}
"""


def run(*args):
    result = subprocess.run([sys.executable, RESIDUE, *args], capture_output=True, text=True)
    return result.returncode, result.stdout.splitlines()


class ResidueTest(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.mkdtemp()

    def tearDown(self):
        shutil.rmtree(self.work, ignore_errors=True)

    def path(self, *names):
        return os.path.join(self.work, *names)

    def write_prefix(self, name, stamp, added=""):
        os.makedirs(self.path(name, "drive_c", "windows"))
        with open(self.path(name, "drive_c", "windows", "win.ini"), "w") as ini:
            ini.write("[windows]\n")
        with open(self.path(name, "system.reg"), "w") as hive:
            hive.write(SYSTEM_REG.format(stamp=stamp, time=hex(stamp)[2:], added=added))

    def test_shows_exactly_what_was_added_and_not_what_wine_rewrites(self):
        self.write_prefix("before", 1700000000)
        self.write_prefix("after", 1800000000, added='"Added"=dword:00000001')
        os.makedirs(self.path("after", "drive_c", "App"))
        with open(self.path("after", "drive_c", "App", "app.exe"), "wb") as program:
            program.write(b"MZ")
        for name in ("before", "after"):
            self.assertEqual(run("snapshot", self.path(name), self.path(name + ".json"))[0], 0)
        self.assertEqual(run("diff", self.path("before.json"), self.path("after.json")), (1, [
            '+ value HKLM\\Software\\Vendor\\App "Added" = dword:00000001',
            "+ dir  App",
            "+ file App/app.exe",
        ]))
        self.assertEqual(run("diff", self.path("before.json"), self.path("before.json")), (0, []))

    @unittest.skipUnless(os.environ.get("RESIDUE_TEST_PREFIX"), "needs a Wine prefix")
    def test_a_real_prefix_shows_a_value_and_a_file_that_a_program_added(self):
        prefix = self.path("prefix")
        subprocess.run(["cp", "-a", os.environ["RESIDUE_TEST_PREFIX"], prefix], check=True)
        env = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG="-all")
        wine = "/usr/lib/wine/wine64"
        # Wine's own start-up work (renames other tests queued for the restart) happens first.
        subprocess.run([wine, "cmd", "/c", "exit"], env=env, check=True, capture_output=True)
        self.assertEqual(run("snapshot", prefix, self.path("before.json"))[0], 0)
        for command in (["reg", "add", "HKCU\\Software\\ResidueTest", "/v", "Added", "/d", "yes",
                         "/f"], ["cmd", "/c", "echo x>C:\\residue.txt"]):
            subprocess.run([wine, *command], env=env, check=True, capture_output=True)
        self.assertEqual(run("snapshot", prefix, self.path("after.json"))[0], 0)
        self.assertEqual(run("diff", self.path("before.json"), self.path("after.json")), (1, [
            "+ key HKCU\\Software\\ResidueTest",
            '+ value HKCU\\Software\\ResidueTest "Added" = "yes"',
            "+ file residue.txt",
        ]))


if __name__ == "__main__":
    unittest.main()
