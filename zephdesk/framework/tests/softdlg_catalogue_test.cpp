// The designer's soft dialog definitions: each names its template, its soft controls with
// their kinds, its data links and its number of NOTIFICATION sections as the catalogue of
// the designer's dialogs lists them; together they hold the catalogue's totals.
#include <sstream>
#include <string>
#include <vector>

#include "framework/definitions/defs_ids.h"
#include "framework/softdlg/kvsdlgdf.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvtokens.h"
#include "softrec_fixture.h"

namespace {

struct CatalogueRow {
    WORD id;
    WORD dialogTemplate;
    const char* controls;  // "id:kind ..." in section order
    const char* links;     // "control>field ..." in section order
    int notifications;
};

// Kinds: e edit, l list view, c combo, g group, r radio group, p item picker, i item
// editor, s edit with up-down, f application-file combo.
const CatalogueRow kCatalogue[] = {
    {14501, 10004, "1000:i", "1000>28051", 1},
    {14502, 10009, "2001:e 2002:e 2003:e", "2001>25301 2002>25300 2003>25302", 0},
    {14503, 10010, "2001:e 2002:e 2003:e", "2001>25301 2002>25300 2003>25302", 2},
    {14504, 10011, "2001:e 2002:e 2003:e", "2001>25301 2002>25300 2003>25302", 2},
    {14505, 10004, "1000:i", "1000>28051", 1},
    {14506, 10012, "2001:e 2002:e 2003:e 2004:e", "2001>25321 2002>25320 2003>25322 2004>25323", 0},
    {14507, 10013, "2001:e 2002:e 2003:e 2004:e", "2001>25321 2002>25320 2003>25322 2004>25323", 3},
    {14508, 10014, "2001:e 2002:e 2003:e 2004:e", "2001>25321 2002>25320 2003>25322 2004>25323", 4},
    {14509, 10001, "102:e 2009:e 5000:f", "5000>28051", 1},
    {14510, 10001, "102:e 2009:e 5000:f", "5000>28051", 1},
    {14511, 10001, "102:e 2009:e 5000:f", "5000>28051", 1},
    {14512, 10001, "102:e 2009:e 5000:f", "5000>25255", 1},
    {14513, 10001, "102:e 2009:e 5000:f", "5000>28051", 1},
    {14514, 10001, "102:e 2009:e 5000:f", "5000>25255", 1},
    {14515, 10003, "102:e 2009:e 5000:f", "5000>25255", 1},
    {14516, 10007, "102:e 2009:e 5000:f", "5000>28051", 1},
    {14517, 10008, "102:e 2009:e 5000:f", "5000>25255", 1},
    {14518, 10005, "2003:e", "102>25256 2009>25255 108>25281 2003>25257 103>25274 104>25273", 2},
    {14519, 10006, "106:e 107:e 102:e 104:e", "106>25264 108>25265 109>25275 107>25266 101>25267 102>25268 104>25269", 2},
    {14520, 10015, "103:e 1002:s", "101>25402 1002>25403", 2},
    {15001, 11005, "", "", 0},
    {15002, 11016, "", "", 0},
    {15003, 11002, "301:l 304:e", "301>28115 304>28116", 0},
    {15101, 11003, "314:e 1301:p 1302:r 1303:s 1304:g 309:c",
     "1301>28011 1302>28012 310>28013 311>28014 312>28015 313>28016 317>28020 1303>28018 316>28019 309>28017", 4},
    {15102, 11009, "307:e 1303:p 1301:g 1302:r", "1303>28051 307>28053 1302>28052", 2},
    {15103, 11012, "302:e 303:e 305:e 306:e 308:e 309:e 311:e 312:e 314:e 315:e 1301:p 319:e 1302:s",
     "1301>28145 1302>28146 301>28132 302>28130 303>28131 304>28135 305>28133 306>28134 307>28138 308>28136 "
     "309>28137 310>28141 311>28139 312>28140 313>28144 314>28142 315>28143",
     10},
    {15104, 11010, "",
     "3001>28091 3002>28092 3003>28093 3004>28094 3005>28095 3006>28096 3007>28097 3008>28098 3009>28099 3010>28100",
     0},
    {15105, 11014, "", "301>28071", 0},
    {15106, 11011, "1301:r 303:e 1302:g", "1301>28061 303>28062", 2},
    {15107, 11011, "1301:r 303:e 1302:g", "1301>28061 303>28062", 2},
    {15108, 11006, "1301:p", "1301>28031 304>28032", 0},
    {15109, 11007, "301:c", "301>28121", 0},
    {15110, 11001, "1301:p 306:e 1302:s 1303:p 315:e 1304:s 1305:p",
     "1301>28001 322>28008 323>28009 304>28002 1302>28003 1303>28004 313>28005 1304>28006 1305>28007", 4},
    {15111, 11004, "1301:p 1302:r 309:e 1303:s 312:e 1304:g 1305:g 313:c",
     "1301>28021 307>28023 1302>28022 1303>28024 312>28025 313>28026", 5},
    {15112, 11008, "",
     "3001>28081 3002>28082 3003>28083 3004>28084 3005>28085 3006>28086 3007>28087 3008>28088 3009>28089 3010>28090",
     0},
    {15113, 11015, "", "301>28150", 0},
    {16004, 12005, "1604:r 1601:g 1602:g 1603:g",
     "4003>31021 1604>31020 4002>31022 4004>31023 4005>31024 514>31025 4006>31026", 6},
    {16005, 12006, "1601:s 1602:s 1603:s",
     "4002>31030 1601>31031 4003>31032 1602>31033 4004>31034 4006>31035 1603>31036 4005>31037", 0},
};

char KindLetter(WORD kind)
{
    switch (kind) {
    case 0x4004: return 'e';
    case 0x4003: return 'l';
    case 0x4006: return 'c';
    case 0x4071: return 'g';
    case 0x4072: return 'r';
    case 0x4076: return 'p';
    case 0x4077: return 'i';
    case 0x4078: return 's';
    case 0x4079: return 'f';
    default: return '?';
    }
}

std::string Join(const std::vector<std::string>& parts)
{
    std::ostringstream out;
    for (std::size_t i = 0; i < parts.size(); ++i)
        out << (i ? " " : "") << parts[i];
    return out.str();
}

std::vector<const KvStatement*> Body(const KvSection* section)
{
    std::vector<const KvStatement*> statements;
    for (int i = 0; section != nullptr && i < section->GetNbStatements(kKvKindBody); ++i)
        statements.push_back(section->GetStatement(kKvKindBody, i));
    return statements;
}

}  // namespace

using SoftDlgCatalogueTest = SoftRecTest;

TEST_F(SoftDlgCatalogueTest, EveryDialogHoldsItsTemplateControlsLinksAndSections)
{
    int sections = 0, callOuts = 0, parameters = 0;
    for (const CatalogueRow& row : kCatalogue) {
        SCOPED_TRACE(row.id);
        KvSoftDlgDef* def = KvSoftDlgDef::Create(row.id);
        EXPECT_EQ(def->GetDlgResID(), row.dialogTemplate);
        std::vector<std::string> controls, links;
        for (const KvStatement* s : Body(def->GetSoftControlSection()))
            controls.push_back(std::to_string(s->GetOperand(0)) + ":" + KindLetter(s->GetOperand(1)));
        for (const KvStatement* s : Body(def->GetDataLinkSection()))
            links.push_back(std::to_string(s->GetOperand(0)) + ">" + std::to_string(s->GetOperand(1)));
        EXPECT_EQ(Join(controls), row.controls);
        EXPECT_EQ(Join(links), row.links);
        EXPECT_EQ(def->GetNotificationCount(), row.notifications);
        sections += def->GetNotificationCount();
        KvObArray* notifications = def->GetSections(kKvSecNotification);
        for (int i = 0; i < def->GetNotificationCount(); ++i) {
            for (const KvStatement* s : Body(static_cast<const KvSection*>(notifications->GetAt(i))))
                callOuts += s->GetType() == kKvStmExtension ? 1 : 0;
        }
        const KvSection* dataLinks = def->GetDataLinkSection();
        for (const KvStatement* s : Body(dataLinks)) {
            const auto* link = static_cast<const KvMultiLineStatement*>(s);
            parameters += link->GetNbStatements(kKvKindBody);
        }
        def->Release();
        delete def;
    }
    // The test sheet's pages (16001-16003) add their sections and columns to these.
    EXPECT_EQ(sections, 63);
    EXPECT_EQ(callOuts, 13);
    EXPECT_EQ(parameters, 10);
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

// The workers' buttons: each raises its call-out from one section of its own.
TEST_F(SoftDlgCatalogueTest, EachWorkersButtonRaisesItsCallOut)
{
    const struct {
        WORD dialog, button, callOut;
    } cases[] = {
        {14503, 2010, 32000}, {14503, 2005, 32001}, {14504, 2010, 32000}, {14504, 2005, 32001},
        {14507, 2007, 32002}, {14507, 2011, 32003}, {14507, 2006, 32004}, {14508, 2007, 32002},
        {14508, 2011, 32003}, {14508, 2006, 32004}, {14508, 2012, 32007}, {14518, 2011, 32005},
        {14518, 2006, 32006},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.dialog) + " " + std::to_string(c.button));
        KvSoftDlgDef* def = KvSoftDlgDef::Create(c.dialog);
        KvStatement key(kKvStmNotif);
        key.InsertParam(0, kKvStmNotif);
        key.InsertParam(1, c.button);
        key.InsertParam(2, 0x0404);
        const std::vector<const KvStatement*> body = Body(def->FindSectionByHeader(kKvSecNotification, key));
        ASSERT_EQ(body.size(), 1u);
        EXPECT_EQ(body[0]->GetType(), kKvStmExtension);
        EXPECT_EQ(body[0]->GetOperand(0), c.callOut);
        def->Release();
        delete def;
    }
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}
