#include "unitCmnParamIo/IniSectionData.h"

#include <gtest/gtest.h>

#include "support/LogCapture.h"
#include "support/RaisedComment.h"

namespace {

// The value of a present key as the type of start, which it replaces.
template <class T>
T got(const IniSectionData& s, const std::string& key, T start) {
  EXPECT_TRUE(s.getValue(key, start)) << key;
  return start;
}

TEST(IniSectionData, KeepsFirstSetOrderReplacesInPlaceAndDeletes) {
  IniSectionData s;
  s.setValue("b", "2");
  s.setValue("a", "1");
  s.setValue("b", "two");  // existing key keeps its place
  s.setValue("c");         // new key goes last, empty value
  s.setValue("d", "4");
  EXPECT_EQ(s.toString(), "b=two\na=1\nc=\nd=4\n");
  s.deleteKey("a");
  EXPECT_FALSE(s.hasKey("a"));
  s.setValue("a", "again");  // re-added key goes last
  EXPECT_EQ(s.toString(), "b=two\nc=\nd=4\na=again\n");
  EXPECT_EQ(raisedComment([&] { s.deleteKey("zz"); }), "Key not found. key:zz");
  s.clear();
  EXPECT_TRUE(s.keys().empty());
  s.setValue("z", "9");
  EXPECT_EQ(s.toString(), "z=9\n");
}

TEST(IniSectionData, FindsEveryKeyOfALargeSectionAfterDeletesAndRewrites) {
  IniSectionData s;
  const int n = 1000;
  for (int k = 0; k < n; ++k) s.setValue("Key" + std::to_string(k), k);
  for (int k = 0; k < n; k += 3) s.deleteKey("Key" + std::to_string(k));
  for (int k = 1; k < n; k += 3) s.setValue("Key" + std::to_string(k), -k);  // in place
  std::string expected;
  for (int k = 0; k < n; ++k) {
    const std::string key = "Key" + std::to_string(k);
    const int value = k % 3 == 1 ? -k : k;
    if (k % 3 == 0) {
      EXPECT_FALSE(s.hasKey(key));
      continue;
    }
    EXPECT_EQ(got(s, key, 0), value) << key;
    expected += key + "=" + std::to_string(value) + "\n";
  }
  EXPECT_EQ(s.toString(), expected);
  IniSectionData copy = s;  // the index is copied with the keys
  copy.setValue("Key0", 5);
  EXPECT_EQ(got(copy, "Key2", 0), 2);
  EXPECT_EQ(copy.keys().back(), "Key0");
  EXPECT_FALSE(s.hasKey("Key0"));
}

TEST(IniSectionData, TypedSettersStoreTheirTextForms) {
  IniSectionData s;
  s.setValue("i", -42);
  s.setValue("ll", -9000000000LL);
  s.setValue("ull", 18446744073709551615ULL);
  s.setValue("d", 1.5);
  s.setValue("t", true);
  s.setValue("f", false);
  EXPECT_EQ(s.toString(),
            "i=-42\nll=-9000000000\null=18446744073709551615\nd=1.500000\nt=true\nf=false\n");
}

TEST(IniSectionData, TypedGettersConvertTheRawText) {
  IniSectionData s;
  s.setValue("i", " 12abc");  // blanks skipped, trailing letters ignored
  s.setValue("ll", "-9000000000");
  s.setValue("ull", "18446744073709551615");
  s.setValue("d", "2.25");
  s.setValue("b", "TRUE");
  s.setValue("b2", "False");
  EXPECT_EQ(got(s, "i", 0), 12);
  EXPECT_EQ(got(s, "ll", 0LL), -9000000000LL);
  EXPECT_EQ(got(s, "ull", 0ULL), 18446744073709551615ULL);
  EXPECT_DOUBLE_EQ(got(s, "d", 0.0), 2.25);
  EXPECT_TRUE(got(s, "b", false));
  EXPECT_FALSE(got(s, "b2", true));
}

TEST(IniSectionData, MissingKeyLogsAndLeavesTypedOutputAlone) {
  LogCapture log;
  IniSectionData s;
  s.setValue("Key", "x");
  int i = 7;
  bool b = true;
  std::string text = "old";
  EXPECT_FALSE(s.getValue("nope", i));
  EXPECT_FALSE(s.getValue("nope", b));
  EXPECT_FALSE(s.getValue("key", text));  // keys are case-sensitive
  EXPECT_EQ(i, 7);
  EXPECT_TRUE(b);
  EXPECT_EQ(text, "");  // the text getter empties its output first
  EXPECT_TRUE(log.contains(kLogError, "ParamIoINI getValue Key not found. key:nope"));
  const auto errors = log.records(kLogError);
  ASSERT_FALSE(errors.empty());
  EXPECT_EQ(errors.back().message, "ParamIoINI getValue Key not found. key:key");
}

TEST(IniSectionData, FailedConversionRaisesItsMessage) {
  IniSectionData s;
  s.setValue("letters", "abc");
  s.setValue("huge", "99999999999999999999");
  s.setValue("yes", "yes");
  int i = 5;
  long long ll = 0;
  double d = 0;
  bool b = false;
  EXPECT_EQ(raisedComment([&] { s.getValue("letters", i); }), "invalid stoi argument");
  EXPECT_EQ(raisedComment([&] { s.getValue("huge", i); }), "stoi argument out of range");
  EXPECT_EQ(raisedComment([&] { s.getValue("huge", ll); }), "stoll argument out of range");
  EXPECT_EQ(raisedComment([&] { s.getValue("letters", d); }), "invalid stod argument");
  EXPECT_EQ(raisedComment([&] { s.getValue("yes", b); }), "It is not a Boolean value.");
  EXPECT_EQ(i, 5);
}

}  // namespace
