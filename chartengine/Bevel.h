#pragma once

namespace chartengine {

/// A bevel of the chart's frame: none, or the classic sunken 1-pixel edge.
enum class Bevel { None, Lowered };

} // namespace chartengine
