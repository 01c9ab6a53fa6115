// The document's exchange with the server link's information record and the program
// header: every row written and read back at its place, the flags, the password rule and
// the monitor thru-dial flag that must survive a save.
#include <cstring>
#include <string>

#include "editor/canvas/appinfo.h"
#include "framework/definitions/defs_ids.h"
#include "kvlink.h"
#include "shell/document/appexchange.h"
#include "shell/document/kvuserapp.h"
#include "fake_link.h"
#include "userapp_fixture.h"

namespace {

// A distinct value per row: integers from the field id, texts that fill the array
// completely (one character more than fits), so a cut or an overrun shows.
std::string LongText(const KvExchangeRow& row, std::size_t width)
{
    return std::string(width, static_cast<char>('a' + row.fieldId % 26));
}

void FillDocument(KvUserApp& app, std::size_t widthOf(const KvExchangeRow&))
{
    for (const KvExchangeRow& row : KvExchangeRows()) {
        switch (row.kind) {
        case KvExchangeKind::Int:
            app.SetInt(row.fieldId, row.fieldId * 3);
            break;
        case KvExchangeKind::Flag:
            app.SetInt(row.fieldId, row.fieldId % 2);
            break;
        case KvExchangeKind::Text:
            app.SetText(row.fieldId, LongText(row, widthOf(row)).c_str());
            break;
        }
    }
    app.Commit();
}

std::int32_t IntAt(const void* base, std::size_t offset)
{
    std::int32_t value;
    std::memcpy(&value, static_cast<const char*>(base) + offset, 4);
    return value;
}

std::size_t InfoWidth(const KvExchangeRow& row) { return row.infoWidth; }
std::size_t HeaderWidth(const KvExchangeRow& row) { return row.headerWidth; }

// The fixed places of the rows in the information record and the header keys.
struct Place {
    WORD field;
    const char* key;
    std::size_t offset;
    std::size_t width;
};
const Place kPlaces[] = {
    {F_UA_CUSTOMER, "custID", 0, 4},
    {F_UA_ID, "appID", 4, 4},
    {F_UA_MEDIA_TYPE, "mediaType", 8, 4},
    {F_UA_DESCRIPTION, "description", 12, 256},
    {F_UA_NAME, "name", 272, 61},
    {F_UA_SPOKEN_NAME_RECORDED, "spokenAppNameRecorded", 336, 4},
    {F_UA_SPOKEN_NAME, "spokenAppName", 340, 31},
    {F_UA_VERIFY_FAX, "verfFaxNumber", 371, 21},
    {F_UA_VERIFY_FAX_MODIFIABLE, "verificationFaxNumModifiable", 392, 4},
    {F_UA_VERIFY_CONTACT, "verificationContactID", 396, 31},
    {F_UA_TELSET_PWD_ON, "telsetMaintPsswdNeeded", 428, 4},
    {F_UA_MONITOR_THRU_DIAL, "monitorThruDial", 440, 4},
    {F_UA_EXPANSION_DIGITS, "expansionDigits", 444, 17},
    {F_UA_ENFORCE_DIAL, "enforceDial", 464, 4},
    {F_UA_EXPORTED, "importable", 468, 4},
    {F_UA_COMPLETE, "compiledOK", 472, 4},
    {F_UA_FAX_CONFIRM_MODIFIABLE, "confirmationPromptModifiableByTelset", 476, 4},
    {F_UA_LOCKING_PC, "lockingPC", 480, 31},
    {F_UA_LOCKING_USER, "lockingUserID", 511, 40},
    {F_UA_VOLUME, "VolumeID", 588, 4},
    {F_UA_VERSION, "VersionNum", 592, 4},
    {F_UA_RUN_PATH, "RUNFilePath", 596, 100},
    {F_UA_RLL_PATH, "RLLFilePath", 696, 100},
    {F_UA_MISA_PATH, "MISAFilePath", 796, 100},
    {F_UA_VISIBLE, "Visible", 896, 4},
    {F_UA_PREVIOUS_VERSION, "PreviousVersionNum", 900, 4},
    {F_UA_MODIFICATION, "modificationNum", 904, 4},
    {F_UA_ED_PATH, "EDFilePath", 908, 108},
};

class AppExchangeTest : public UserAppTest {
protected:
    FakeLink link;
    ScopedLink scope{&link};
};

}  // namespace

TEST_F(AppExchangeTest, EveryRowSitsAtItsPlaceInTheInformationRecord)
{
    ASSERT_EQ(KvExchangeRows().size(), std::size(kPlaces));
    for (const Place& place : kPlaces) {
        SCOPED_TRACE(place.key);
        const KvExchangeRow* row = nullptr;
        for (const KvExchangeRow& r : KvExchangeRows()) {
            if (r.fieldId == place.field)
                row = &r;
        }
        ASSERT_NE(row, nullptr);
        EXPECT_STREQ(row->headerKey, place.key);
        EXPECT_EQ(row->infoOffset, place.offset);
        EXPECT_EQ(row->infoWidth, place.width);
    }
}

TEST_F(AppExchangeTest, FillWritesEveryRowCutAndTerminatedAndApplyReadsItBack)
{
    KvUserApp app("Source.ed");
    FillDocument(app, InfoWidth);
    KvAppInfo info;
    std::memset(&info, 0x7F, sizeof info);
    app.FillInfoRecord(info);
    for (const KvExchangeRow& row : KvExchangeRows()) {
        SCOPED_TRACE(row.headerKey);
        switch (row.kind) {
        case KvExchangeKind::Int:
            EXPECT_EQ(IntAt(&info, row.infoOffset), row.fieldId == F_UA_CUSTOMER ? 1 : row.fieldId * 3);
            break;
        case KvExchangeKind::Flag:
            EXPECT_EQ(IntAt(&info, row.infoOffset), row.fieldId % 2);
            break;
        case KvExchangeKind::Text: {
            const char* text = reinterpret_cast<const char*>(&info) + row.infoOffset;
            EXPECT_EQ(text[row.infoWidth - 1], '\0');
            EXPECT_EQ(std::string(text), LongText(row, row.infoWidth - 1));
            break;
        }
        }
    }

    KvUserApp copy("Target.ed");
    copy.ApplyInfoRecord(&info);
    for (const KvExchangeRow& row : KvExchangeRows()) {
        SCOPED_TRACE(row.headerKey);
        if (row.kind == KvExchangeKind::Text) {
            EXPECT_EQ(std::string(copy.GetText(row.fieldId)), LongText(row, row.infoWidth - 1));
        } else if (row.fieldId != F_UA_CUSTOMER) {
            EXPECT_EQ(copy.GetInt(row.fieldId), app.GetInt(row.fieldId));
        }
    }
    EXPECT_EQ(copy.GetInt(F_UA_CUSTOMER), 1);
    // Applied values are committed, and the lock time is the time of the apply.
    EXPECT_EQ(*static_cast<std::int32_t*>(copy.GetFieldStorage(F_UA_MONITOR_THRU_DIAL)),
              app.GetInt(F_UA_MONITOR_THRU_DIAL));
    EXPECT_EQ(std::strlen(copy.GetText(F_UA_LOCKING_TIME)), 25u);
}

TEST_F(AppExchangeTest, MonitorThruDialSurvivesApplyAndTheNextFill)
{
    KvUserApp app("Main.ed");
    KvAppInfo fromServer{};
    fromServer.maintenanceThroughDial = 1;
    app.ApplyInfoRecord(&fromServer);
    KvAppInfo toServer{};
    app.FillInfoRecord(toServer);
    EXPECT_EQ(toServer.maintenanceThroughDial, 1);
    app.ApplyInfoRecord(nullptr);  // nothing happens
    EXPECT_EQ(app.GetInt(F_UA_MONITOR_THRU_DIAL), 1);
}

TEST_F(AppExchangeTest, ThePasswordIsEncodedOnlyWhenTypedAndConfirmed)
{
    struct Case {
        int on;
        const char* entry;
        const char* confirmation;
        bool encoded;
    };
    const Case cases[] = {
        {1, "4711", "4711", true},
        {1, kKvPasswordPlaceholder, kKvPasswordPlaceholder, false},
        {0, "4711", "4711", false},
        {1, "4711", "4712", false},  // never an unconfirmed password
    };
    const unsigned char stored[8] = {9, 8, 7, 6, 5, 4, 3, 2};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry + std::string("/") + c.confirmation);
        KvUserApp app("Main.ed");
        KvAppInfo fromServer{};
        std::memcpy(fromServer.updatePassword, stored, 8);
        app.ApplyInfoRecord(&fromServer);
        EXPECT_STREQ(app.GetText(F_UA_TELSET_PWD), kKvPasswordPlaceholder);
        EXPECT_EQ(std::memcmp(app.GetStoredPassword(), stored, 8), 0);
        app.SetInt(F_UA_TELSET_PWD_ON, c.on);
        app.SetText(F_UA_TELSET_PWD, c.entry);
        app.SetText(F_UA_PWD_CONFIRM, c.confirmation);
        KvAppInfo info{};
        app.FillInfoRecord(info);
        char expected[8];
        if (c.encoded)
            link.EncryptString(c.entry, expected);
        else
            std::memcpy(expected, stored, 8);
        EXPECT_EQ(std::memcmp(info.updatePassword, expected, 8), 0);
    }
}

TEST_F(AppExchangeTest, TheProgramHeaderTakesEveryRowAndGivesItBack)
{
    KvUserApp app("Source.ed");
    FillDocument(app, HeaderWidth);
    KvAppInfo fromServer{};
    const unsigned char stored[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    std::memcpy(fromServer.updatePassword, stored, 8);
    KvUserApp withPassword("P.ed");
    withPassword.ApplyInfoRecord(&fromServer);

    ed::ApplicationInfo header;
    app.StoreHeader(header);
    for (const KvExchangeRow& row : KvExchangeRows()) {
        SCOPED_TRACE(row.headerKey);
        if (row.kind == KvExchangeKind::Text) {
            const char* text = reinterpret_cast<const char*>(&header) + row.headerOffset;
            EXPECT_EQ(std::string(text), LongText(row, row.headerWidth - 1));
        } else {
            EXPECT_EQ(IntAt(&header, row.headerOffset), app.GetInt(row.fieldId));
        }
    }
    EXPECT_EQ(header.custID, app.GetInt(F_UA_CUSTOMER));  // the header keeps the field as it is

    KvUserApp copy("Target.ed");
    copy.LoadHeader(header);
    for (const KvExchangeRow& row : KvExchangeRows()) {
        SCOPED_TRACE(row.headerKey);
        if (row.kind == KvExchangeKind::Text) {
            EXPECT_EQ(std::string(copy.GetText(row.fieldId)), LongText(row, row.headerWidth - 1));
        } else {
            EXPECT_EQ(*static_cast<std::int32_t*>(copy.GetFieldStorage(row.fieldId)), app.GetInt(row.fieldId));
        }
    }

    ed::ApplicationInfo passwordHeader;
    withPassword.StoreHeader(passwordHeader);
    EXPECT_EQ(std::memcmp(passwordHeader.telsetMaintPsswd, stored, 8), 0);
    KvUserApp reloaded("R.ed");
    reloaded.LoadHeader(passwordHeader);
    EXPECT_EQ(std::memcmp(reloaded.GetStoredPassword(), stored, 8), 0);
}

TEST_F(AppExchangeTest, TheApplicationRecordCarriesCustomerIdNameAndVolume)
{
    KvUserApp app("Main.ed");
    app.SetInt(F_UA_CUSTOMER, 5);
    app.SetInt(F_UA_ID, 2345);
    app.SetInt(F_UA_VOLUME, 4);
    app.SetText(F_UA_NAME, std::string(80, 'n').c_str());
    KvAppListEntry record;
    std::memset(&record, 0x7F, sizeof record);
    app.FillAppRecord(record);
    EXPECT_EQ(record.customerId, 1);
    EXPECT_EQ(record.applicationId, 2345);
    EXPECT_EQ(std::string(record.name), std::string(60, 'n'));
    EXPECT_EQ(record.volumeId, 4);
}
