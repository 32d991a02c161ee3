#pragma once

struct xcb_connection_t;

// Qt's own connection to the X server, or null when the application does not run on X11.
xcb_connection_t *qtXcbConnection();
