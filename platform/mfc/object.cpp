#include "mfc/object.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<const CRuntimeClass*>& Registered() {
  static std::vector<const CRuntimeClass*> classes;
  return classes;
}
}  // namespace

const CRuntimeClass* CRuntimeClass::FromName(const std::string& name) {
  for (const CRuntimeClass* c : Registered())
    if (name == c->m_lpszClassName) return c;
  return nullptr;
}

CRuntimeClassRegistration::CRuntimeClassRegistration(const CRuntimeClass& runtimeClass) : class_(runtimeClass) {
  Registered().push_back(&class_);
}

CRuntimeClassRegistration::~CRuntimeClassRegistration() {
  auto& classes = Registered();
  classes.erase(std::remove(classes.begin(), classes.end(), &class_), classes.end());
}
