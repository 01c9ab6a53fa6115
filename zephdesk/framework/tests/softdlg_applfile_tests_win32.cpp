// The application-file picker in a running dialog: the list's columns and rows, sorting on
// a column click, the companions filled from the selection (a quoted list of names for
// several rows), what OK stores as the dialog record's chosen file, and a file without
// ID or volume (-1) shown with empty fields.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/softdlg/kvsdlg.h"
#include "owl/testing/dialog_driver.h"
#include "softdlg_fixture_win32.h"

namespace {

constexpr WORD kSingle = 16904;
constexpr WORD kMultiple = 16905;
constexpr WORD kListOnly = 16906;
constexpr int kList = 2008, kName = 102, kId = 2009, kVolume = 105;

struct File {
    const char* name;
    std::int32_t id;
    std::int32_t volume;
    const char* user;
    const char* description;
};

std::vector<std::string> Column(HWND list, int column)
{
    std::vector<std::string> cells;
    const int rows = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int r = 0; r < rows; ++r)
        cells.push_back(ListViewCell(list, r, column));
    return cells;
}

// A click on a column header, as the list reports it to the dialog.
void ClickColumn(HWND dialog, int column)
{
    NMLISTVIEW click{};
    click.hdr.hwndFrom = ::GetDlgItem(dialog, kList);
    click.hdr.idFrom = kList;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = column;
    ::SendMessageA(dialog, WM_NOTIFY, kList, reinterpret_cast<LPARAM>(&click));
}

void Select(HWND dialog, int row)
{
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendDlgItemMessageA(dialog, kList, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

class ApplFilePickerTest : public SoftDlgWindowTest {
protected:
    ApplFilePickerTest() : record(DEF_SERVER)
    {
        SetFiles({{"menu", 10, 1, "ann", "Main menu"},
                  {"Banana", 9, 2, "", "Fruit"},
                  {"apple", 100, 1, "bob", ""},
                  {"cherry", 20, 2, "", "Red"}});
        KvRecArray volumes(&KvFieldValue(F_SRV_VOLUMES, &shell.server).AsRecArray());
        for (const std::int32_t id : {1, 2}) {
            auto* volume = new KvSoftRecMem(DEF_VOLUME);
            KvFieldValue(F_VOL_ID, volume) = id;
            volumes.Add(volume);
        }
        KvFieldValue(F_SRV_VOLUMES, &shell.server) = volumes;
        EXPECT_TRUE(shell.server.Commit());
    }

    void SetFiles(const std::vector<File>& files)
    {
        KvRecArray layer(&KvFieldValue(F_SRV_APPS, &shell.server).AsRecArray());
        for (const File& f : files) {
            auto* app = new KvSoftRecMem(DEF_USER_APP);
            KvFieldValue(F_UA_NAME, app) = CString(f.name);
            KvFieldValue(F_UA_ID, app) = f.id;
            KvFieldValue(F_UA_VOLUME, app) = f.volume;
            KvFieldValue(F_UA_LOCKING_USER, app) = CString(f.user);
            KvFieldValue(F_UA_DESCRIPTION, app) = CString(f.description);
            layer.Add(app);
        }
        KvFieldValue(F_SRV_APPS, &shell.server) = layer;
    }

    int Run(WORD dialogId, const std::function<void(HWND)>& step)
    {
        KvSoftDlg dialog(dialogId, &record, 0);
        DialogDriver driver(step);
        const int result = dialog.Execute(1);
        EXPECT_TRUE(driver.Ran());
        EXPECT_FALSE(driver.TimedOut());
        return result;
    }

    // The chosen file stored in the dialog record: name|id|volume, or "" when none.
    std::string Chosen()
    {
        KvRecArray& chosen = KvFieldValue(F_SRV_APPS, &record).AsRecArray();
        if (chosen.GetSize() == 0)
            return "";
        KvSoftRec* file = chosen.GetAt(0);
        return std::string(KvFieldValue(F_UA_NAME, file).AsText()) + "|" +
               std::to_string(KvFieldValue(F_UA_ID, file).AsInt32()) + "|" +
               std::to_string(KvFieldValue(F_UA_VOLUME, file).AsInt32());
    }

    // The number of chosen files committed into the record's storage.
    int StoredCount()
    {
        return static_cast<KvObArray*>(record.GetFieldStorage(F_SRV_APPS))->GetSize();
    }

    MemoryRecord record;
};

}  // namespace

// Five columns with their headers, widths and alignments; one row per server file in the
// list's order, every cell from the file's record.
TEST_F(ApplFilePickerTest, TheListShowsTheServerFilesInFiveColumns)
{
    std::vector<std::string> headers, rows;
    std::vector<int> widths, formats;
    EXPECT_EQ(Run(kSingle,
                  [&](HWND window) {
                      HWND list = ::GetDlgItem(window, kList);
                      for (int c = 0; c < 5; ++c) {
                          char text[64] = "";
                          LVCOLUMNA col{};
                          col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
                          col.pszText = text;
                          col.cchTextMax = sizeof text;
                          ::SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col));
                          headers.push_back(text);
                          widths.push_back(col.cx);
                          formats.push_back(col.fmt & LVCFMT_JUSTIFYMASK);
                      }
                      for (int r = 0; r < 4; ++r) {
                          std::string row;
                          for (int c = 0; c < 5; ++c)
                              row += ListViewCell(list, r, c) + "|";
                          rows.push_back(row);
                      }
                      PostClick(window, IDCANCEL);
                  }),
              IDCANCEL);
    EXPECT_EQ(headers, (std::vector<std::string>{"Name", "ID", "Volume ID", "Locking user", "Description"}));
    EXPECT_EQ(widths, (std::vector<int>{160, 44, 70, 75, 200}));
    EXPECT_EQ(formats, (std::vector<int>{LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_RIGHT, LVCFMT_LEFT, LVCFMT_LEFT}));
    EXPECT_EQ(rows, (std::vector<std::string>{"menu|10|1|ann|Main menu|", "Banana|9|2||Fruit|", "apple|100|1|bob||",
                                              "cherry|20|2||Red|"}));
    EXPECT_EQ(shell.links, std::vector<std::string>{"refresh 2307"});
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// A column clicked once sorts ascending, the same column again descending, then ascending
// again; another column starts ascending. IDs compare as numbers, names as lstrcmpA does.
TEST_F(ApplFilePickerTest, AColumnClickSortsAndTheSameColumnAgainTurnsTheOrder)
{
    std::vector<std::vector<std::string>> orders;
    EXPECT_EQ(Run(kSingle,
                  [&](HWND window) {
                      HWND list = ::GetDlgItem(window, kList);
                      for (const int column : {1, 1, 1, 0, 0}) {
                          ClickColumn(window, column);
                          orders.push_back(Column(list, 0));
                      }
                      PostClick(window, IDCANCEL);
                  }),
              IDCANCEL);
    const std::vector<std::string> byId = {"Banana", "menu", "cherry", "apple"};
    const std::vector<std::string> byIdDown = {"apple", "cherry", "menu", "Banana"};
    const std::vector<std::string> byName = {"apple", "Banana", "cherry", "menu"};
    const std::vector<std::string> byNameDown = {"menu", "cherry", "Banana", "apple"};
    EXPECT_EQ(orders, (std::vector<std::vector<std::string>>{byId, byIdDown, byId, byName, byNameDown}));
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// One selected row fills the name, ID and volume, which are stored as the chosen file as
// the selection changes. Cancel discards the choice; OK commits it into the record, and a
// later OK with another row replaces it.
TEST_F(ApplFilePickerTest, ASelectedFileFillsTheCompanionsAndIsStored)
{
    const struct {
        int row, button;
        const char* shown;
        const char* committed;
    } steps[] = {{3, IDCANCEL, "cherry|20|2", ""},
                 {3, IDOK, "cherry|20|2", "cherry|20|2"},
                 {2, IDCANCEL, "apple|100|1", "cherry|20|2"},
                 {2, IDOK, "apple|100|1", "apple|100|1"}};
    for (const auto& step : steps) {
        std::string shown, stored;
        EXPECT_EQ(Run(kSingle,
                      [&](HWND window) {
                          Select(window, step.row);
                          shown = ControlText(window, kName) + "|" + ControlText(window, kId) + "|" +
                                  ControlText(window, kVolume);
                          stored = Chosen();
                          PostClick(window, step.button);
                      }),
                  step.button);
        EXPECT_EQ(shown, step.shown) << step.row << " " << step.button;
        EXPECT_EQ(stored, step.shown) << step.row << " " << step.button;
        EXPECT_EQ(Chosen(), step.committed) << step.row << " " << step.button;
        EXPECT_EQ(StoredCount(), step.committed[0] != '\0' ? 1 : 0) << step.row << " " << step.button;
    }
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// Several selected rows give their names in list order, each quoted and followed by a
// blank; only the name is shown and it is stored with ID and volume -1, as OK commits it.
TEST_F(ApplFilePickerTest, SeveralSelectedFilesGiveAQuotedListOfNames)
{
    std::string shown, stored;
    BOOL idVisible = TRUE, volumeVisible = TRUE;
    EXPECT_EQ(Run(kMultiple,
                  [&](HWND window) {
                      idVisible = ::IsWindowVisible(::GetDlgItem(window, kId));
                      volumeVisible = ::IsWindowVisible(::GetDlgItem(window, kVolume));
                      for (const int row : {0, 1, 3})
                          Select(window, row);
                      shown = ControlText(window, kName);
                      stored = Chosen();
                      // A double click on several rows is no choice: the dialog stays.
                      NMHDR click{::GetDlgItem(window, kList), kList, static_cast<UINT>(NM_DBLCLK)};
                      ::SendMessageA(window, WM_NOTIFY, kList, reinterpret_cast<LPARAM>(&click));
                      PostClick(window, IDOK);
                  }),
              IDOK);
    EXPECT_FALSE(idVisible);
    EXPECT_FALSE(volumeVisible);
    EXPECT_EQ(shown, "\"menu\" \"Banana\" \"cherry\" ");
    EXPECT_EQ(stored, "\"menu\" \"Banana\" \"cherry\" |-1|-1");
    EXPECT_EQ(Chosen(), "\"menu\" \"Banana\" \"cherry\" |-1|-1");  // committed by OK
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// A chosen file already in the record shows when the dialog starts; an ID or volume of -1
// shows as an empty field.
TEST_F(ApplFilePickerTest, TheChosenFileShowsAndMinusOneShowsEmpty)
{
    const struct {
        std::int32_t id, volume;
        const char* shown;
    } cases[] = {{20, 2, "cherry|20|2"}, {-1, -1, "cherry||"}, {20, -1, "cherry|20|"}};
    for (const auto& c : cases) {
        KvRecArray layer(&KvFieldValue(F_SRV_APPS, &record).AsRecArray());
        while (layer.GetSize() > 0)
            layer.RemoveAt(0);
        auto* file = new KvSoftRecMem(DEF_USER_APP);
        KvFieldValue(F_UA_NAME, file) = CString("cherry");
        KvFieldValue(F_UA_ID, file) = c.id;
        KvFieldValue(F_UA_VOLUME, file) = c.volume;
        layer.Add(file);
        KvFieldValue(F_SRV_APPS, &record) = layer;
        std::string shown;
        EXPECT_EQ(Run(kSingle,
                      [&](HWND window) {
                          shown = ControlText(window, kName) + "|" + ControlText(window, kId) + "|" +
                                  ControlText(window, kVolume);
                          PostClick(window, IDCANCEL);
                      }),
                  IDCANCEL);
        EXPECT_EQ(shown, c.shown) << c.id << " " << c.volume;
    }
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}

// Without a single or multiple flag only the list shows and OK stores nothing.
TEST_F(ApplFilePickerTest, TheListAloneStoresNothing)
{
    BOOL nameVisible = TRUE;
    EXPECT_EQ(Run(kListOnly,
                  [&](HWND window) {
                      nameVisible = ::IsWindowVisible(::GetDlgItem(window, kName));
                      Select(window, 0);
                      PostClick(window, IDOK);
                  }),
              IDOK);
    EXPECT_FALSE(nameVisible);
    EXPECT_EQ(Chosen(), "");
    EXPECT_EQ(StoredCount(), 0);
    EXPECT_EQ(capture.Assertions(), std::vector<std::string>{});
}
