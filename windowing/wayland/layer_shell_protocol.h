#pragma once

// The generated header names a parameter "namespace", which C++ keeps for itself; what it
// includes comes first, untouched.
#include <wayland-client.h>

#define namespace layer_namespace
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#undef namespace
