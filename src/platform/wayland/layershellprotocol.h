#pragma once

#include <wayland-client.h>

// The generated layer-shell header names a parameter "namespace", which C++ cannot take.
#define namespace namespace_
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#undef namespace
