#include "editors/sentences/pathpart.h"

namespace zeph {

std::string AppendPathPart(const std::string& path, const std::string& part) {
  const bool pathEnds = !path.empty() && path.back() == '\\';
  const bool partStarts = !part.empty() && part.front() == '\\';
  if (!pathEnds && !partStarts) return path + "\\" + part;
  if (pathEnds && partStarts) return path + part.substr(1);
  return path + part;
}

}  // namespace zeph
