#include "editor/samples/sampleprograms.h"

#include <cstring>
#include <memory>
#include <ostream>
#include <utility>

#include "editor/canvas/gotoline.h"
#include "editor/canvas/icons.h"
#include "editor/canvas/modelport.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/typerecord.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/file/programfile.h"
#include "editor/notes/textnote.h"
#include "editor/support/headlesshost.h"
#include "model/datatypes.h"
#include "model/interface/library.h"
#include "model/pbaccess.h"
#include "model/program/program.h"
#include "model/vsentence.h"

namespace ed {
namespace {

// Type codes of the palette's blocks used by the sample.
enum SampleType : int {
  kAnnouncement = 393,
  kMenu = 402,
  kTimeControl = 406,
  kPlayVoice = 178,
  kPasswordCheck = 411,
  kThruDial = 405,
  kOpenFile = 11,
  kFileExists = 119,
  kCloseFile = 12,
};

// The sample's voice sentences: name and the text spoken.
constexpr std::pair<const char*, const char*> kSampleSentences[] = {
    {"WelcomeText", "Welcome to the sample line."},
    {"MenuText", "For opening hours press 1, for your balance 2, for an extension 3, for the attendant 0."},
    {"OpenHoursText", "We are open from eight to six, Monday to Friday."},
    {"ClosedText", "We are closed now. Please call again during opening hours."},
    {"BalanceText", "Your account was found. Your balance will be read to you."},
    {"GoodbyeText", "Thank you for calling. Goodbye."},
};

// A program being put together as a user would: blocks dropped from the palette, lines
// drawn from named outputs. The first fault is kept and stops the rest.
class Builder {
 public:
  explicit Builder(std::ostream& log) : log_(log) {
    zeph::EnsureLibraryStarted();
    program_ = std::make_unique<Program>(host_, model_, &imports_, "Untitled", 0);
    // The palette is the model's list for its current program.
    program_->Activate();
    zeph::IconInfoTable table;
    if (vlxGetVavurOrezoList(&table, 0, 0, 0, 0, 0) == 0) palette_ = std::make_unique<PaletteIconList>(table, &host_);
    for (auto*& group : table.Groups) {
      delete group;
      group = nullptr;
    }
    host_.SetPalette(palette_.get());
    if (!palette_) Fail("the model has no palette");
  }

  Program& program() { return *program_; }
  bool ok() const { return ok_; }

  Page* AddPage(const char* name, std::int32_t type) {
    if (!ok_) return nullptr;
    auto* page = new Page(program_.get(), name, type, 0);
    if (page->Handle() == nullptr) {
      delete page;
      Fail(std::string("page ") + name);
      return nullptr;
    }
    program_->AddPage(page);
    const int placed = type == kPageMain ? page->AddMainDefaultBlocks() : page->AddSuperBlockDefaultBlocks(type);
    if (!placed) Fail(std::string("the standard blocks of ") + name);
    return page;
  }

  VavurOrezo* Add(Page* page, const char* name, int type, std::int32_t x, std::int32_t y) {
    if (!ok_ || page == nullptr) return nullptr;
    return Place(page, name, palette_->FindIconShared(type), x, y);
  }

  // A block the palette does not offer, made as a new page makes its standard blocks.
  VavurOrezo* AddStandard(Page* page, const char* name, int type, std::int32_t x, std::int32_t y) {
    if (!ok_ || page == nullptr) return nullptr;
    VavurOrezo* block = page->AddDefaultBlock(name, type, x, y);
    if (block == nullptr) Fail(std::string("the model refused ") + name);
    return block;
  }

  // A call of a SuperBlock page of the program, from the program's own palette group.
  VavurOrezo* AddCall(Page* page, const char* name, const char* superBlock, std::int32_t x, std::int32_t y) {
    if (!ok_ || page == nullptr) return nullptr;
    program_->RebuildOwnGroups();
    GroupIcon* group = program_->SuperBlockGroup(0);
    return Place(page, name, group != nullptr ? group->FindIconByTypeName(superBlock) : nullptr, x, y);
  }

  void Link(VavurOrezo* from, const char* output, VavurOrezo* to) {
    if (!ok_ || from == nullptr || to == nullptr) return;
    program_->Activate();
    if (from->CreateGoto(to, output, 0) == nullptr) Fail(from->Name() + " " + output + " -> " + to->Name());
  }

  // The first output of the block (the standard blocks' own names vary).
  void LinkFirst(VavurOrezo* from, VavurOrezo* to) {
    // A page's standard blocks are made without their outputs.
    if (from != nullptr && (from->Record() == nullptr || from->Record()->outputs.empty())) {
      from->UpdateFromModel(true);
      from->CreateGotoBlocks();
    }
    if (!ok_ || from == nullptr || from->Record() == nullptr || from->Record()->outputs.empty()) {
      Fail("a block without outputs");
      return;
    }
    Link(from, from->Record()->outputs.front().name.c_str(), to);
  }

  void Note(Page* page, const char* text, std::int32_t left, std::int32_t top) {
    if (!ok_ || page == nullptr) return;
    auto* note = new KvTextUI();
    page->AddTextNote(note);
    note->SetRect(left, left + 260, top, top + 60);
    note->SetFontSpec({"Arial", -12, 400, 0});
    note->SetText(text);
  }

  int Save(const std::string& path) {
    if (!ok_) return 0;
    if (ProgramFile::Save(path, *program_, &log_, "") != 1) return 0;
    return 1;
  }

  // A program voice sentence that speaks the text.
  void Sentence(const char* name, const char* spoken) {
    if (!ok_) return;
    zeph::Symbol* sentence = nullptr;
    if (ModelProgram().AddNamedSymbol(&sentence, name, zeph::kTypeVoiceSentence, 1, 1, 0, false) != 0 ||
        sentence == nullptr) {
      Fail(std::string("the voice sentence ") + name);
      return;
    }
    zeph::SentenceComponent* phrase = zeph::NewSentenceComponent();
    phrase->Kind = zeph::kKindTextToSpeech;
    std::strncpy(phrase->Area.Path, spoken, sizeof phrase->Area.Path - 1);
    phrase->Detail = zeph::NewComponentDetail();
    sentence->Data = std::make_unique<zeph::SentenceData>(phrase);
  }

  // Sets a field as the block's form does when the user types the text and presses OK.
  void Set(VavurOrezo* block, const char* field, const char* text) {
    if (!ok_ || block == nullptr) return;
    zeph::TProgram::DisableSymbolPageCheck allPages(ModelProgram());
    zeph::PBFieldAccessor access(static_cast<zeph::PBInstance*>(block->Handle()), 0, nullptr, 1,
                                 &ModelProgram().Symbols());
    if (access.SetEntryText(field, text) != 1 || access.ExecuteFieldChangeTable(field) == 0) {
      Fail(block->Name() + " " + field + " = " + text);
      return;
    }
    vlxUpdatePBInfo(block->Handle());
  }

  VavurOrezo* Find(Page* page, const char* name) {
    VavurOrezo* block = page != nullptr ? page->FindVavurOrezo(name) : nullptr;
    if (block == nullptr) Fail(std::string("no block ") + name);
    return block;
  }

 private:
  zeph::TProgram& ModelProgram() { return *static_cast<zeph::TProgram*>(program_->Handle()); }

  VavurOrezo* Place(Page* page, const char* name, std::shared_ptr<VavurOrezoIcon> icon, std::int32_t x, std::int32_t y) {
    if (!icon || !icon->Record()) {
      Fail(std::string("no palette icon for ") + name);
      return nullptr;
    }
    int refused = 0;
    auto* block = new VavurOrezo(page, name, icon->Record(), icon, x, y, refused);
    if (block->Handle() == nullptr) {
      delete block;
      Fail(std::string("the model refused ") + name);
      return nullptr;
    }
    page->AddVavurOrezo(block);
    block->UpdateFromModel(true);
    block->CreateGotoBlocks();
    return block;
  }

  void Fail(const std::string& what) {
    if (!ok_) return;
    ok_ = false;
    log_ << "Could not make the program: " << what << "\n";
  }

  std::ostream& log_;
  HeadlessHost host_;
  VlxModel model_;
  VlxImports imports_;
  std::unique_ptr<PaletteIconList> palette_;
  std::unique_ptr<Program> program_;
  bool ok_ = true;
};

}  // namespace

int WriteNewProgramFile(const std::string& path, std::ostream& log) {
  DefaultPositions::Reset();
  Builder b(log);
  b.AddPage("Main", kPageMain);
  return b.Save(path);
}

int WriteSampleProgramFile(const std::string& path, std::ostream& log) {
  DefaultPositions::Reset();
  Builder b(log);
  b.program().SetComment("Sample call flow: a greeting and a menu leading to opening hours, an account look-up "
                         "behind a PIN, and a transfer to an extension.");

  Page* main = b.AddPage("Main", kPageMain);
  // The look-up before the main page's blocks, so that they can call it.
  Page* lookup = b.AddPage("AccountLookup", kPageSuperBlock);
  VavurOrezo* open = b.Add(lookup, "OpenAccounts", kOpenFile, 250, 50);
  VavurOrezo* exists = b.Add(lookup, "AccountOnFile", kFileExists, 450, 50);
  VavurOrezo* close = b.Add(lookup, "CloseAccounts", kCloseFile, 650, 50);
  VavurOrezo* found = b.AddStandard(lookup, "Found", kTypeSubFlowEnd, 850, 50);
  VavurOrezo* missing = b.AddStandard(lookup, "Missing", kTypeSubFlowEnd, 850, 200);
  b.LinkFirst(b.Find(lookup, "Begin"), open);
  b.Link(open, "Opened", exists);
  b.Link(open, "Not Found", missing);
  b.Link(open, "Failed", missing);
  b.Link(exists, "Exists", close);
  b.Link(exists, "Not Found", missing);
  b.Link(close, "Closed", found);
  b.Link(close, "Failed", missing);
  b.Link(open, "In Use", missing);
  b.Set(open, "File Name", "'accounts.dat");
  b.Set(exists, "File Name", "'accounts.dat");
  b.Note(lookup, "Looks the caller's account up in the accounts file.\r\nBoth exits close what was opened.", 250, 300);

  VavurOrezo* welcome = b.Add(main, "Welcome", kAnnouncement, 250, 50);
  VavurOrezo* menu = b.Add(main, "MainMenu", kMenu, 450, 50);
  VavurOrezo* hours = b.Add(main, "CheckHours", kTimeControl, 700, 50);
  VavurOrezo* open_ = b.Add(main, "OpenHours", kPlayVoice, 900, 20);
  VavurOrezo* closed = b.Add(main, "ClosedMessage", kPlayVoice, 900, 140);
  VavurOrezo* pin = b.Add(main, "AccountPin", kPasswordCheck, 700, 260);
  VavurOrezo* call = b.AddCall(main, "LookUpAccount", "AccountLookup", 900, 260);
  VavurOrezo* balance = b.Add(main, "PlayBalance", kPlayVoice, 1100, 260);
  VavurOrezo* extension = b.Add(main, "Extension", kThruDial, 700, 460);
  VavurOrezo* goodbye = b.Add(main, "Goodbye", kPlayVoice, 1100, 460);
  VavurOrezo* end = b.Find(main, "End");
  VavurOrezo* attendant = b.Find(main, "Attendant");
  b.LinkFirst(b.Find(main, "Begin"), welcome);
  b.Link(welcome, "Done Playing", menu);
  b.Link(menu, "1", hours);
  b.Link(menu, "2", pin);
  b.Link(menu, "3", extension);
  b.Link(menu, "Attendant (0)", attendant);
  b.Link(menu, "Max No Responses", goodbye);
  b.Link(menu, "Max Invalid Selections", goodbye);
  b.Link(hours, "Inside", open_);
  b.Link(hours, "Outside", closed);
  b.Link(open_, "Completed", menu);
  b.Link(open_, "File Not Found", goodbye);
  b.Link(closed, "Completed", goodbye);
  b.Link(pin, "Password 1", call);
  b.Link(pin, "Max Invalid", goodbye);
  b.Link(pin, "No Response", goodbye);
  b.Link(call, "Found", balance);
  b.Link(call, "Missing", attendant);
  b.Link(balance, "Completed", menu);
  b.Link(extension, "Attendant Requested", attendant);
  b.Link(extension, "User Cancelled", menu);
  b.Link(goodbye, "Completed", end);
  b.Link(open_, "User Terminates", menu);
  b.Link(closed, "User Terminates", goodbye);
  b.Link(balance, "User Terminates", menu);
  b.Link(goodbye, "User Terminates", end);
  b.Link(pin, "Max Session Invalid", goodbye);
  b.Link(extension, "Success", end);
  b.Link(attendant, "Success", end);
  b.Link(attendant, "Failed", goodbye);

  // What the caller hears, and the values each block's form asks for.
  for (const auto& [name, spoken] : kSampleSentences) b.Sentence(name, spoken);
  b.Set(welcome, "Custom voice file", "WelcomeText");
  b.Set(menu, "Menu choices", "MenuText");
  b.Set(open_, "Voice Sentence", "OpenHoursText");
  b.Set(closed, "Voice Sentence", "ClosedText");
  b.Set(balance, "Voice Sentence", "BalanceText");
  b.Set(goodbye, "Voice Sentence", "GoodbyeText");
  b.Set(hours, "Start Time (HH-MM)", "'08-00");
  b.Set(hours, "End Time (HH-MM)", "'18-00");
  b.Set(pin, "Password Entry 1", "'1234");
  b.Set(attendant, "Extension", "'100");
  b.Note(main, "Menu: 1 opening hours, 2 account balance (PIN), 3 an extension, 0 the attendant.", 250, 150);
  b.Note(main, "Callers who say nothing or keep pressing wrong keys hear the goodbye.", 700, 600);
  if (main != nullptr) main->SetComment("Greeting and main menu.");
  return b.Save(path);
}

}  // namespace ed
