// A string stream as the current text stream, and the line a parameter record writes to it.
#pragma once

#include <string>

#include "foundation/tests/text_stream_fixture.h"
#include "records/kvvlstyp.h"

class RecordTextFixture : public TextStreamFixture {
protected:
    // The line a record writes, alone in the stream.
    std::string LineOf(Kvvls_Variable& record)
    {
        Load("");
        EXPECT_EQ(record.WriteText(), 1);
        return stream.str();
    }
};
