#include "two_sided_order.h"

#include <algorithm>

std::vector<unsigned> FrontSides(unsigned first, unsigned last) {
  std::vector<unsigned> sides;
  for (unsigned side = first; side >= first && side <= last; side += 2) sides.push_back(side);
  return sides;
}

std::vector<unsigned> BackSides(unsigned first, unsigned last, bool faceUp) {
  std::vector<unsigned> sides;
  for (unsigned front : FrontSides(first, last))
    sides.push_back(front < last ? front + 1 : kBlankSide);
  if (faceUp) std::reverse(sides.begin(), sides.end());
  return sides;
}
