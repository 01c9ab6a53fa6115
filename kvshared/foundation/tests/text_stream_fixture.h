// Makes a string stream the current text stream for one test.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "foundation/kvtextstm.h"

class TextStreamFixture : public ::testing::Test {
protected:
    void SetUp() override { SetTextStream(&stream); }
    void TearDown() override { SetTextStream(nullptr); }
    // Replaces the stream's contents and clears its end-of-file state.
    void Load(const std::string& text)
    {
        stream.str(text);
        stream.clear();
    }
    std::string Written() const { return stream.str(); }

    std::stringstream stream;
};
