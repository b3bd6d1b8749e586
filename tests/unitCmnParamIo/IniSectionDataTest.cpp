#include "unitCmnParamIo/IniSectionData.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/LogCapture.h"
#include "support/RaisedComment.h"

namespace {

// The value of a present key as the type of start, which it replaces.
template <class T>
T got(const IniSectionData& s, const std::string& key, T start) {
  EXPECT_TRUE(s.getValue(key, start)) << key;
  return start;
}

TEST(IniSectionData, KeepsFirstSetOrderAndReplacesInPlace) {
  IniSectionData s;
  s.setValue("b", "2");
  s.setValue("a", "1");
  s.setValue("b", "two");  // existing key keeps its place
  s.setValue("c");         // new key goes last, empty value
  EXPECT_EQ(s.toString(), "b=two\na=1\nc=\n");
  std::string out;
  ASSERT_TRUE(s.getValue("c", out));
  EXPECT_EQ(out, "");
}

TEST(IniSectionData, KeysAreCaseSensitive) {
  LogCapture log;
  IniSectionData s;
  s.setValue("Key", "x");
  std::string out;
  EXPECT_FALSE(s.getValue("key", out));
  EXPECT_TRUE(s.getValue("Key", out));
  EXPECT_EQ(out, "x");
  EXPECT_TRUE(log.contains(kLogError, "key:key"));
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
  int i = 7;
  double d = 0.5;
  bool b = true;
  std::string text = "old";
  EXPECT_FALSE(s.getValue("nope", i));
  EXPECT_FALSE(s.getValue("nope", d));
  EXPECT_FALSE(s.getValue("nope", b));
  EXPECT_FALSE(s.getValue("gone", text));
  EXPECT_EQ(i, 7);
  EXPECT_EQ(d, 0.5);
  EXPECT_TRUE(b);
  EXPECT_EQ(text, "");  // the text getter empties its output first
  EXPECT_TRUE(log.contains(kLogError, "ParamIoINI getValue Key not found. key:nope"));
  const auto errors = log.records(kLogError);
  ASSERT_FALSE(errors.empty());
  EXPECT_EQ(errors.back().message, "ParamIoINI getValue Key not found. key:gone");
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

TEST(IniSectionData, DeleteKeyRemovesFromOrderOrRaises) {
  IniSectionData s;
  s.setValue("a", "1");
  s.setValue("b", "2");
  s.setValue("c", "3");
  s.deleteKey("b");
  EXPECT_FALSE(s.hasKey("b"));
  EXPECT_EQ(s.toString(), "a=1\nc=3\n");
  s.setValue("b", "again");  // re-added key goes last
  EXPECT_EQ(s.toString(), "a=1\nc=3\nb=again\n");
  EXPECT_EQ(raisedComment([&] { s.deleteKey("zz"); }), "Key not found. key:zz");
}

TEST(IniSectionData, ClearEmptiesValuesAndOrder) {
  IniSectionData s;
  s.setValue("a", "1");
  s.clear();
  EXPECT_EQ(s.toString(), "");
  EXPECT_TRUE(s.keys().empty());
  s.setValue("z", "9");
  EXPECT_EQ(s.toString(), "z=9\n");
}

}  // namespace
