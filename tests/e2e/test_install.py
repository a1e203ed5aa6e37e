"""The installed game: on Linux `cmake --install` into a temporary prefix, and the .deb that
CPack builds, checked by the desktop, AppStream and Debian validators; on Windows the zip that
make package-windows builds, unzipped. Each is started as a player starts it, by its command on
the path from another folder (and by the menu entry's), played and quit with Ctrl+X."""

import glob
import os
import struct
import subprocess
import tempfile
import unittest
import zipfile

from harness import BUILD_DIR, WINDOWS, Game, counts

APP_ID = "org.tilecrest.Tilecrest"


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kwargs)


class InstallTest(unittest.TestCase):
    def setUp(self):
        self.root = self.enterContext(tempfile.TemporaryDirectory(prefix="tilecrest-install-"))

    def play_and_quit(self, command, **options):
        with Game(executable=command, **options) as game:
            game.start()
            game.wait_ready()
            self.assertEqual(game.play_c5_and_quit(), 0)
            self.assertEqual(*counts(game.log()), "objects created and freed")
            with open(os.path.join(game.log_dir, "reversi.log"), "rb") as f:
                raw = f.read()
            self.assertEqual(raw.count(b"\r\n"), raw.count(b"\n") if WINDOWS else 0, "CR LF on Windows only")

    def on_path(self, folder):
        return {"PATH": folder + os.pathsep + os.environ.get("PATH", "")}

    def font_target(self, root, prefix):
        """Where the installed font leads on a system whose root is `root`: a link to the file
        of fonts-quicksand, not a copy."""
        link = os.path.join(prefix, "lib", "tilecrest", "data", "fonts", "arlrdbd.ttf")
        self.assertTrue(os.path.islink(root + link), link)
        target = os.path.normpath(os.path.join(os.path.dirname(link), os.readlink(root + link)))
        self.assertIn(target, run("dpkg", "-L", "fonts-quicksand").stdout.split())
        return target

    @unittest.skipIf(WINDOWS, "Windows has the zip")
    def test_prefix_install_validates_and_runs_from_the_path_and_the_menu(self):
        prefix = os.path.join(self.root, "prefix")
        run("cmake", "--install", BUILD_DIR, "--prefix", prefix, "--component", "game")
        entry = os.path.join(prefix, "share", "applications", APP_ID + ".desktop")
        self.assertEqual(run("desktop-file-validate", entry).stdout, "")
        run("appstreamcli", "validate-tree", "--no-net", prefix)  # the metainfo and its desktop entry
        self.font_target("", prefix)
        for size in (16, 24, 32, 48, 64, 128, 256, 512):
            icon = "%s/share/icons/hicolor/%dx%d/apps/%s.png" % (prefix, size, size, APP_ID)
            self.assertEqual(run("identify", "-format", "%w %h", icon).stdout, "%d %d" % (size, size))

        # From a terminal: the log lands in the starting folder, the data is found beside the game.
        self.play_and_quit("tilecrest", env=self.on_path(os.path.join(prefix, "bin")))

        # From the menu, whose folder is the home folder: the log goes to the state folder.
        home = os.path.join(self.root, "home")
        with open(entry) as f:
            (command,) = [line.split("=", 1)[1].strip() for line in f if line.startswith("Exec=")]
        self.play_and_quit(command, start_dir=home, env={"HOME": home, "XDG_STATE_HOME": None},
                           log_dir=os.path.join(home, ".local", "state", "tilecrest"))

    @unittest.skipIf(WINDOWS, "Windows has the zip")
    def test_deb_is_lintian_clean_holds_only_the_game_and_runs_from_the_path(self):
        packages = os.path.join(self.root, "packages")
        run("cpack", "-G", "DEB", "-B", packages, cwd=BUILD_DIR)
        (deb,) = glob.glob(os.path.join(packages, "tilecrest_*.deb"))
        depends = run("dpkg-deb", "-f", deb, "Depends").stdout
        self.assertIn("liballegro5.2", depends)  # from dpkg-shlibdeps
        self.assertIn("fonts-quicksand", depends)
        lint = subprocess.run(["lintian", "--fail-on", "error,warning", deb], capture_output=True, text=True,
                              env=dict(os.environ, TMPDIR=self.root))  # it leaves a file in its TMPDIR
        self.assertEqual(lint.returncode, 0, lint.stdout)
        tree = os.path.join(self.root, "tree")
        run("dpkg-deb", "-x", deb, tree)
        programs = run("find", tree, "-type", "f", "-perm", "/111", "-printf", "%P\n").stdout.split()
        self.assertEqual(set(programs), {"usr/lib/tilecrest/tilecrest", "usr/lib/tilecrest/menu-launcher"})
        # The font's package, a dependency, lies in the unpacked root as the system has it.
        font = self.font_target(tree, "/usr")
        os.makedirs(os.path.dirname(tree + font))
        os.symlink(font, tree + font)
        self.play_and_quit("tilecrest", env=self.on_path(os.path.join(tree, "usr", "games")))

    @unittest.skipUnless(WINDOWS, "the zip is Windows's")
    def test_the_windows_zip_runs_unzipped_from_another_folder_with_no_dll_but_its_own(self):
        (path,) = glob.glob(os.path.join(BUILD_DIR, "tilecrest-*-win64.zip"))
        zipfile.ZipFile(path).extractall(self.root)
        (exe,) = glob.glob(os.path.join(self.root, "*", "tilecrest.exe"))
        with open(exe, "rb") as f:
            image = f.read(4096)
        pe = struct.unpack_from("<I", image, 0x3C)[0]
        self.assertEqual(struct.unpack_from("<H", image, pe + 0x5C)[0], 2, "a GUI program")
        self.play_and_quit(exe, env={"WINEPATH": ""})


if __name__ == "__main__":
    unittest.main()
