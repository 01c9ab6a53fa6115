// Library names of imported applications and the names typed into the application list
// dialog.
#include <string>
#include <vector>

#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsoftrec.h"
#include "shell/references/libraryname.h"
#include "shell/serverlists/namelist.h"
#include "userapp_fixture.h"

TEST(LibraryNameTest, NameAndIdAreJoinedAndALongNameIsCutToThirtyCharacters)
{
    struct Case {
        int id;
        std::string name;
        std::string library;
    };
    const std::string a26(26, 'a');
    const std::string b27 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_";
    const Case cases[] = {
        {1234, "Sales", "Sales.1234"},
        {1234, a26, a26 + ".1234"},                     // 31 characters, unchanged
        {1234, b27, b27.substr(0, 25) + ".1234"},       // cut: 30 characters
        {49999, std::string(40, 'x'), std::string(24, 'x') + ".49999"},
        {1000, "", ".1000"},
    };
    for (const Case& c : cases) {
        const std::string library = MakeLibraryName(c.id, c.name.c_str());
        EXPECT_EQ(library, c.library);
        char buffer[32];
        MakeLibraryName(c.id, c.name.c_str(), buffer);
        EXPECT_EQ(std::string(buffer), c.library);
    }
    EXPECT_EQ(MakeLibraryName(1234, b27.c_str()).size(), 30u);
}

using NameListTest = UserAppTest;

TEST_F(NameListTest, TypedNamesAreSplitAtDoubleQuotes)
{
    struct Case {
        const char* text;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"Sales", {"Sales"}},
        {"  Sales Desk ", {"  Sales Desk "}},  // one name, kept as typed
        {"\"Sales\" \"Orders\"", {"Sales", "Orders"}},
        {"\"Sales\"\"Orders\"", {"Sales", "Orders"}},
        {"\" \" \"  \"", {}},
        {"", {}},
        {"   ", {}},
        {"\"Sales\" Orders", {"Sales", " Orders"}},
        {"\"Sales", {"Sales"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        KvObArray records;
        EXPECT_EQ(SplitNameList(c.text, records), static_cast<int>(c.names.size()));
        ASSERT_EQ(records.GetSize(), static_cast<int>(c.names.size()));
        for (int i = 0; i < records.GetSize(); ++i) {
            auto* record = static_cast<KvSoftRec*>(records.GetAt(i));
            EXPECT_EQ(record->GetID(), DEF_USER_APP);
            EXPECT_EQ(std::string(KvFieldValue(F_UA_NAME, record).AsText()), c.names[i]);
            delete record;
        }
    }
}
