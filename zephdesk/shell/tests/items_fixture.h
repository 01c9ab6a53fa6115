// Item tests: the documents' fixture with the definitions' texts as the string table, so
// that the records' own verification messages read as the program shows them.
#pragma once

#include "framework/softrec/kvdefstrings.h"
#include "userapp_fixture.h"

class ItemsTest : public UserAppTest {
protected:
    ItemsTest() { KvSetStringTable(&m_strings); }
    ~ItemsTest() override { KvSetStringTable(nullptr); }

private:
    KvDefinitionStrings m_strings;
};
