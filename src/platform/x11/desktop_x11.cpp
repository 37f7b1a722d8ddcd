// The X11 backend.
