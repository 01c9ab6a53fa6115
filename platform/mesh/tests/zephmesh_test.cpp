#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "mesh/zephmesh.h"

namespace {

std::string Hex(const char* bytes) {
    char out[17];
    for (int i = 0; i < 8; ++i) std::snprintf(out + 2 * i, 3, "%02X", static_cast<unsigned char>(bytes[i]));
    return out;
}

TEST(ZephmeshTest, CodeIsEightDeterministicBytesLeavingTheRestAlone) {
    char a[12], b[12];
    std::memset(a, '#', sizeof a);
    std::memset(b, '#', sizeof b);
    std::int16_t status = 0;
    Zephmesh_PwdEncrypt("2468", a, &status);
    EXPECT_EQ(status, 0);
    Zephmesh_PwdEncrypt("2468", b, &status);
    EXPECT_EQ(std::memcmp(a, b, 8), 0);
    EXPECT_EQ(a[8], '#');
    // FNV-1a of "2468", high byte first.
    EXPECT_EQ(Hex(a), "F59F060B21F1BA85");
    Zephmesh_PwdEncrypt("2469", b, &status);
    EXPECT_NE(std::memcmp(a, b, 8), 0);
}

TEST(ZephmeshTest, EveryCodeIsAFiniteDoubleThatSurvivesItsTextForm) {
    for (int i = 0; i < 20000; ++i) {
        const std::string plain = std::to_string(i);
        char code[8];
        std::int16_t status = 0;
        Zephmesh_PwdEncrypt(plain.c_str(), code, &status);
        double value;
        std::memcpy(&value, code, 8);
        ASSERT_TRUE(std::isfinite(value)) << plain;
        char text[64];
        std::snprintf(text, sizeof text, "%.18e", value);
        const double back = std::strtod(text, nullptr);
        ASSERT_EQ(std::memcmp(&back, &value, 8), 0) << plain << " " << text;
    }
}

TEST(ZephmeshTest, NullArgumentsReportAFailure) {
    char out[8];
    std::int16_t status = 0;
    Zephmesh_PwdEncrypt(nullptr, out, &status);
    EXPECT_NE(status, 0);
    status = 0;
    Zephmesh_PwdEncrypt("1", nullptr, &status);
    EXPECT_NE(status, 0);
}

}  // namespace
