"""LineWink's distribution, built from packaging/linewink/linewink.json, installed by setup.exe in
a copy of the tests' Wine prefix, with /S or with its dialogs answered by lw_answer_dialogs:
LineWink starts from where it was installed and keeps the settings the installation wrote; its
Uninstall entry with /S then takes everything away again."""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..")
RESIDUE = os.path.join(ROOT, "tools", "residue")
WINE = "/usr/lib/wine/wine64"
UNINSTALL_KEY = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\LineWink"
SHIPPED = ["awmain.exe", "setup.exe", "movexe.exe", "lzpunz2.dll", "awenu.dll", "aweng.dll",
           "awdeu.dll", "awfra.dll", "LineWink.exe"]
# What stays by design: the helper every product's uninstaller hands its last steps to, and the
# empty key Wine's shell makes on its first use.
EXPECTED_RESIDUE = {
    "+ file windows/movexe.exe",
    "+ key HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
}


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


class LineWinkPackageTest(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.mkdtemp()
        self.prefix = os.path.join(self.work, "prefix")
        subprocess.run(["cp", "-a", os.environ["PACKAGE_TEST_PREFIX"], self.prefix], check=True)
        self.env = dict(os.environ, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=")
        self.bin = os.environ["PROGRAMS"]
        self.drive = os.path.join(self.prefix, "drive_c")
        self.ini = os.path.join(self.drive, "windows", "LINEWINK.INI")
        # The copy starts as a machine that never had the product: no movexe.exe that another
        # test left, and Wine's own start-up work (moves queued for a restart) done.
        movexe = os.path.join(self.drive, "windows", "movexe.exe")
        if os.path.exists(movexe):
            os.remove(movexe)
        self.wine("cmd", "/c", "exit")

    def tearDown(self):
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)
        shutil.rmtree(self.work, ignore_errors=True)

    def wine(self, *command, wait=True):
        """Exit code and output (through a file: what Wine leaves running would hold a pipe)."""
        with open(os.path.join(self.work, "output.txt"), "w+") as output:
            process = subprocess.Popen([WINE, *command], env=self.env, stdout=output,
                                       stderr=output)
            if not wait:
                return process
            code = process.wait(timeout=120)
            output.seek(0)
            return code, output.read()

    def snapshot(self, name):
        path = os.path.join(self.work, name)
        subprocess.run([sys.executable, RESIDUE, "snapshot", self.prefix, path], check=True,
                       env=self.env, capture_output=True)
        return path

    def distribution(self):
        """The repository's source with the shipped files stripped and, as the 64-bit programs
        take more than a diskette, no room kept free for them on the first disk."""
        programs = os.path.join(self.work, "programs")
        os.mkdir(programs)
        for name in SHIPPED:
            subprocess.run([os.environ["STRIP"], "-o", os.path.join(programs, name),
                            os.path.join(self.bin, name)], check=True)
        source = os.path.join(self.work, "source")
        shutil.copytree(os.path.join(ROOT, "packaging", "linewink"), source)
        with open(os.path.join(source, "linewink.json")) as file:
            script = json.load(file)
        script["packaging"]["reserve"] = 0
        with open(os.path.join(source, "linewink.json"), "w") as file:
            json.dump(script, file)
        media = os.path.join(self.work, "media")
        code, output = self.wine(os.path.join(self.bin, "scriptsource.exe"), "--programs",
                                 windows_path(programs),
                                 windows_path(os.path.join(source, "linewink.json")),
                                 windows_path(media))
        self.assertEqual(code, 0, output)
        return os.path.join(media, "disk001", "setup.exe")

    def settings(self):
        with open(self.ini, newline="") as file:
            return [line for line in file.read().split("\r\n") if line]

    def run_linewink(self):
        monitor = self.wine("C:\\LINEWINK\\LineWink.exe", wait=False)
        helper = os.path.join(self.bin, "lw_demo_helper.exe")
        # The medium has no helper driver (Wine could not load it): the monitor says so once.
        box = os.path.join(self.work, "box.txt")
        self.assertEqual(self.wine(helper, "box", "30", windows_path(box))[0], 0)
        with open(box) as file:
            self.assertIn("LNWINK95.VXD not found", file.read())
        self.assertEqual(self.wine(helper, "wait-panel", "30")[0], 0)
        self.assertEqual(self.wine(helper, "close")[0], 0)
        self.assertEqual(monitor.wait(timeout=30), 0)

    def uninstall(self):
        code, output = self.wine("reg", "query", UNINSTALL_KEY, "/v", "UninstallString")
        self.assertEqual(code, 0, output)
        command = output.split("REG_SZ")[1].strip()
        self.assertEqual(command, "C:\\LINEWINK\\UNINST\\awmain.exe")
        code, output = self.wine(command, "/S")
        self.assertEqual(code, 0, output)
        # The second stage runs from the drive's root once the first has ended.
        for _ in range(300):
            if not os.path.exists(os.path.join(self.drive, "awmain.exe")):
                break
            time.sleep(0.1)

    def assert_no_residue(self, before):
        result = subprocess.run([sys.executable, RESIDUE, "diff", before, self.snapshot("after")],
                                capture_output=True, text=True)
        left = set(result.stdout.splitlines()) - EXPECTED_RESIDUE
        self.assertEqual(left, set(), result.stdout)

    def install_answered(self):
        """setup.exe with lw_answer_dialogs accepting every offer; the dialogs it answered."""
        notes = os.path.join(self.work, "answered.txt")
        answerer = self.wine(os.path.join(self.bin, "lw_answer_dialogs.exe"), "60",
                             windows_path(notes), wait=False)
        code, output = self.wine(self.distribution())
        answerer.kill()
        answerer.wait()
        self.assertEqual(code, 0, output)
        with open(notes) as file:
            return file.read().splitlines()

    def test_answered_by_the_test_it_goes_without_residue(self):
        before = self.snapshot("before")
        self.assertEqual(self.install_answered(),
                         ["LineWink: &Continue", "Select Components: OK",
                          "Installation folder: OK", "Installation Completed: OK"])
        self.uninstall()
        self.assert_no_residue(before)

    def test_answered_by_the_test_the_components_checked_at_first_are_installed(self):
        self.install_answered()
        self.assertTrue(os.path.exists(os.path.join(self.drive, "LINEWINK", "LineWink.exe")))
        self.assertIn("ConnectSound=C:\\LINEWINK\\CONNECT.WAV", self.settings())

    def test_installed_unattended_it_runs_with_its_settings_and_goes_without_residue(self):
        before = self.snapshot("before")
        code, output = self.wine(self.distribution(), "/S")
        self.assertEqual(code, 0, output)
        installed = self.settings()
        self.assertIn("ConnectSound=C:\\LINEWINK\\CONNECT.WAV", installed)
        self.assertTrue(os.path.exists(os.path.join(self.drive, "LINEWINK", "LineWink.exe")))

        # At its end the monitor writes back every setting it holds: those it read from the
        # installation's file come back unchanged, beside its own defaults for the rest.
        self.run_linewink()
        written = self.settings()
        self.assertGreater(len(written), len(installed))
        for line in installed:
            self.assertIn(line, written)

        self.uninstall()
        self.assert_no_residue(before)


if __name__ == "__main__":
    unittest.main()
