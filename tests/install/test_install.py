"""The installed game: `cmake --install` into a temporary prefix, and the .deb that CPack
builds, checked by the desktop, AppStream and Debian validators and unpacked with dpkg-deb.
Each is started the way a player starts it, through its command on the path from another
folder (and the menu entry's command for the prefix), in a private Xvfb server, and quit
with Ctrl+X.
"""

import glob
import os
import subprocess
import tempfile
import time
import unittest

BUILD_DIR = os.environ["TILECREST_BUILD_DIR"]
APP_ID = "org.tilecrest.Tilecrest"


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kwargs)


def read_lines(path):
    try:
        with open(path) as f:
            return f.read().split("\n")
    except FileNotFoundError:
        return []


def desktop_exec(entry):
    with open(entry) as f:
        return [line.split("=", 1)[1].strip() for line in f if line.startswith("Exec=")][0]


class InstallTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory(prefix="tilecrest-install-")
        self.root = self.tmp.name
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            self.display = ":" + pipe.readline().strip()

    def tearDown(self):
        self.xvfb.terminate()
        self.xvfb.wait(timeout=10)
        self.tmp.cleanup()

    def play_and_quit(self, command, start_dir, log_dir, **env):
        """Starts the game, waits for start-up, quits with Ctrl+X and checks the run."""
        os.makedirs(start_dir, exist_ok=True)
        env = dict(os.environ, DISPLAY=self.display, NO_AT_BRIDGE="1", GDK_BACKEND="x11", **env)
        env = {name: value for name, value in env.items() if value is not None}
        log = os.path.join(log_dir, "reversi.log")
        game = subprocess.Popen(command, cwd=start_dir, env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        try:
            deadline = time.time() + 30
            while "\tGame Setup complete" not in read_lines(log):
                self.assertIsNone(game.poll(), "the game ended during start-up: %s" % read_lines(log))
                self.assertLess(time.time(), deadline, "start-up did not complete: %s" % read_lines(log))
                time.sleep(0.1)
            time.sleep(0.2)  # the first ticks
            window = run("xdotool", "search", "--onlyvisible", "--name", "^Tilecrest$", env=env).stdout.split()[-1]
            run("xdotool", "mousemove", "--window", window, "20", "20", env=env)  # keys follow the pointer
            run("xdotool", "keydown", "ctrl", "keydown", "x", env=env)
            time.sleep(0.15)  # keys are read once per tick
            # The game may quit on key-down and take its window along: ignore a failing key-up.
            subprocess.run(["xdotool", "keyup", "x", "keyup", "ctrl"], env=env, capture_output=True)
            status = game.wait(timeout=20)
        finally:
            if game.poll() is None:
                game.kill()
                game.wait()
        lines = read_lines(log)
        self.assertEqual(status, 0)
        created = [l for l in lines if l.startswith("Objects created: ")]
        freed = [l for l in lines if l.startswith("Objects freed: ")]
        self.assertEqual(len(created), 1, lines)
        self.assertEqual(created[0].split(": ")[1], freed[0].split(": ")[1])

    def with_path(self, folder):
        return folder + os.pathsep + os.environ.get("PATH", "")

    def test_prefix_install_validates_and_runs_from_the_path_and_the_menu(self):
        prefix = os.path.join(self.root, "prefix")
        run("cmake", "--install", BUILD_DIR, "--prefix", prefix, "--component", "game")
        entry = os.path.join(prefix, "share", "applications", APP_ID + ".desktop")
        self.assertEqual(run("desktop-file-validate", entry).stdout, "")
        run("appstreamcli", "validate-tree", "--no-net", prefix)  # the metainfo and its desktop entry
        for size in (48, 64, 128, 256):
            icon = os.path.join(prefix, "share", "icons", "hicolor", "%dx%d" % (size, size), "apps", APP_ID + ".png")
            self.assertEqual(run("identify", "-format", "%w %h", icon).stdout, "%d %d" % (size, size))

        # From a terminal: the log lands in the starting folder, the data is found beside the game.
        start = os.path.join(self.root, "start")
        self.play_and_quit(["tilecrest"], start, start, PATH=self.with_path(os.path.join(prefix, "bin")))
        self.assertFalse(os.path.exists(os.path.join(prefix, "lib", "tilecrest", "reversi.log")))

        # From the menu, whose folder is the home folder: the log goes to the state folder.
        home = os.path.join(self.root, "home")
        state = os.path.join(home, ".local", "state", "tilecrest")
        self.play_and_quit([desktop_exec(entry)], home, state, HOME=home, XDG_STATE_HOME=None)
        self.assertFalse(os.path.exists(os.path.join(home, "reversi.log")))

    def test_deb_is_lintian_clean_holds_only_the_game_and_runs_from_the_path(self):
        packages = os.path.join(self.root, "packages")
        run("cpack", "-G", "DEB", "-B", packages, cwd=BUILD_DIR)
        (deb,) = glob.glob(os.path.join(packages, "tilecrest_*.deb"))
        self.assertIn("liballegro5.2", run("dpkg-deb", "-f", deb, "Depends").stdout)  # from dpkg-shlibdeps
        lint = subprocess.run(["lintian", "--fail-on", "error,warning", deb], capture_output=True, text=True)
        self.assertEqual(lint.returncode, 0, lint.stdout)
        tree = os.path.join(self.root, "tree")
        run("dpkg-deb", "-x", deb, tree)
        programs = set()
        for folder, _, files in os.walk(tree):
            for name in files:
                path = os.path.join(folder, name)
                if not os.path.islink(path) and os.access(path, os.X_OK):
                    programs.add(os.path.relpath(path, tree))
        self.assertEqual(programs, {"usr/lib/tilecrest/tilecrest", "usr/lib/tilecrest/menu-launcher"})

        start = os.path.join(self.root, "start")
        self.play_and_quit(["tilecrest"], start, start, PATH=self.with_path(os.path.join(tree, "usr", "games")))


if __name__ == "__main__":
    unittest.main()
