// Layout of the VavurOrezo information report.
#include "editors/reports/inforeport.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "model/datatypes.h"
#include "model/pbcat.h"
#include "model/pbentry_instance.h"
#include "model/pbtype.h"
#include "model/program/program.h"
#include "model/structops.h"
#include "model/symtable.h"

namespace zeph {
namespace {

// Tab stops in device units, as the report has always used them on every printer.
const std::vector<int> kTabStops = {800, 1400, 1700};
constexpr int kValueColumn = 800;
constexpr std::size_t kWrapPiece = 80;
constexpr std::size_t kReferenceLineLimit = 60;
constexpr int kReferenceIndent = 20;   // character widths
constexpr int kSqlStatementType = 286;
constexpr int kSuperBlockCallType = -101;

void InOrder(Symbol* node, std::vector<Symbol*>& out, std::size_t limit) {
  if (node == nullptr || out.size() >= limit) return;
  InOrder(node->Left, out, limit);
  if (out.size() < limit && !node->Deleted) out.push_back(node);
  InOrder(node->Right, out, limit);
}

class InfoReport {
 public:
  InfoReport(TProgram& program, ReportJob& job) : program_(program), job_(job), canvas_(job.Canvas()) {}

  bool Run() {
    ReportFont heading{"Helv", 0, 700, false};
    ReportFont body{"Helv", 0, 400, false};
    ReportFont reference{"Helv", 0, 200, true};
    headingFont_ = canvas_.MakeFont(heading);
    bodyFont_ = canvas_.MakeFont(body);
    referenceFont_ = canvas_.MakeFont(reference);
    const ReportCanvas::FontId previous = canvas_.UseFont(headingFont_);
    const ReportMetrics m = canvas_.Metrics();
    line_ = m.LineHeight() > 0 ? m.LineHeight() : 1;
    charWidth_ = m.AveCharWidth > 0 ? m.AveCharWidth : 1;
    bottom_ = canvas_.PageHeight() - 2 * line_;

    canvas_.DrawLine(0, 2 * line_, "VAVUROREZO REPORT");
    y_ = 4 * line_;
    blocks_ = CollectVavurOrezos(program_);
    bool finished = true;
    for (Symbol* block : blocks_) {
      if (!PrintBlock(*block)) {
        finished = false;
        break;
      }
    }
    if (finished) job_.EndJob();
    canvas_.UseFont(previous);
    canvas_.FreeFont(headingFont_);
    canvas_.FreeFont(bodyFont_);
    canvas_.FreeFont(referenceFont_);
    return finished;
  }

 private:
  bool NextPage() {
    if (!job_.NewPage()) return false;
    y_ = 2 * line_;
    return true;
  }
  bool AdvanceLine() {
    y_ += line_;
    return y_ <= bottom_ || NextPage();
  }

  bool PrintBlock(Symbol& block) {
    canvas_.UseFont(headingFont_);
    y_ += line_;
    if (y_ > bottom_ - 6 * line_ && !NextPage()) return false;
    canvas_.DrawLine(x_, y_, InfoHeading(block));
    y_ += line_ * 3 / 2;

    canvas_.UseFont(bodyFont_);
    PBInstance* instance = InstanceOf(&block);
    if (instance != nullptr) {
      for (const ReportField& field : ReadReportFields(*instance, &program_.Symbols())) {
        const InfoFieldTexts texts = InfoFieldText(field, &program_.Symbols());
        if (instance->Type == kSqlStatementType && std::strcmp(field.Def->Name, "SQLStatement") == 0) {
          canvas_.DrawLine(x_, y_, std::string(field.Def->Name) + " :");
          WrapValue(texts.Value, x_ + kValueColumn);
        } else {
          canvas_.DrawLine(x_, y_, std::string(field.Def->Name) + " : \t" + texts.Value + " \t" + texts.Kind, kTabStops);
        }
        if (!AdvanceLine()) return false;
      }
    }
    return PrintReferences(block);
  }

  // The value in lines of at most 80 characters that fit the page from startX; y stays on
  // the last line drawn.
  void WrapValue(const std::string& value, int startX) {
    const int room = canvas_.PageWidth() - startX;
    bool drawn = false;
    std::size_t begin = 0;
    while (begin <= value.size()) {
      std::size_t cr = value.find('\r', begin);
      const std::string line = value.substr(begin, cr == std::string::npos ? std::string::npos : cr - begin);
      std::size_t at = 0;
      while (at < line.size()) {
        if (drawn) {
          if (y_ + line_ > bottom_) return;
          y_ += line_;
        }
        std::size_t length = std::min(kWrapPiece, line.size() - at);
        while (length > 1 && canvas_.TextWidth(line.substr(at, length), kTabStops) > room) --length;
        if (at + length < line.size() && line[at + length] != ' ' && line[at + length - 1] != ' ') {
          const std::size_t blank = line.rfind(' ', at + length - 1);
          if (blank != std::string::npos && blank > at) length = blank - at;
        }
        canvas_.DrawLine(startX, y_, line.substr(at, length), kTabStops);
        drawn = true;
        at += length;
        if (at < line.size() && line[at] == ' ') ++at;
      }
      if (cr == std::string::npos) break;
      begin = cr + 2;   // the line feed after the carriage return goes too
    }
  }

  bool PrintReferences(Symbol& block) {
    canvas_.UseFont(referenceFont_);
    canvas_.DrawLine(x_, y_, "REFERENCES: ");
    x_ += kReferenceIndent * charWidth_;
    std::string line;
    for (Symbol* other : blocks_) {
      if (!RefersTo(*other, block.Name)) continue;
      if (!line.empty()) line += ", ";
      line += other->Name;
      if (line.size() > kReferenceLineLimit) {
        canvas_.DrawLine(x_, y_, line);
        line.clear();
        y_ += line_;
      }
    }
    canvas_.DrawLine(x_, y_, line);
    x_ = 0;
    return AdvanceLine();
  }

  bool RefersTo(Symbol& other, const char* name) {
    PBInstance* instance = InstanceOf(&other);
    if (instance == nullptr) return false;
    for (const ReportField& field : ReadReportFields(*instance, &program_.Symbols())) {
      if (field.Def->UsesValueSlot() && field.Text == name) return true;
    }
    return false;
  }

  TProgram& program_;
  ReportJob& job_;
  ReportCanvas& canvas_;
  ReportCanvas::FontId headingFont_ = 0;
  ReportCanvas::FontId bodyFont_ = 0;
  ReportCanvas::FontId referenceFont_ = 0;
  std::vector<Symbol*> blocks_;
  int line_ = 1;
  int charWidth_ = 1;
  int bottom_ = 0;
  int x_ = 0;
  int y_ = 0;
};

}  // namespace

InfoFieldTexts InfoFieldText(const ReportField& field, SymbolTable* program) {
  InfoFieldTexts out;
  switch (field.Def->UIElement) {
    case scribe::kUICheckBox:
      out.Value = field.Number != 0 ? "checked" : "unchecked";
      out.Kind = "check box";
      break;
    case scribe::kUIRadioGroup:
      if (!RadioNameAt(*field.Def, std::abs(field.Number), out.Value) && field.Number != 0) {
        out.Value = std::to_string(field.Number);
      }
      out.Kind = "radio button";
      break;
    case scribe::kUIEdit:
    case scribe::kUIChoice:
      out.Value = field.Text;
      if (!out.Value.empty() && field.DataType >= 0) out.Kind = MemberTypeName(field.DataType, program);
      break;
    default:
      out.Value = "?????";
      break;
  }
  return out;
}

std::string InfoHeading(Symbol& vavurOrezo) {
  std::string type = "User Defined";
  if (PBInstance* instance = InstanceOf(&vavurOrezo)) {
    if (instance->Type >= 0 && instance->Type < kPBCatalogueSize) {
      const char* display = TheCatalogue().DisplayName(instance->Type);
      type = display != nullptr ? display : "";
    } else if (instance->Type == kSuperBlockCallType) {
      type = instance->Companion;
    }
  }
  return std::string(vavurOrezo.Name) + " [" + type + "]";
}

std::vector<Symbol*> CollectVavurOrezos(TProgram& program) {
  std::vector<Symbol*> out;
  const std::size_t limit = program.VavurOrezoCount > 0 ? static_cast<std::size_t>(program.VavurOrezoCount) : 0;
  if (Symbol** tree = program.Symbols().TreeSlot(kTypeVavurOrezo)) InOrder(*tree, out, limit);
  return out;
}

bool PrintPBInfoReport(TProgram& program, ReportJob& job) {
  if (!job.BeginJob(kInfoReportJobName)) return false;
  return InfoReport(program, job).Run();
}

}  // namespace zeph
