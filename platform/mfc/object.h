#pragma once
// Objects that know their class at run time: a class is described by its name and the
// function that makes a default object of it, and can be found by that name.
#include <string>

class CObject;

struct CRuntimeClass {
  const char* m_lpszClassName;
  CObject* (*m_pfnCreateObject)();

  // A new default object of the class (null for a class that cannot be made).
  CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
  // The registered class of that name (null when there is none).
  static const CRuntimeClass* FromName(const std::string& name);
};

class CObject {
 public:
  virtual ~CObject() = default;
  virtual const CRuntimeClass* GetRuntimeClass() const = 0;
  bool IsKindOf(const CRuntimeClass* runtimeClass) const { return GetRuntimeClass() == runtimeClass; }
};

// Makes a class findable by name for as long as the registration lives (a static object
// beside the class).
class CRuntimeClassRegistration {
 public:
  explicit CRuntimeClassRegistration(const CRuntimeClass& runtimeClass);
  ~CRuntimeClassRegistration();
  CRuntimeClassRegistration(const CRuntimeClassRegistration&) = delete;
  CRuntimeClassRegistration& operator=(const CRuntimeClassRegistration&) = delete;

 private:
  const CRuntimeClass& class_;
};
