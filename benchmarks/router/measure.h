#pragma once
// The figures of a laid-out page, the same for our courses and another router's: total
// length, bends, proper crossings between lines and segments through a block's interior.
// Courses of another router come as "P x y x y ..." per line, in the page's line order.

#include <string>
#include <vector>

#include "pagetext.h"
#include "routedpage.h"

namespace routebench {

struct Figures {
  long long length = 0;
  long bends = 0;
  long crossings = 0;
  long throughBlocks = 0;
  long oblique = 0;   // segments that are neither horizontal nor vertical
};

Figures Measure(const PageSpec& page, const std::vector<Polyline>& courses);

std::string WriteCourses(const std::vector<Polyline>& courses);
bool ReadCourses(const std::string& text, std::vector<Polyline>& courses, std::string& error);

}  // namespace routebench
