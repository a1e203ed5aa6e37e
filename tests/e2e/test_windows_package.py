"""The Windows zip as a player gets it (make test-windows runs this after make
package-windows): unzipped into a fresh folder and started under Wine from another folder,
with no DLL but the zip's; a move, Ctrl+X, and the log in the starting folder with Windows
line ends and equal counts."""

import glob
import os
import struct
import tempfile
import unittest
import zipfile

from harness import BUILD_DIR, Game, counts


class WindowsPackageTest(unittest.TestCase):
    def test_the_unzipped_game_runs_from_another_folder(self):
        (path,) = glob.glob(os.path.join(BUILD_DIR, "tilecrest-*-win64.zip"))
        with tempfile.TemporaryDirectory(prefix="tilecrest-zip-") as folder:
            zipfile.ZipFile(path).extractall(folder)
            (exe,) = glob.glob(os.path.join(folder, "*", "tilecrest.exe"))
            with open(exe, "rb") as f:
                image = f.read(4096)
            pe = struct.unpack_from("<I", image, 0x3C)[0]
            self.assertEqual(struct.unpack_from("<H", image, pe + 0x5C)[0], 2, "a GUI program")

            with Game(executable=exe, env={"WINEPATH": ""}) as game:
                game.start()
                game.wait_ready()
                self.assertEqual(game.play_c5_and_quit(), 0)
                with open(os.path.join(game.start_dir, "reversi.log"), "rb") as f:
                    raw = f.read()
                self.assertEqual(raw.count(b"\n"), raw.count(b"\r\n"), "every line ends in CR LF")
                self.assertEqual(*counts(game.log()), "objects created and freed")


if __name__ == "__main__":
    unittest.main()
