#pragma once

// Whether a compositing manager runs on the application's X screen now (it owns the
// _NET_WM_CM_S<screen> selection): only then can windows be translucent.
namespace X11Compositing {
bool isActive();
} // namespace X11Compositing
