// Build options and the services of the script generator.
#include "programfile/script/buildoptions.h"

namespace zeph {
namespace {

std::int32_t g_options = kBuildBlockNames;
std::int32_t g_stub = 0;
constexpr std::int32_t kTraceValues[2] = {0, 1};

std::string SystemDateText(std::time_t when) {
  char text[257] = {};
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &when);
#else
  localtime_r(&when, &local);
#endif
  std::strftime(text, sizeof text - 1, "%c", &local);
  return text;
}

ScriptServices DefaultServices() {
  ScriptServices s;
  s.Now = [] { return std::time(nullptr); };
  s.DateText = SystemDateText;
  s.BuildStamp = [] { return std::string(__DATE__ "\t" __TIME__); };
  // Without a server the client library encodes nothing and reports success.
  s.EncodePassword = [](const char*, unsigned char*) { return 0; };
  return s;
}

ScriptServices& Services() {
  static ScriptServices services = DefaultServices();
  return services;
}

}  // namespace

std::int32_t ScriptBuildOptionsWord() { return g_options; }
void SetScriptBuildOptionsWord(std::int32_t word) { g_options = word; }
std::int32_t MakeScriptBuildOptions(bool trace, bool templates) {
  return kBuildBlockNames | (trace ? kBuildTrace : 0) | (templates ? kBuildTemplates : 0);
}
std::int32_t ScriptStubFlag() { return g_stub; }
void SetScriptStubFlag(std::int32_t flag) { g_stub = flag; }
int ScriptTraceValue() { return kTraceValues[g_options & kBuildTrace]; }

const ScriptServices& CurrentScriptServices() { return Services(); }

void SetScriptServices(const ScriptServices& services) {
  ScriptServices merged = DefaultServices();
  if (services.Now) merged.Now = services.Now;
  if (services.DateText) merged.DateText = services.DateText;
  if (services.BuildStamp) merged.BuildStamp = services.BuildStamp;
  if (services.EncodePassword) merged.EncodePassword = services.EncodePassword;
  Services() = std::move(merged);
}

void ResetScriptServices() { Services() = DefaultServices(); }

}  // namespace zeph
