#include <gtest/gtest.h>

#include "support/RaisedComment.h"
#include "unitCmnJobParam/FieldCodec.h"
#include "unitCmnJobParam/JobSection.h"

namespace {
template <class T>
T decoded(const std::string& text) {
  T value{};
  FieldCodec::decode(text, value);
  return value;
}
}  // namespace

TEST(FieldCodec, ListsSplitAtCommasAndEmptyIsEmpty) {
  EXPECT_EQ(decoded<IntList>(""), IntList{});
  EXPECT_EQ(decoded<IntList>("1,-2,3"), (IntList{1, -2, 3}));
  EXPECT_EQ(FieldCodec::encode(DoubleList{0.1, 64}), "0.100000,64.000000");
  EXPECT_EQ(decoded<TextList>("a,b c"), (TextList{"a", "b c"}));
}

TEST(FieldCodec, ListOfListsSplitsOuterCommasThenSemicolons) {
  EXPECT_EQ(decoded<IntLists>("1;2,3"), (IntLists{{1, 2}, {3}}));
  EXPECT_EQ(FieldCodec::encode(IntLists{{1, 2}, {3}}), "1;2,3");
  EXPECT_EQ(decoded<UInt64Lists>("18446744073709551615;0"),
            (UInt64Lists{{18446744073709551615ull, 0}}));
}

TEST(FieldCodec, PairsAndQuadsKeepTheirSize) {
  EXPECT_EQ(decoded<DoublePair>("1.5"), (DoublePair{1.5, 0.0}));
  EXPECT_EQ(decoded<IntQuad>("1,2,3,4,5"), (IntQuad{1, 2, 3, 4}));
  EXPECT_EQ(FieldCodec::encode(DoubleQuad{0, 0, 0, 64}),
            "0.000000,0.000000,0.000000,64.000000");
}

TEST(FieldCodec, GroupsInBraces) {
  const IntPairsInBraces tiles{{1, 2}, {3, 4}};
  EXPECT_EQ(FieldCodec::encode(tiles), "{1,2},{3,4}");
  EXPECT_EQ(decoded<IntPairsInBraces>("{1,2},{3,4}"), tiles);
  EXPECT_EQ(decoded<DoubleQuadsInBraces>("{1,2,3,4}").at(0)[3], 4.0);
}

TEST(FieldCodec, LabelledEntries) {
  const LabelledDoublePairs offsets{{"a", {1, 2}}, {"b", {3, 4}}};
  const std::string text = FieldCodec::encode(offsets);
  EXPECT_EQ(text, "{a;1.000000,2.000000},{b;3.000000,4.000000}");
  EXPECT_EQ(decoded<LabelledDoublePairs>(text), offsets);
  const LabelledTextLists labels{{"top", {"x", "y"}}, {"bottom", {}}};
  EXPECT_EQ(decoded<LabelledTextLists>(FieldCodec::encode(labels)), labels);
}

TEST(FieldCodec, IntBoolPairsAndMembers) {
  EXPECT_EQ(decoded<IntBoolPairs>("1;true,2;FALSE"), (IntBoolPairs{{1, true}, {2, false}}));
  MemberList members;
  members.groups = {{"job1"}, {"job2", "job3"}};
  EXPECT_EQ(FieldCodec::encode(members), R"("job1",("job2";"job3"))");
  EXPECT_EQ(decoded<MemberList>(FieldCodec::encode(members)), members);
}

TEST(FieldCodec, BadElementsRaiseTheConversionMessage) {
  EXPECT_EQ(raisedComment([] { decoded<IntList>("1,abc"); }), "invalid stoi argument");
}

TEST(SectionTable, ReadsResetsAndWritesInTableOrder) {
  IniSectionDataEx section;
  section.setValueNonDq("extra", "kept");
  section.setValueNonDq("Primary", "\"P1\"");
  JobSection job;
  job.jobID = "stale";
  JobSection::table().read(section, job);
  EXPECT_EQ(job.jobID, "");  // missing key: reset, not kept
  EXPECT_EQ(job.primary, "P1");

  job.jobID = "J1";
  JobSection::table().write(section, job);
  EXPECT_EQ(section.toString(),
            "extra=kept\nPrimary=\"P1\"\nJobID=\"J1\"\nDeviceName=\nParamVersion=\nGroupingPrimary=\n");
  JobSection back;
  JobSection::table().read(section, back);
  EXPECT_EQ(back, job);
}
