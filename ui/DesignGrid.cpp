#include "ui/DesignGrid.h"

RECT DesignGrid::Edges(int left, int top, int right, int bottom) const {
  return {origin.x + scale(left), origin.y + scale(top), origin.x + scale(right),
          origin.y + scale(bottom)};
}
