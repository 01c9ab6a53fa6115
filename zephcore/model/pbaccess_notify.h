#pragma once
// What the VavurOrezo field entries and the SuperBlock interface tables tell the designer:
// a VavurOrezo's drawn exits changed (notification code 8) and the list of pages changed
// (code 6). The application object installs the sender to the designer's window; without
// one nothing is sent. Code 1 for a VavurOrezo whose exits changed goes through the symbol
// table's hooks (SymbolTableHooks::NotifyVavurOrezoChanged).

namespace zeph {

struct PBInstance;

class PBNotifier {
 public:
  virtual ~PBNotifier() = default;
  // Code 8: a change table altered a field's goto drawing flag or goto label.
  virtual void VavurOrezoChanged(PBInstance& instance);
  // Code 6: pages or their interfaces changed; page kind 1 SuperBlock pages, 2
  // Verification Block pages.
  virtual void PageListChanged(int pageKind);
};

// The current sender (a silent one until one is set); SetPBNotifier(nullptr) restores it.
PBNotifier& CurrentPBNotifier();
void SetPBNotifier(PBNotifier* notifier);
// Whether a sender other than the silent one is in place.
bool PBNotifierIsSet();

}  // namespace zeph
