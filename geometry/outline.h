// The outline of the snowflake: the start point of every drawn piece, in drawing order.
#pragma once

#include <vector>

struct OutlinePoint {
  double x;
  double y;
};

using OutlineList = std::vector<OutlinePoint>;
