// Restriction/permission lists used by an open document: use counts, the request sent to
// the server, uses of lists the server dropped, a list the server could not give, and the
// report of blocks naming missing lists or languages.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "framework/softrec/kvfldvlu.h"
#include "model/interface/vlx.h"
#include "model/symbol.h"
#include "shell/references/respermitem.h"
#include "shell/references/respermuse.h"
#include "opendocument_fixture.h"

namespace {

class ResPermUseTest : public OpenDocumentTest {
protected:
    ResPermUseTest()
    {
        KvResPermListEntry rp{};
        rp.listId = 17;
        std::strcpy(rp.name, "Local");
        link.resPerms.push_back(rp);
    }

    struct Use {
        std::string name;
        std::int32_t id, count;
        bool operator==(const Use&) const = default;
    };
    std::vector<Use> Uses()
    {
        std::vector<Use> uses;
        KvObArray* list = app.GetList(F_UA_RESPERM_USED);
        for (int i = 0; i < list->GetSize(); ++i) {
            auto* record = static_cast<KvSoftRec*>(list->GetAt(i));
            uses.push_back({static_cast<const char*>(KvFieldValue(F_RPU_NAME, record).AsText()),
                            KvFieldValue(F_RPU_LIST_ID, record).AsInt32(),
                            KvFieldValue(F_RPU_COUNT, record).AsInt32()});
        }
        return uses;
    }

    // The restriction/permission symbols of the model: name, the ID and count of their
    // data, their use count and 16-bit number.
    struct Mirror {
        std::string name;
        std::int32_t id, count;
        int refCount, number;
        bool operator==(const Mirror&) const = default;
    };
    static std::vector<Mirror> Symbols()
    {
        std::vector<vlxHandleType> handles(static_cast<std::size_t>(vlxGetTreeSize(kKvResPermSymbolType)));
        const int n = handles.empty() ? 0 : vlxGetATypeOfSymbols(handles.data(), kKvResPermSymbolType);
        std::vector<Mirror> symbols;
        for (int i = 0; i < n; ++i) {
            auto* symbol = static_cast<zeph::Symbol*>(handles[static_cast<std::size_t>(i)]);
            std::int32_t words[2] = {-1, -1};
            if (auto* data = dynamic_cast<zeph::ValueBlockData*>(symbol->Data.get()))
                std::memcpy(words, data->Bytes(), sizeof words);
            symbols.push_back({symbol->Name, words[0], words[1], symbol->RefCnt, symbol->Scope});
        }
        return symbols;
    }
    // Files a symbol as a program file read from disk would hold it.
    static zeph::Symbol* AddSymbol(const char* name, std::int32_t id, std::int32_t count, bool withData = true)
    {
        zeph::ValueBlockData* data = nullptr;
        if (withData) {
            data = new zeph::ValueBlockData(8);
            std::memcpy(data->Bytes(), &id, 4);
            std::memcpy(data->Bytes() + 4, &count, 4);
        }
        zeph::Symbol* symbol = nullptr;
        vlxAddSymbol(symbol, name, kKvResPermSymbolType, 1, id, 1, 0, data);
        return symbol;
    }
};

bool MissingOdd(std::int32_t value, void*)
{
    return value % 2 == 1;
}

}  // namespace

TEST_F(ResPermUseTest, UsesAreCountedPerList)
{
    app.AddResPermUse(17);
    app.AddResPermUse(17);
    app.AddResPermUse(0);
    app.AddResPermUse(-4);
    EXPECT_EQ(Uses(), (std::vector<Use>{{"RP17", 17, 2}}));
    EXPECT_TRUE(program->IsModified());
    app.RemoveResPermUse(17, 0);
    EXPECT_EQ(Uses(), (std::vector<Use>{{"RP17", 17, 1}}));
    app.RemoveResPermUse(99, 0);
    app.RemoveResPermUse(17, 0);
    EXPECT_TRUE(Uses().empty());
    app.AddResPermUse(18);
    app.AddResPermUse(18);
    app.RemoveResPermUse(18, 1);
    EXPECT_TRUE(Uses().empty());
}

TEST_F(ResPermUseTest, TheModelHoldsOneSymbolPerUsedListWithItsCount)
{
    app.AddResPermUse(17);
    app.AddResPermUse(17);
    EXPECT_EQ(Symbols(), (std::vector<Mirror>{{"RP17", 17, 2, 2, 17}}));
    app.RemoveResPermUse(17, 0);
    EXPECT_EQ(Symbols(), (std::vector<Mirror>{{"RP17", 17, 1, 1, 17}}));
    app.RemoveResPermUse(17, 0);
    EXPECT_TRUE(Symbols().empty());
    // Added again after its removal, the list is filed afresh.
    app.AddResPermUse(17);
    EXPECT_EQ(Symbols(), (std::vector<Mirror>{{"RP17", 17, 1, 1, 17}}));
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(ResPermUseTest, LoadingTakesTheModelsSymbolsAndBindsThem)
{
    AddSymbol("RP17", 17, 3);
    AddSymbol("Broken", 30, 1, false);  // no data: left out, the scan goes on
    AddSymbol("RP40", 40, 1);
    AddSymbol("Hidden", 41, 1)->NotInCode = 1;
    app.LoadResPerms();
    // In the model's order, which is not the order of filing.
    std::vector<Use> loaded = Uses();
    std::sort(loaded.begin(), loaded.end(), [](const Use& a, const Use& b) { return a.id < b.id; });
    EXPECT_EQ(loaded, (std::vector<Use>{{"RP17", 17, 3}, {"RP40", 40, 1}}));
    EXPECT_EQ(Assertions().size(), 1u);
    // Loading again does not list the uses twice.
    app.LoadResPerms();
    EXPECT_EQ(Uses().size(), 2u);

    // The loaded records are bound: their counts and removal reach the model.
    app.AddResPermUse(40);
    app.RemoveResPermUse(17, 1);
    EXPECT_EQ(Uses(), (std::vector<Use>{{"RP40", 40, 2}}));
    const std::vector<Mirror> symbols = Symbols();
    EXPECT_EQ(std::count_if(symbols.begin(), symbols.end(), [](const Mirror& m) { return m.name == "RP17"; }), 0);
    EXPECT_NE(std::find(symbols.begin(), symbols.end(), Mirror{"RP40", 40, 2, 2, 40}), symbols.end());
}

TEST_F(ResPermUseTest, AConnectedItemStaysOutOfTheModel)
{
    KvResPermItem item("RP55", 55, nullptr);
    KvFieldValue(F_RPU_CONNECTED, &item) = CString("Yes");
    item.Commit();
    EXPECT_EQ(item.CommitAdd(), 1);
    EXPECT_EQ(item.GetSymbol(), nullptr);
    EXPECT_TRUE(Symbols().empty());

    // An item without a symbol leaves the model alone when it goes.
    AddSymbol("RP56", 56, 1);
    KvResPermItem unbound("RP56", 56, nullptr);
    EXPECT_EQ(unbound.CommitRemove(), 1);
    EXPECT_EQ(Symbols(), (std::vector<Mirror>{{"RP56", 56, 1, 0, 56}}));
}

TEST_F(ResPermUseTest, ARenamedListIsFiledUnderItsNewName)
{
    KvResPermItem item("RP60", 60, nullptr);
    ASSERT_EQ(item.CommitAdd(), 1);
    ASSERT_NE(item.GetSymbol(), nullptr);
    KvFieldValue(F_RPU_NAME, &item) = CString("Local60");
    KvFieldValue(F_RPU_LIST_ID, &item) = std::int32_t{61};
    item.Commit();
    EXPECT_EQ(Symbols(), (std::vector<Mirror>{{"Local60", 61, 1, 1, 61}}));
    // The model still finds it by name.
    EXPECT_EQ(vlxFindSymbol("Local60"), item.GetSymbol());
    EXPECT_EQ(vlxFindSymbol("RP60"), nullptr);
    // A name the model refuses keeps the old one.
    KvFieldValue(F_RPU_NAME, &item) = CString(std::string(40, 'L').c_str());
    item.Commit();
    EXPECT_EQ(Symbols().at(0).name, "Local60");
    EXPECT_EQ(item.CommitRemove(), 1);
    EXPECT_TRUE(Symbols().empty());
}

TEST_F(ResPermUseTest, TheRequestCarriesTheUsesOfListsTheServerStillHas)
{
    app.AddResPermUse(17);
    app.AddResPermUse(17);
    app.AddResPermUse(21);  // not on the server: dropped before sending
    EXPECT_EQ(app.SendResPerms(0), 0);
    EXPECT_EQ(Uses(), (std::vector<Use>{{"RP17", 17, 2}}));
    ASSERT_EQ(link.resPermsSent.size(), 1u);
    ASSERT_EQ(link.resPermsSent[0].size(), 1u);
    EXPECT_EQ(link.resPermsSent[0][0].applicationId, 1500);
    EXPECT_EQ(link.resPermsSent[0][0].listId, 17);
    EXPECT_EQ(link.resPermsSent[0][0].count, 2);
    EXPECT_TRUE(Messages().empty());  // no block names a list
}

TEST_F(ResPermUseTest, AListTheServerCouldNotGiveChangesNothing)
{
    app.AddResPermUse(17);
    app.AddResPermUse(21);
    link.results["ResPermToDisplay"] = 60;
    link.results["ResPermUsed"] = 60;
    EXPECT_EQ(app.SendResPerms(0), 60);
    EXPECT_EQ(Uses(), (std::vector<Use>{{"RP17", 17, 1}, {"RP21", 21, 1}}));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Selected Restriction/Permission could not be updated. Please try to select again"});
    link.results["ResPermUsed"] = 63;
    EXPECT_EQ(app.SendResPerms(0), 63);
    EXPECT_EQ(Messages().back(), "Database space is full.Server will not perform any operation");
}

TEST(MissingReferencesTest, AtMostTenBlocksAreNamedThenMoreBlocks)
{
    ReferencePage twelve;
    for (int i = 1; i <= 12; ++i)
        twelve.push_back({"TD" + std::to_string(i), kThruDialType, 1});
    twelve.push_back({"Unset", kThruDialType, 0});
    std::string ten;
    for (int i = 1; i <= 10; ++i)
        ten += "TD" + std::to_string(i) + "\n";
    EXPECT_EQ(KvCollectMissing({twelve}, kThruDialType, 0, MissingOdd, nullptr), ten + "<more blocks>\n");

    // Ten on one page: the scan ends at the page boundary without "<more blocks>".
    const ReferencePage first(twelve.begin(), twelve.begin() + 10);
    const ReferencePage second = {{"Later", kThruDialType, 3}};
    EXPECT_EQ(KvCollectMissing({first, second}, kThruDialType, 0, MissingOdd, nullptr), ten);

    // None values, present values and other types are never named.
    const ReferencePage mixed = {{"NoList", kThruDialType, 0},    {"Present", kThruDialType, 2},
                                 {"Lang", kSetLanguageType, 5},   {"NoLang", kSetLanguageType, -1},
                                 {"Missing", kThruDialType, 7}};
    EXPECT_EQ(KvCollectMissing({mixed}, kThruDialType, 0, MissingOdd, nullptr), "Missing\n");
    EXPECT_EQ(KvCollectMissing({mixed}, kSetLanguageType, -1, MissingOdd, nullptr), "Lang\n");
}
