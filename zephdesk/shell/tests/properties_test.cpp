// File > Properties on an open document: "Complete" from the program, cancel, the stored
// password, server refusals, and a name that cannot be a file name.
#include <cstring>
#include <string>
#include <vector>

#include "editor/canvas/page.h"
#include "editor/canvas/vavurorezo.h"
#include "opendocument_fixture.h"
#include "shell/states/commandfacts.h"
#include "shell/states/commandstates.h"

namespace {

// The property sheet's answer is scripted; the values it saw are kept.
class SheetApp : public KvUserApp {
public:
    SheetApp() : KvUserApp("Main.ed") {}
    int Edit() override
    {
        // What the sheet's control shows.
        completeSeen.push_back(static_cast<const char*>(GetText(F_UA_COMPLETE)));
        return answer;
    }
    int answer = 1;
    std::vector<std::string> completeSeen;
};

class PropertiesTest : public OpenDocumentTest {
protected:
    PropertiesTest() { sheet.SetProgram(program.get()); }
    ~PropertiesTest() override { sheet.SetProgram(nullptr); }
    SheetApp sheet;
};

}  // namespace

TEST_F(PropertiesTest, CompleteFollowsTheProgramsBlocks)
{
    auto* page = new ed::Page(program.get(), "Main", ed::kPageMain, 0);
    program->AddPage(page);
    auto* unfinished = new ed::VavurOrezo();
    page->AddVavurOrezo(unfinished);
    EXPECT_EQ(sheet.EditProperties(1), 0);
    page->RemoveVavurOrezo(unfinished);
    EXPECT_EQ(sheet.EditProperties(1), 0);
    EXPECT_EQ(sheet.completeSeen, (std::vector<std::string>{"No", "Yes"}));
    EXPECT_EQ(link.lastInfo.compiledOk, 1);
}

TEST_F(PropertiesTest, CancelMakesNoServerCall)
{
    sheet.answer = 2;
    EXPECT_EQ(sheet.EditProperties(1), -1);
    EXPECT_TRUE(link.calls.empty());
    EXPECT_EQ(sheet.EditProperties(0), 0);  // without the sheet the fields are sent at once
    EXPECT_EQ(link.calls, std::vector<std::string>{"FileProperties"});
}

TEST_F(PropertiesTest, ThePlaceholderSendsTheStoredPasswordAndATypedOneIsEncoded)
{
    KvAppInfo fromServer{};
    const unsigned char stored[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    std::memcpy(fromServer.updatePassword, stored, 8);
    fromServer.updatePasswordNeeded = 1;
    sheet.ApplyInfoRecord(&fromServer);
    EXPECT_EQ(sheet.EditProperties(1), 0);
    EXPECT_EQ(std::memcmp(link.lastInfo.updatePassword, stored, 8), 0);
    EXPECT_EQ(link.encodes, 0);

    sheet.SetText(F_UA_TELSET_PWD, "13579");
    sheet.SetText(F_UA_PWD_CONFIRM, "13579");
    EXPECT_EQ(sheet.EditProperties(1), 0);
    char encoded[8];
    link.EncryptString("13579", encoded);
    EXPECT_EQ(std::memcmp(link.lastInfo.updatePassword, encoded, 8), 0);
}

TEST_F(PropertiesTest, ServerRefusalsShowTheirMessageAndKeepTheEdits)
{
    struct Case {
        int result;
        std::string message;
    };
    const Case cases[] = {
        {62, "Server disk is full. Server will not perform any operation"},
        {63, "Database space is full.Server will not perform any operation"},
        {64, "MISA space is full.Server will not perform any operation"},
        {60, "The system could not update the application properties on the server.\n"
             "Please check the connection to the server and try again."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        link.results["FileProperties"] = c.result;
        sheet.SetText(F_UA_DESCRIPTION, "Edited");
        EXPECT_EQ(sheet.EditProperties(1), 1);
        EXPECT_EQ(Messages().back(), c.message);
        EXPECT_STREQ(sheet.GetText(F_UA_DESCRIPTION), "Edited");
        EXPECT_STREQ(*static_cast<CString*>(sheet.GetFieldStorage(F_UA_DESCRIPTION)), "");
    }
}

TEST_F(PropertiesTest, ANameThatCannotBeAFileNameIsRefusedBeforeTheServerCall)
{
    for (const char* name : {"a\\b", "a/b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b"}) {
        SCOPED_TRACE(name);
        sheet.SetText(F_UA_NAME, name);
        EXPECT_EQ(sheet.EditProperties(1), 1);
        EXPECT_EQ(Messages().back(), "A filename cannot contain any of the following characters:\n"
                                     "  \\ / : * ? \" < > |");
    }
    EXPECT_TRUE(link.calls.empty());
    sheet.SetText(F_UA_NAME, "Fine name");
    EXPECT_EQ(sheet.EditProperties(1), 0);
    EXPECT_STREQ(*static_cast<CString*>(sheet.GetFieldStorage(F_UA_NAME)), "Fine name");
}

// The command states read the open document's export flag, imports and completeness.
TEST_F(PropertiesTest, TheDocumentAnswersTheCommandStatesFacts)
{
    auto* page = new ed::Page(program.get(), "Main", ed::kPageMain, 0);
    program->AddPage(page);
    auto* unfinished = new ed::VavurOrezo();
    page->AddVavurOrezo(unfinished);
    ActiveAppSource& source = app;
    ActiveAppFacts facts;
    ASSERT_TRUE(source.GetActiveAppFacts(facts));
    CommandFacts states = MakeCommandFacts({}, &facts, {});
    EXPECT_EQ(facts.exportField, "No");
    EXPECT_TRUE(states.app);
    EXPECT_FALSE(states.exported);
    EXPECT_FALSE(states.hasImports);
    EXPECT_FALSE(states.complete);

    page->RemoveVavurOrezo(unfinished);
    app.SetExported(1);
    app.GetList(F_UA_APPS)->Add(new KvUserApp("Lib.ed"));
    ASSERT_TRUE(source.GetActiveAppFacts(facts));
    states = MakeCommandFacts({}, &facts, {});
    EXPECT_TRUE(states.exported);
    EXPECT_TRUE(states.hasImports);
    EXPECT_TRUE(states.complete);
}
