#include "editor/print/reports.h"

#include <memory>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editors/reports/parmreport.h"

namespace ed {
namespace {

using zeph::ReportCanvas;
using zeph::ReportFont;
using zeph::ReportJob;

constexpr int kStandardBody = 82;
constexpr int kStandardLines = 75;
constexpr const char* kFace = "Helv";

// One report's job: its fonts, the page layout and the line position, over the shared
// line printer.
class ReportRun {
 public:
  // scaled: the font heights follow the page height, read once the first page began.
  ReportRun(ReportJob& job, bool scaled) : job_(job), scaled_(scaled) {}
  ~ReportRun() {
    if (!fontsMade_) return;
    canvas_->UseFont(previous_);
    for (ReportCanvas::FontId font : {title, heading, subheading, body, note}) canvas_->FreeFont(font);
  }
  ReportRun(const ReportRun&) = delete;
  ReportRun& operator=(const ReportRun&) = delete;

  bool Begin(const char* jobName) {
    if (!job_.BeginJob(jobName)) return false;
    canvas_ = &job_.Canvas();
    if (scaled_) heights_ = ScaledReportFonts(canvas_->PageHeight());
    title = canvas_->MakeFont(ReportFont{kFace, heights_.title, 700, false});
    heading = canvas_->MakeFont(ReportFont{kFace, heights_.heading, 700, false});
    subheading = canvas_->MakeFont(ReportFont{kFace, heights_.subheading, 400, false});
    body = canvas_->MakeFont(ReportFont{kFace, heights_.body, 400, false});
    note = canvas_->MakeFont(ReportFont{kFace, heights_.note, 200, true});
    fontsMade_ = true;
    previous_ = canvas_->UseFont(body);
    const zeph::ReportMetrics m = canvas_->Metrics();
    line_ = m.LineHeight() > 0 ? m.LineHeight() : 1;
    charWidth_ = m.AveCharWidth > 0 ? m.AveCharWidth : 1;
    NewWriter(1);
    y_ = FirstLine();
    return true;
  }

  int Line() const { return line_; }
  int LeftColumn() const { return 4 * line_; }
  int SecondColumn() const { return 4 * line_ + 20 * charWidth_; }
  int FirstLine() const { return 4 * line_; }
  void Down(int lines) { y_ += lines * line_; }

  // Prints the text at x in the font; false once a page could not begin.
  bool Text(const std::string& text, int x, ReportCanvas::FontId font, bool advance = true) {
    canvas_->UseFont(font);
    const bool ok = writer_->PrintText(x, y_, text, advance);
    canvas_->UseFont(body);
    return ok;
  }
  // Finishes the page and begins the next.
  bool NextPage() {
    canvas_->UseFont(body);
    if (!writer_->FinishPage()) return false;
    y_ = FirstLine();
    return true;
  }
  // Finishes the last page and ends the job.
  void End() {
    canvas_->UseFont(body);
    writer_->DrawFooter();
    job_.EndPage();
    job_.EndJob();
  }
  // Hands the line position and page counter to the model's printer and takes them back.
  void PrintFields(BlockFieldsPrinter& fields, const std::string& modelName, int comboKind) {
    int page = writer_->Page();
    canvas_->UseFont(body);
    fields.PrintFields(modelName, comboKind, *canvas_, job_, y_, page);
    canvas_->UseFont(body);
    NewWriter(page);
  }

  ReportCanvas::FontId title = 0, heading = 0, subheading = 0, body = 0, note = 0;

 private:
  void NewWriter(int page) { writer_ = std::make_unique<zeph::ParmReportWriter>(*canvas_, job_, page); }

  ReportJob& job_;
  bool scaled_;
  ReportCanvas* canvas_ = nullptr;
  ReportFontHeights heights_;
  bool fontsMade_ = false;
  ReportCanvas::FontId previous_ = 0;
  std::unique_ptr<zeph::ParmReportWriter> writer_;
  int line_ = 1;
  int charWidth_ = 1;
  int y_ = 0;
};

std::string Quoted(const std::string& text) { return text.empty() ? "<no description>" : "\"" + text + "\""; }

std::string AppIdentity(const ItemsReportData& app) { return app.appName + "/" + std::to_string(app.appId); }

bool PrintItems(ReportRun& run, const std::vector<ReportItem>& items, bool fax) {
  for (const ReportItem& item : items) {
    if (!run.Text(item.name + "/" + std::to_string(item.id), run.LeftColumn(), run.heading)) return false;
    if (!run.Text(fax ? "Fax Item Description:" : "Voice Item Description:", run.LeftColumn(), run.body)) return false;
    if (!run.Text(Quoted(item.description), run.LeftColumn(), run.note)) return false;
    if (fax) {
      if (!run.Text("Fax Confirmation Description:", run.LeftColumn(), run.body)) return false;
      if (!run.Text(Quoted(item.confirmation), run.LeftColumn(), run.note)) return false;
    }
  }
  return true;
}

}  // namespace

ReportFontHeights ScaledReportFonts(int pageHeight) {
  ReportFontHeights h;
  const int lines = pageHeight / kStandardBody;
  if (lines >= kStandardLines - 1 && lines <= kStandardLines + 1) return h;
  h.body = h.subheading = h.note = pageHeight / kStandardLines;
  h.heading = static_cast<int>(h.body * 1.1951220);
  h.title = static_cast<int>(h.heading * 1.2346939);
  return h;
}

int BlockComboKind(const std::string& typeName) {
  static const char* const kKinds[] = {"Language Select", "Thru-Dial",   "Announcement", "Menu",
                                       "Password Check",  "Call Transfer", "Fax Select"};
  for (int i = 0; i < 7; ++i) {
    if (typeName == kKinds[i]) return i + 1;
  }
  return 0;
}

std::string BlockModelName(const std::string& pageName, std::int32_t pageType, const std::string& block) {
  return pageType != kPageMain ? pageName + "$" + block : block;
}

std::string ReportFileName(const std::string& path) {
  const std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool PrintSuperBlockReport(Program& program, ReportJob& job) {
  ReportRun run(job, false);
  if (!run.Begin(kSuperBlockReportJob)) return false;
  if (!run.Text("Ulvo SuperBlock Report", run.LeftColumn(), run.title)) return false;
  if (!run.Text("\"" + ReportFileName(program.GetFileName()) + "\"", run.LeftColumn(), run.title)) return false;
  run.Down(2);
  for (const auto& page : program.Pages()) {
    if (!run.Text(page->Name(), run.LeftColumn(), run.heading)) return false;
    run.Down(1);
    const std::string comment = page->Comment().empty() ? "No SuperBlock comments" : page->Comment();
    if (!run.Text(comment, run.LeftColumn(), run.note)) return false;
    run.Down(1);
    if (!run.Text("Return Vectors", run.LeftColumn(), run.subheading)) return false;
    bool any = false;
    for (const auto& block : page->Blocks()) {
      if (block->TypeCode() != kTypeSubFlowEnd) continue;
      any = true;
      if (!run.Text(block->Name(), run.LeftColumn(), run.body, false)) return false;
      if (!run.Text(block->GetDescription(), run.SecondColumn(), run.note)) return false;
    }
    if (!any && !run.Text("None", run.LeftColumn(), run.body)) return false;
    run.Down(2);
  }
  run.End();
  return true;
}

bool PrintVoiceFaxItems(const ItemsReportData& data, ReportJob& job) {
  ReportRun run(job, true);
  if (!run.Begin(kItemsReportJob)) return false;
  if (!run.Text("Flowsmith Voice Items (" + AppIdentity(data) + ")", run.LeftColumn(), run.title)) return false;
  if (data.voice.empty()) {
    if (!run.Text("No voice items", run.LeftColumn(), run.note)) return false;
  } else if (!PrintItems(run, data.voice, false)) {
    return false;
  }
  if (!run.NextPage()) return false;
  if (!run.Text("Flowsmith Fax Items (" + AppIdentity(data) + ")", run.LeftColumn(), run.title)) return false;
  if (data.fax.empty()) {
    if (!run.Text("No fax items", run.LeftColumn(), run.note)) return false;
  } else if (!PrintItems(run, data.fax, true)) {
    return false;
  }
  run.End();
  return true;
}

bool PrintBlockDetails(Program& program, const ItemsReportData& app, BlockFieldsPrinter& fields, ReportJob& job) {
  ReportRun run(job, true);
  if (!run.Begin(kBlockReportJob)) return false;
  const std::string title =
      "Flowsmith Block Report \"" + app.appName + " (" + std::to_string(app.appId) + ")\"";
  if (!run.Text(title, run.LeftColumn(), run.title)) return false;
  for (const auto& page : program.Pages()) {
    for (const auto& block : page->Blocks()) {
      const std::string typeName = block->Record() != nullptr ? block->Record()->typeName : std::string();
      const std::string comment = block->GetDescription()[0] != '\0' ? block->GetDescription() : "None";
      if (!run.Text(block->Name(), run.LeftColumn(), run.heading)) return false;
      if (!run.Text("Block Type", run.LeftColumn(), run.body, false)) return false;
      if (!run.Text(typeName, run.SecondColumn(), run.body)) return false;
      if (!run.Text("Completed?", run.LeftColumn(), run.body, false)) return false;
      if (!run.Text(block->IsFinished() != 0 ? "Yes" : "No", run.SecondColumn(), run.body)) return false;
      if (!run.Text("Comments", run.LeftColumn(), run.body, false)) return false;
      if (!run.Text(comment, run.SecondColumn(), run.note)) return false;
      if (!run.Text("Block Fields", run.LeftColumn(), run.subheading)) return false;
      run.PrintFields(fields, BlockModelName(page->Name(), page->PageType(), block->Name()), BlockComboKind(typeName));
      run.Down(1);
    }
  }
  run.End();
  return true;
}

}  // namespace ed
