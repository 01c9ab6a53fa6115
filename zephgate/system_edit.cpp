#include "system_edit.h"

namespace gate {

SystemEditOutcome AddOrEditSystem(CLoginApp& app, SystemEditor& editor, const std::string& selected) {
  CSystemsRepository store(CSystemInfo::AppsDesigner);
  SystemEditOutcome outcome;
  const auto storeFailed = [&] {
    app.LogText(store.GetLastErrorText());
    outcome.errorText = store.GetLastErrorText();
    return outcome;
  };
  if (selected.empty()) {
    app.LogText("Adding system");
    CSystemInfo system;
    if (!editor.Edit(system, [&](const CSystemInfo& s) { return CSystemsRepository::IsNotExist(&store, &s) != 0; }))
      return outcome;
    if (!store.Set(system)) return storeFailed();
    outcome.selectName = system.Name;
  } else {
    app.LogText("Modifying system");
    CSystemInfo system;
    if (!store.GetByName(selected, system)) return outcome;
    const CSystemInfo old = system;
    outcome.selectName = old.Name;
    // The system keeps its own name (in any letter case); another's name is refused.
    const SystemNameCheck nameFree = [&](const CSystemInfo& s) {
      return SameSystemName(s.Name, old.Name) || CSystemsRepository::IsNotExist(&store, &s) != 0;
    };
    if (!editor.Edit(system, nameFree)) return outcome;
    if (!store.Set(system)) return storeFailed();
    // Names differing only in case are one entry: Set replaced it in place.
    if (system != old && !SameSystemName(system.Name, old.Name)) store.DeleteByName(old.Name);
    outcome.selectName = system.Name;
  }
  if (!store.Write()) {
    outcome.selectName = selected;
    return storeFailed();
  }
  return outcome;
}

}  // namespace gate
