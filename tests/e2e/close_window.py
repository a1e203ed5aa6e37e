"""Sends WM_DELETE_WINDOW to a window, as a window manager does for its close button.

`xdotool windowclose` destroys the window instead, which is not what a user's close
button does. Usage: close_window.py DISPLAY WINDOW_ID
"""

import sys

from Xlib import X, display, protocol


def main():
    d = display.Display(sys.argv[1])
    window = d.create_resource_object("window", int(sys.argv[2]))
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    d.flush()
    d.close()


if __name__ == "__main__":
    main()
