#pragma once
// The three printed reports beside the flow printout: the SuperBlock report (each page
// with its comment and return vectors), the voice and fax items report of a user
// application and the block details report (every VavurOrezo with its type, state,
// comment and parameters). They share one page layout and one line printer and draw on a
// report canvas, so the same layout prints on a printer and in tests.

#include <cstdint>
#include <string>
#include <vector>

#include "editors/reports/reportcanvas.h"

namespace ed {

class Program;

inline constexpr const char* kSuperBlockReportJob = "Printing SuperBlocks";
inline constexpr const char* kItemsReportJob = "Printing Voice and Fax Script";
inline constexpr const char* kBlockReportJob = "Printing Blocks";

// The report fonts' heights for a printable page height: the standard heights when the
// page holds 74 to 76 lines of 82 units, else scaled from a body of height / 75.
struct ReportFontHeights {
  int title = 121, heading = 98, subheading = 82, body = 82, note = 82;
};
ReportFontHeights ScaledReportFonts(int pageHeight);

// What the items report shows of a user application.
struct ReportItem {
  std::string name;
  std::int32_t id = 0;
  std::string description;
  std::string confirmation;   // fax items only
};
struct ItemsReportData {
  std::string appName;
  std::int32_t appId = 0;
  std::vector<ReportItem> voice;
  std::vector<ReportItem> fax;
};

// The model side of the block details: one VavurOrezo's parameters printed from the line
// position on (which may begin new pages), with the combo kind chosen by its type.
class BlockFieldsPrinter {
 public:
  virtual ~BlockFieldsPrinter() = default;
  virtual void PrintFields(const std::string& modelName, int comboKind, zeph::ReportCanvas& canvas,
                           zeph::ReportPages& pages, int& line, int& page) = 0;
};

// The combo kind of a block's type name ("Menu" 4, ...), 0 for any other.
int BlockComboKind(const std::string& typeName);
// The model's name of a block: "page$block" on a SuperBlock or verification page.
std::string BlockModelName(const std::string& pageName, std::int32_t pageType, const std::string& block);
// The file name part of a path: after the last backslash, the whole path without one.
std::string ReportFileName(const std::string& path);

// Each answers false when the job or a page could not begin (nothing more was printed).
bool PrintSuperBlockReport(Program& program, zeph::ReportJob& job);
bool PrintVoiceFaxItems(const ItemsReportData& data, zeph::ReportJob& job);
bool PrintBlockDetails(Program& program, const ItemsReportData& app, BlockFieldsPrinter& fields,
                       zeph::ReportJob& job);

}  // namespace ed
