#!/usr/bin/env python3
"""The real editor as a child process: edits through its automation channel, then killed
(SIGKILL), ended by SIGTERM, or joined by a second editor; what the next start offers and what
Save then writes.

usage: editor_recovery.py ZORVEDITOR DEMO.zvd PICTURE.bmp
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

EDITOR, DEMO, PICTURE = sys.argv[1:4]

# A new page with a description, a static text placed and nudged twice.
PAGE_EDITS = ["trigger New Page", "wait 300", "key Ctrl+A", "type 77", "key Tab", "type Mixer",
              "key Return", "wait 300",
              "trigger StaticText", "click 20 20", "wait 200", "key Right", "key Right",
              "wait 300"]
# A picture imported through the real file dialog and placed.
PICTURE_EDITS = ["trigger Picture", "wait 500", "type " + PICTURE, "key Return", "wait 1000",
                 "click 30 10", "wait 500"]
# Longer than the pause after which a snapshot is written.
SNAPSHOT_WAIT = "wait 2500"


class Editor:
    def __init__(self, home, *args):
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", HOME=home,
                   ZORV_HOME=os.path.join(home, "work"), XDG_RUNTIME_DIR=home)
        self.process = subprocess.Popen([EDITOR, "--automation", *args], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                        env=env, text=True)

    def __call__(self, *commands):
        answer = None
        for command in commands:
            self.process.stdin.write(command + "\n")
            self.process.stdin.flush()
            answer = self.process.stdout.readline().strip()
            if answer.startswith("fail"):
                raise AssertionError(f"{command}: {answer}")
        return answer

    def wait_modal(self, title, seconds=10):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self("modal") == title:
                return
            self("wait 100")
        raise AssertionError(f"no window {title!r}")

    def end(self):
        """Closes the input: the editor ends as File > Exit would end it."""
        self.process.stdin.close()
        return self.process.wait(timeout=30)

    def kill(self, sig):
        self.process.send_signal(sig)
        return self.process.wait(timeout=30)


class RecoveryTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="zorv-recovery-")

    def tearDown(self):
        shutil.rmtree(self.folder, ignore_errors=True)

    def home(self, name):
        home = os.path.join(self.folder, name)
        os.makedirs(home)
        return home

    def project(self, home):
        path = os.path.join(home, "mixer.zvd")
        shutil.copy(DEMO, path)
        return path

    def snapshots(self, home):
        folder = os.path.join(home, "work", "recovery")
        return [n for n in os.listdir(folder) if n.endswith(".zvr")] if os.path.isdir(folder) else []

    def read(self, path):
        with open(path, "rb") as f:
            return f.read()

    def test_named_project_recovered_after_sigkill_saves_the_same_bytes(self):
        calm = self.home("calm")
        project = self.project(calm)
        editor = Editor(calm, project)
        editor(*PAGE_EDITS, "trigger Save", "wait 500")
        self.assertEqual(editor.end(), 0)
        self.assertEqual(self.snapshots(calm), [], "a clean end leaves no snapshot")

        crashed = self.home("crashed")
        project = self.project(crashed)
        editor = Editor(crashed, project)
        editor(*PAGE_EDITS, SNAPSHOT_WAIT)
        editor.kill(signal.SIGKILL)
        self.assertEqual(self.read(project), self.read(DEMO), "a snapshot never touches the file")
        self.assertEqual(len(self.snapshots(crashed)), 1)

        editor = Editor(crashed)
        editor.wait_modal("Recover Unsaved Work")
        editor("button Recover", "wait 500")
        self.assertTrue(editor("title").startswith("mixer.zvd"))
        editor("trigger Save", "wait 500")
        self.assertEqual(editor.end(), 0)
        self.assertEqual(self.read(project), self.read(os.path.join(calm, "mixer.zvd")))
        self.assertEqual(self.snapshots(crashed), [])

    def test_untitled_project_with_a_picture_recovered_after_sigkill(self):
        def save_untitled(editor):
            editor("trigger Save")
            editor.wait_modal("Save")
            editor("type station", "key Return", "wait 800")

        calm = self.home("calm")
        editor = Editor(calm)
        editor(*PICTURE_EDITS)
        save_untitled(editor)
        editor.end()

        crashed = self.home("crashed")
        editor = Editor(crashed)
        editor(*PICTURE_EDITS, SNAPSHOT_WAIT)
        editor.kill(signal.SIGKILL)
        editor = Editor(crashed)
        editor.wait_modal("Recover Unsaved Work")
        editor("button Recover", "wait 500")
        self.assertTrue(editor("title").startswith("No title"), "untitled stays untitled")
        save_untitled(editor)
        editor.end()

        saved = [os.path.join(home, "Documents", "station", "station.zvd") for home in (calm, crashed)]
        self.assertEqual(self.read(saved[1]), self.read(saved[0]))
        picture = os.path.join("Documents", "station", "pic", os.path.basename(PICTURE))
        self.assertEqual(self.read(os.path.join(calm, picture)), self.read(PICTURE))
        self.assertEqual(self.read(os.path.join(crashed, picture)), self.read(PICTURE))

    def test_sigterm_writes_a_last_snapshot_and_later_keeps_it(self):
        home = self.home("term")
        project = self.project(home)
        editor = Editor(home, project)
        # Ended before the pause after the edits is over.
        editor(*PAGE_EDITS[:8])
        self.assertEqual(editor.kill(signal.SIGTERM), 0)
        self.assertEqual(len(self.snapshots(home)), 1)

        editor = Editor(home)
        editor.wait_modal("Recover Unsaved Work")
        editor("button Later", "wait 200")
        editor.end()
        self.assertEqual(len(self.snapshots(home)), 1, "Later keeps the snapshot")

        editor = Editor(home)
        editor.wait_modal("Recover Unsaved Work")
        editor("button Discard", "wait 200")
        self.assertEqual(editor("modal"), "none")
        editor.end()
        self.assertEqual(self.snapshots(home), [])

    def test_a_second_editor_on_the_same_project_is_warned(self):
        home = self.home("two")
        project = self.project(home)
        first = Editor(home, project)
        first("wait 300")
        second = Editor(home)
        second("wait 300", "trigger Open...")
        second.wait_modal("Open")
        second("type " + project, "key Return")
        second.wait_modal("ZorvEditor")
        second("button Cancel", "wait 200")
        self.assertTrue(second("title").startswith("No title"))
        second.end()
        first.end()

    def test_snapshots_off_are_said_once_and_editing_and_save_go_on(self):
        home = self.home("off")
        os.makedirs(os.path.join(home, "work"))
        # The recovery folder's place is taken by a file.
        open(os.path.join(home, "work", "recovery"), "w").close()
        project = self.project(home)
        editor = Editor(home, project)
        self.assertTrue(editor("wait 300", "status").startswith("Recovery snapshots are off: "))
        editor(*PAGE_EDITS, "trigger Save", "wait 500")
        self.assertEqual(editor.end(), 0)
        self.assertNotEqual(self.read(project), self.read(DEMO))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
