#pragma once

#include <vector>

// Printing both sides on a printer without a duplex unit: the fronts go out first, the user
// puts the stack back, then the backs. Sides are numbered from 1, the range's sheets
// pairing up from its first: (first, first + 1), (first + 2, first + 3), ...

// The blank back of the range's last sheet when the range holds an odd count.
constexpr unsigned kBlankSide = 0;

// The fronts in printing order.
std::vector<unsigned> FrontSides(unsigned first, unsigned last);

// The backs in the order the restacked sheets come back. Face down, the printed stack
// turned over feeds the first sheet first; face up, the last sheet lies on top and goes
// first, so the backs run backwards.
std::vector<unsigned> BackSides(unsigned first, unsigned last, bool faceUp);
