#pragma once
// Roots of the canvas and palette objects. A ProgramObject belongs to a program: it knows
// its owner and has an object id for the layout file, handed out lazily from the
// program's counter (0 none yet, -1 while the object is being destroyed).

#include <algorithm>
#include <cstdint>
#include <vector>

namespace ed {

class DisplayObject;
class Program;
class Page;

// Class codes, also the record types of the layout part of the application file.
enum ClassCode : int {
  kClassProgram = 356,
  kClassPage = 357,
  kClassVavurOrezo = 358,
  kClassGoto = 359,
  kClassSegment = 360,
  kClassGroupIcon = 361,
  kClassVavurOrezoIcon = 362,
  kClassGotoBlock = 363,
  kClassTextNote = 368,
};

class UIObject {
 public:
  // Drawn objects still showing the object forget it, so that none reaches freed memory.
  virtual ~UIObject();
  virtual int isA() const = 0;
  const char* nameOf() const { return "VLXOBJECT"; }
  // May be selected on a canvas, dragged, shown in an icon flow; the fourth query has no
  // reader in the editor.
  virtual bool CanSelect() const { return true; }
  virtual bool CanDrag() const { return true; }
  virtual bool IsShown() const { return true; }
  virtual bool FourthQuery() const { return false; }

  // The drawn objects that show this object (not owned).
  void AddDrawn(DisplayObject* d) { drawn_.push_back(d); }
  void RemoveDrawn(DisplayObject* d) { drawn_.erase(std::remove(drawn_.begin(), drawn_.end(), d), drawn_.end()); }
  const std::vector<DisplayObject*>& Drawn() const { return drawn_; }

 private:
  std::vector<DisplayObject*> drawn_;
};

class ProgramObject : public UIObject {
 public:
  explicit ProgramObject(ProgramObject* owner = nullptr) : owner_(owner) {}
  bool FourthQuery() const override { return true; }

  ProgramObject* Owner() const { return owner_; }
  void SetOwner(ProgramObject* owner) { owner_ = owner; }

  // The object's id; an object without one gets the next of its program's counter.
  std::int32_t GetID();
  std::int32_t PeekID() const { return id_; }
  void SetID(std::int32_t id) { id_ = id; }
  bool IsBeingDestroyed() const { return id_ == -1; }

  virtual Program* GetProgram() = 0;
  virtual Page* GetPage() = 0;
  // Marks the object's program modified.
  void SetModified();

 protected:
  // Every destructor calls this first, so that code running during the destruction can
  // tell that the whole object (or program) is going.
  void MarkDestroying() { id_ = -1; }

 private:
  ProgramObject* owner_;
  std::int32_t id_ = 0;
};

}  // namespace ed
