#pragma once
// The list control that the model's listings fill (a list box in the designer, a vector
// in tests).

#include <string>
#include <vector>

namespace zeph {

class ListSink {
 public:
  virtual ~ListSink() = default;
  virtual void AddLine(const char* text) = 0;
};

// Collects the lines in order.
class VectorListSink : public ListSink {
 public:
  void AddLine(const char* text) override { lines.emplace_back(text ? text : ""); }
  std::vector<std::string> lines;
};

}  // namespace zeph
