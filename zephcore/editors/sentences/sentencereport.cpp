// Layout of the voice sentence report.
#include "editors/sentences/sentencereport.h"

#include <string>
#include <vector>

#include "editors/sentences/componentline.h"
#include "editors/sentences/kinds.h"
#include "model/datatypes.h"
#include "model/symtable.h"
#include "model/vsentence.h"

namespace zeph {
namespace {

// Tab stops in device units, as the report has always used them on every printer.
const std::vector<int> kTabStops = {200, 600, 1000, 1200, 1400, 1600};
constexpr int kCommentLeft = 200;
constexpr std::size_t kDatabaseLineLimit = 127;

void InOrder(Symbol* node, std::vector<Symbol*>& out) {
  if (node == nullptr) return;
  InOrder(node->Left, out);
  if (!node->Deleted) out.push_back(node);
  InOrder(node->Right, out);
}

class SentenceReport {
 public:
  SentenceReport(SymbolTable& program, ReportJob& job) : program_(program), job_(job) {}

  bool Run() {
    if (!job_.BeginJob(kSentenceReportJobName)) return false;
    ReportCanvas& canvas = job_.Canvas();
    canvas_ = &canvas;
    ReportFont heading{"Helv", 0, 700, false};
    heading.Underline = true;
    headingFont_ = canvas.MakeFont(heading);
    bodyFont_ = canvas.MakeFont(ReportFont{"Helv", 0, 400, false});
    commentFont_ = canvas.MakeFont(ReportFont{"Helv", 0, 200, true});
    const ReportCanvas::FontId previous = canvas.UseFont(headingFont_);
    const ReportMetrics m = canvas.Metrics();
    line_ = m.LineHeight() > 0 ? m.LineHeight() : 1;
    const int charWidth = m.AveCharWidth > 0 ? m.AveCharWidth : 1;
    bottom_ = canvas.PageHeight() - 2 * line_;
    right_ = canvas.PageWidth() - 2 * charWidth;

    const bool finished = Print();
    if (finished) job_.EndJob();
    canvas.UseFont(previous);
    canvas.FreeFont(headingFont_);
    canvas.FreeFont(bodyFont_);
    canvas.FreeFont(commentFont_);
    return finished;
  }

 private:
  bool Print() {
    y_ = 2 * line_;
    canvas_->DrawLine(0, y_, "Printout of Voice Sentences");
    y_ += 4 * line_;
    canvas_->DrawLine(0, y_, "Prompt Databases");
    y_ += 2 * line_;
    canvas_->UseFont(bodyFont_);
    for (const char* const* name = PromptDatabaseVariables(); (*name)[0] != 0; ++name) {
      Symbol* variable = LookupSymbol(*name, kTypeString, &program_);
      if (variable == nullptr) continue;
      std::string text = std::string(*name) + "    \t" + VariableText(variable).value_or(std::string());
      if (text.size() > kDatabaseLineLimit) text.resize(kDatabaseLineLimit);
      if (!PageCheck()) return false;
      canvas_->DrawLine(0, y_, text, kTabStops);
      y_ += line_;
    }

    canvas_->UseFont(headingFont_);
    y_ += 4 * line_;
    canvas_->DrawLine(0, y_, "Voice Sentences");
    y_ += 2 * line_;
    canvas_->UseFont(bodyFont_);
    std::vector<Symbol*> sentences;
    InOrder(*program_.TreeSlot(kTypeVoiceSentence), sentences);
    for (Symbol* sentence : sentences) {
      if (!PrintSentence(*sentence)) return false;
    }
    return true;
  }

  bool PrintSentence(Symbol& sentence) {
    if (!PageCheck()) return false;
    SentenceComponent** head = SentenceComponents(&sentence);
    SentenceComponent* first = head != nullptr ? *head : nullptr;
    if (first != nullptr) {
      canvas_->DrawLine(0, y_, sentence.Name, kTabStops);
      y_ += line_;
    }
    for (SentenceComponent* c = first; c != nullptr; c = c->Next) {
      const std::string text = "\t" + FormatComponentLine(*c, &program_);
      if (!PageCheck()) return false;
      canvas_->DrawLine(0, y_, text, kTabStops);
      y_ += line_;
      if (c->Text.has_value() && !PrintComment(*c->Text)) return false;
    }
    y_ += line_;
    return true;
  }

  // The comment wrapped from the first tab stop to the right limit; one that does not fit
  // on the rest of the page starts the next page.
  bool PrintComment(const std::string& comment) {
    const std::string text = "<" + comment + ">";
    canvas_->UseFont(commentFont_);
    const int height = canvas_->WrappedHeight(text, right_ - kCommentLeft);
    if (y_ + height > bottom_) {
      y_ = 2 * line_;
      if (!job_.NewPage()) return false;
    }
    canvas_->DrawWrapped(text, kCommentLeft, y_, right_);
    y_ += height;
    canvas_->UseFont(bodyFont_);
    return true;
  }

  bool PageCheck() {
    if (y_ <= bottom_) return true;
    y_ = 2 * line_;
    return job_.NewPage();
  }

  SymbolTable& program_;
  ReportJob& job_;
  ReportCanvas* canvas_ = nullptr;
  ReportCanvas::FontId headingFont_ = 0, bodyFont_ = 0, commentFont_ = 0;
  int line_ = 1, bottom_ = 0, right_ = 0, y_ = 0;
};

}  // namespace

bool PrintVoiceSentenceReport(SymbolTable& program, ReportJob& job) { return SentenceReport(program, job).Run(); }

}  // namespace zeph
