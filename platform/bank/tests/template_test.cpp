#include "bank/template.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace {

// Values for placeholders and answers for conditions, plus the questions asked.
struct Answers {
  std::map<std::string, std::string> values;
  std::map<std::string, int> conditions;
  std::string asked;
};

int Answer(void* userData, const char* name, int valueWanted, char* out, int outSize) {
  auto* a = static_cast<Answers*>(userData);
  a->asked += std::string(name) + (valueWanted ? "=" : "?") + " ";
  if (valueWanted) {
    auto it = a->values.find(name);
    if (it == a->values.end()) return -2;
    std::strncpy(out, it->second.c_str(), static_cast<std::size_t>(outSize - 1));
    out[outSize - 1] = '\0';
    return static_cast<int>(std::strlen(out));
  }
  auto it = a->conditions.find(name);
  return it == a->conditions.end() ? -2 : it->second;
}

std::string Expand(const char* text, Answers& a, int size = 256, int* ok = nullptr) {
  char buffer[512];
  const int rc = instantiate_template(text, buffer, size, Answer, &a);
  if (ok != nullptr) *ok = rc;
  return rc != 0 ? std::string(buffer) : std::string("<failed>");
}

TEST(TemplateTest, PlaceholdersAndSectionsExpand) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"plain text & more", "plain text & more"},
      {"&<P>EVENT$$:\n", "Sub$EVENT$$:\n"},
      {"a+<&<ON>kept>+b", "akeptb"},
      {"a+<&<OFF>dropped &<P>>+b", "ab"},
      {"+<&<ON>x+<&<OFF>y>+z>+", "xz"},
      {"+<&<OFF>x+<&<ON>y>+z>++<&<ON>w>+", "w"},
      {"+<&<OFF>a>++<&<ON>&<P>HUNGUP$$:>+", "Sub$HUNGUP$$:"},
  };
  for (const Case& c : cases) {
    Answers a{{{"P", "Sub$"}}, {{"ON", 0}, {"OFF", -1}}, ""};
    EXPECT_EQ(Expand(c.text, a), c.expected) << c.text;
  }
}

TEST(TemplateTest, ConditionsInsideADroppedSectionAreNotAsked) {
  Answers a{{{"P", "X"}}, {{"ON", 0}, {"OFF", -1}}, ""};
  EXPECT_EQ(Expand("+<&<OFF>+<&<ON>&<P>>+>+.", a), ".");
  EXPECT_EQ(a.asked, "OFF? ");
}

TEST(TemplateTest, FaultsFailTheExpansion) {
  const char* bad[] = {
      "&<UNKNOWN>",          // the callback does not know the name
      "+<&<UNKNOWN>x>+",     // nor this condition
      "+<&<ODD>x>+",         // a condition answer other than 0 and -1
      "+<&<ON>never closed",
      "closed >+ without a section",
      "&<P",                 // placeholder without its end
      "&<>",                 // empty name
  };
  for (const char* text : bad) {
    Answers a{{{"P", "v"}}, {{"ON", 0}, {"ODD", 5}}, ""};
    int ok = 1;
    Expand(text, a, 256, &ok);
    EXPECT_EQ(ok, 0) << text;
  }
}

TEST(TemplateTest, OutputMustFitWithItsTerminator) {
  Answers a{{{"P", "12345"}}, {}, ""};
  int ok = 0;
  EXPECT_EQ(Expand("&<P>", a, 6, &ok), "12345");
  EXPECT_EQ(ok, 1);
  char buffer[8] = "garbage";
  EXPECT_EQ(instantiate_template("&<P>", buffer, 5, Answer, &a), 0);
  EXPECT_EQ(buffer[0], '\0') << "a failed expansion leaves an empty text, never a part";
}

}  // namespace
