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

// text reads as value, and value is written as written.
template <class T>
void expectCodec(const std::string& text, const T& value, const std::string& written) {
  EXPECT_EQ(decoded<T>(text), value) << text;
  EXPECT_EQ(FieldCodec::encode(value), written) << text;
}
}  // namespace

TEST(FieldCodec, CompoundValuesReadAndWriteInTheirEncoding) {
  expectCodec<IntList>("", {}, "");
  expectCodec<IntList>("1,-2,3", {1, -2, 3}, "1,-2,3");
  expectCodec<DoubleList>("0.1,64", {0.1, 64}, "0.100000,64.000000");
  expectCodec<TextList>("a,b c", {"a", "b c"}, "a,b c");
  expectCodec<IntLists>("1;2,3", {{1, 2}, {3}}, "1;2,3");
  expectCodec<UInt64Lists>("18446744073709551615;0", {{18446744073709551615ull, 0}},
                           "18446744073709551615;0");
  expectCodec<DoublePair>("1.5", {1.5, 0.0}, "1.500000,0.000000");  // pairs keep their size
  expectCodec<IntQuad>("1,2,3,4,5", {1, 2, 3, 4}, "1,2,3,4");
  expectCodec<IntPairsInBraces>("{1,2},{3,4}", {{1, 2}, {3, 4}}, "{1,2},{3,4}");
  expectCodec<DoubleQuadsInBraces>("{1,2,3,4.5}", {{1, 2, 3, 4.5}},
                                   "{1.000000,2.000000,3.000000,4.500000}");
  expectCodec<LabelledDoublePairs>("{a;1,2},{b;3,4}", {{"a", {1, 2}}, {"b", {3, 4}}},
                                   "{a;1.000000,2.000000},{b;3.000000,4.000000}");
  expectCodec<IntBoolPairs>("1;true,2;FALSE", {{1, true}, {2, false}}, "1;true,2;false");
  MemberList members;
  members.groups = {{"job1"}, {"job2", "job3"}};
  expectCodec<MemberList>(R"("job1",("job2";"job3"))", members, R"("job1",("job2";"job3"))");
  const LabelledTextLists labels{{"top", {"x", "y"}}, {"bottom", {}}};
  EXPECT_EQ(decoded<LabelledTextLists>(FieldCodec::encode(labels)), labels);
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
