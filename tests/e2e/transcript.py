"""The expected log of a normal start-up and quit, as (tab level, line pattern) pairs."""

BITMAP_FILES = ["icon", "mouse", "wood", "grid_alpha", "grid_numeric", "cell", "red_disk", "blue_disk",
                "select", "highlight", "digits", "score", "arrow"]
NINE_PATCHES = ["message", "button", "button_push", "button_hover", "button_disabled"]
PIECE = r"Bitmap \d+x\d+ created"


def startup():
    lines = [
        (0, "App started"),
        (1, "Allegro Library initialized"),
        (2, "Mouse initialized"),
        (2, "Keyboard initialized"),
        (1, "Image addon initialized"),
        (1, "Font addon initialized"),
        (2, "TTF addon initialized"),
        (1, "Primitives addon initialized"),
        (1, ""), (1, ""),
        (1, "Timer initialized"),
        (1, "Display 800x600 initialized"),
        (1, 'Bitmap "data/bitmaps/loading.png" loaded'),
        (1, "Bitmap destroyed"),
        (1, "Bitmap 800x600 created"),
        (1, "Bitmap 800x600 created"),
    ]
    lines += [(1, 'Bitmap "data/bitmaps/%s.png" loaded' % name) for name in BITMAP_FILES]
    for name in NINE_PATCHES:
        path = "data/bitmaps/%s.png" % name
        lines.append((1, 'Nine patch created from file: "%s"' % path))
        lines.append((2, 'Bitmap "%s" loaded' % path))
        lines += [(2, PIECE)] * 9
        lines.append((2, "Bitmap destroyed"))
        lines.append((2, "-------- success"))
    lines += [
        (1, "Mouse cursor created"),
        (1, "Event queue created"),
        (1, "Game Object created"),
        (1, "Game Setup complete"),
        (1, ""), (1, ""),
    ]
    return lines


def shutdown(count):
    lines = [(1, ""), (1, ""), (1, "Game Object destroyed"), (1, "Objects destroyed")]
    for _ in NINE_PATCHES:
        lines += [(1, "Bitmap destroyed")] * 9
        lines.append((1, r"Nine patch destroyed \(9 bitmaps\)"))
    lines += [
        (1, "Resources destroyed"),
        (1, "Event queue destroyed"),
        (1, "Mouse cursor destroyed"),
        (1, "Display destroyed"),
        (1, "Timer unloaded"),
        (1, ""), (1, ""),
        (0, "App finished"),
        (0, ""),
        (0, "Objects created: %d" % count),
        (0, "Objects freed: %d" % count),
    ]
    return lines


def normal_run(count=101):
    return startup() + shutdown(count)
