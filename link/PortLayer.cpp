#include "link/PortLayer.h"

#include "startup/App.h"

namespace taskhelm {

PortLayer::PortLayer(App& app) : app_(app) {}

}  // namespace taskhelm
