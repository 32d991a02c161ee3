#pragma once

struct WaylandGlobals;
class WaylandOutputs;
class WaylandSeat;

// What Ringle's surfaces are made with: the compositor's interfaces, its outputs and the seat whose
// input reaches them.
struct SurfaceContext {
    WaylandGlobals &globals;
    WaylandOutputs &outputs;
    WaylandSeat &seat;
};
