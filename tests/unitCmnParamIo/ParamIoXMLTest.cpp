#include "unitCmnParamIo/ParamIoXML.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include <boost/filesystem.hpp>
#include <chrono>
#include <functional>

#include "support/RaisedComment.h"
#include "support/TestFiles.h"

namespace {

namespace fs = boost::filesystem;
using Attributes = std::vector<IoXmlDefine::Attribute>;

// One definition as (name, value, attributes), for comparing whole lists.
struct Flat {
  std::string name;
  std::string value;
  Attributes attributes;
  bool operator==(const Flat& o) const {
    return name == o.name && value == o.value && attributes == o.attributes;
  }
};

std::ostream& operator<<(std::ostream& out, const Flat& f) {
  out << f.name << "=\"" << f.value << "\"";
  for (const auto& a : f.attributes) out << " " << a.first << "=\"" << a.second << "\"";
  return out;
}

std::vector<Flat> flat(const ParamIoXML& io) {
  std::vector<Flat> out;
  for (const IoXmlDefine& d : io.getDefines()) out.push_back({d.getName(), d.value(), d.attributes()});
  return out;
}

std::vector<std::string> names(const ParamIoXML& io) {
  std::vector<std::string> out;
  for (const IoXmlDefine& d : io.getDefines()) out.push_back(d.getName());
  return out;
}

std::vector<std::string> values(const std::vector<IoXmlDefine*>& found) {
  std::vector<std::string> out;
  for (const IoXmlDefine* d : found) out.push_back(d->value());
  return out;
}

// n nested elements made of open and close, with inner in the deepest one.
std::string nested(size_t n, const std::string& open, const std::string& close,
                   const std::string& inner = "") {
  std::string text;
  text.reserve(n * (open.size() + close.size()) + inner.size());
  for (size_t i = 0; i < n; ++i) text += open;
  text += inner;
  for (size_t i = 0; i < n; ++i) text += close;
  return text;
}

double secondsFor(const std::function<void()>& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

const std::string kDepthRefusal = "XML nesting deeper than 256 levels";

// ---------------------------------------------------------------- reading

TEST(ParamIoXMLRead, NestedListsInDocumentOrder) {
  ParamIoXML io;
  ASSERT_TRUE(io.readText("<A><B>1</B><C><D>x</D><D>y</D></C></A>"));
  EXPECT_EQ(flat(io), (std::vector<Flat>{{"A", "", {}},
                                         {"A.B", "1", {}},
                                         {"A.C", "", {}},
                                         {"A.C.D", "x", {}},
                                         {"A.C.D", "y", {}}}));
  EXPECT_EQ(values(io.findDefines("A.C.D")), (std::vector<std::string>{"x", "y"}));
}

TEST(ParamIoXMLRead, DeclarationCommentsAndIndentationLeaveNoTrace) {
  ParamIoXML io;
  ASSERT_TRUE(io.readText(
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
      "<!-- a comment -->\n"
      "<Root>\n"
      "\t<!-- inside -->\n"
      "\t<Item>\n"
      "\t\t<Value>7</Value>\n"
      "\t</Item>\n"
      "\t<Blank>   </Blank>\n"
      "</Root>\n"));
  EXPECT_EQ(flat(io), (std::vector<Flat>{{"Root", "", {}},
                                         {"Root.Item", "", {}},
                                         {"Root.Item.Value", "7", {}},
                                         {"Root.Blank", "", {}}}));
}

TEST(ParamIoXMLRead, TextValuesAreKeptAsWritten) {
  ParamIoXML io;
  ASSERT_TRUE(io.readText("<A><B>  padded  </B><C>two\nlines</C></A>"));
  EXPECT_EQ(io.findDefine("A.B")->value(), "  padded  ");
  EXPECT_EQ(io.findDefine("A.C")->value(), "two\nlines");
}

TEST(ParamIoXMLRead, AttributesInDocumentOrderWithEntitiesTranslated) {
  ParamIoXML io;
  ASSERT_TRUE(io.readText(
      "<Root z=\"1\" a='two' m=\"&lt;&amp;&gt;&quot;&apos;\">"
      "<T k=\"v\">&lt;tag&gt; &amp; &quot;q&quot; &apos;s&apos; &#65;&#x42;</T></Root>"));
  EXPECT_EQ(flat(io),
            (std::vector<Flat>{{"Root", "", {{"z", "1"}, {"a", "two"}, {"m", "<&>\"'"}}},
                               {"Root.T", "<tag> & \"q\" 's' AB", {{"k", "v"}}}}));
}

TEST(ParamIoXMLRead, CdataIsNamedAfterItsParent) {
  ParamIoXML io;
  ASSERT_TRUE(io.readText("<A><Script><![CDATA[if (a < b && c) { x = \"<y>\"; }]]></Script></A>"));
  EXPECT_EQ(flat(io), (std::vector<Flat>{{"A", "", {}},
                                         {"A.Script", "", {}},
                                         {"A.Script.CDATA", "if (a < b && c) { x = \"<y>\"; }", {}}}));
}

TEST(ParamIoXMLRead, MixedContent) {
  // Text first: the text is the value and the elements after it are dropped.
  ParamIoXML io;
  ASSERT_TRUE(io.readText("<A>head<B>1</B><C/></A>"));
  EXPECT_EQ(flat(io), (std::vector<Flat>{{"A", "head", {}}}));

  // Element first: the children are visited; text between them is no
  // definition of its own (RapidXML gives the first text run to the parent).
  ASSERT_TRUE(io.readText("<A><B>1</B>tail<C/></A>"));
  EXPECT_EQ(flat(io), (std::vector<Flat>{{"A", "tail", {}}, {"A.B", "1", {}}, {"A.C", "", {}}}));
}

TEST(ParamIoXMLRead, EveryTopLevelElementIsRead) {
  ParamIoXML io;
  ASSERT_TRUE(io.readText("<A><B/></A><X>1</X>"));
  EXPECT_EQ(names(io), (std::vector<std::string>{"A", "A.B", "X"}));
}

TEST(ParamIoXMLRead, EmptyTextIsFalseAndEmptiesTheList) {
  ParamIoXML io;
  ASSERT_TRUE(io.readText("<A/>"));
  EXPECT_FALSE(io.readText(""));
  EXPECT_TRUE(io.getDefines().empty());
}

TEST(ParamIoXMLRead, MalformedTextRaisesTheParserMessageAndEmptiesTheList) {
  const std::pair<const char*, const char*> cases[] = {
      {"garbage", "expected < at offset 0"},
      {"<A><B></A>", "invalid closing tag name"},  // B closed by A's tag
      {"<A></B>", "invalid closing tag name"},
      {"<A><B>", "unexpected end of data"},         // never closed
      {"<A x=1/>", "expected ' or \""},
      {"<A x=\"1\" x2/>", "expected ="},
      {"<A>&#xFFFFFFFF;</A>", "invalid numeric character entity"},
  };
  for (const auto& c : cases) {
    ParamIoXML io;
    io.addDefine("Stale");
    const std::string comment = raisedComment([&] { io.readText(c.first); });
    EXPECT_EQ(comment.rfind(c.second, 0), 0u) << c.first << " -> " << comment;
    EXPECT_NE(comment.find(" at offset "), std::string::npos) << comment;
    EXPECT_TRUE(io.getDefines().empty()) << c.first;
  }
}

TEST(ParamIoXMLFile, ReadChecksExtensionAndExistence) {
  ScratchDir dir;
  ParamIoXML io;
  writeText(dir.file("a.txt"), "<A/>");
  writeText(dir.file("UPPER.XML"), "<A><B>1</B></A>");
  io.addDefine("Stale");
  EXPECT_FALSE(io.readFile(dir.file("a.txt")));
  EXPECT_TRUE(io.getDefines().empty());
  EXPECT_FALSE(io.readFile(dir.file("missing.xml")));
  EXPECT_TRUE(io.readFile(dir.file("UPPER.XML")));
  EXPECT_EQ(names(io), (std::vector<std::string>{"A", "A.B"}));
}

TEST(ParamIoXMLFile, MalformedOrUnreadableFileRaises) {
  ScratchDir dir;
  writeText(dir.file("bad.xml"), "<A><B></A>");
  ParamIoXML io;
  // Detected right after the name in the closing tag "</A>".
  EXPECT_EQ(raisedComment([&] { io.readFile(dir.file("bad.xml")); }),
            "invalid closing tag name at offset 9");
  fs::create_directories(dir.file("folder.xml"));
  EXPECT_EQ(raisedComment([&] { io.readFile(dir.file("folder.xml")); }),
            "cannot read file: not a regular file");
}

// ---------------------------------------------------------------- writing

TEST(ParamIoXMLWrite, PrintsTabIndentedWithEntitiesEscaped) {
  ParamIoXML io;
  IoXmlDefine& root = io.addDefine("Root");
  root.setAttribute("b", "2");
  root.setAttribute("a", "1 < 2 & 'x'");
  io.addDefine("Root.Name", "a<b & \"c\" 'd'>").setAttribute("q", "say \"hi\" & 'bye'");
  io.addDefine("Root.Empty");
  io.addDefine("Root.Data");
  io.addDefine("Root.Data.CDATA", "x < y && z");
  io.addDefine("Root.Count", 3);
  io.addDefine("Root.Ratio", 0.25);
  io.addDefine("Root.On", true);
  EXPECT_EQ(io.toText(true),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
            "<Root b=\"2\" a=\"1 &lt; 2 &amp; 'x'\">\n"
            "\t<Name q='say \"hi\" &amp; &apos;bye&apos;'>"
            "a&lt;b &amp; &quot;c&quot; &apos;d&apos;&gt;</Name>\n"
            "\t<Empty/>\n"
            "\t<Data>\n"
            "\t\t<![CDATA[x < y && z]]>\n"
            "\t</Data>\n"
            "\t<Count>3</Count>\n"
            "\t<Ratio>0.250000</Ratio>\n"
            "\t<On>true</On>\n"
            "</Root>\n");
  EXPECT_EQ(io.toText(false).rfind("<Root b=", 0), 0u);
}

TEST(ParamIoXMLWrite, EachNodeGoesUnderItsNearestOpenAncestor) {
  ParamIoXML io;
  for (const char* name : {"A", "A.B", "A.B.C", "A.B.C.D", "A.E", "A.E.F", "A.B"})
    io.addDefine(name);
  EXPECT_EQ(io.toText(false),
            "<A>\n"
            "\t<B>\n"
            "\t\t<C>\n"
            "\t\t\t<D/>\n"
            "\t\t</C>\n"
            "\t</B>\n"
            "\t<E>\n"
            "\t\t<F/>\n"
            "\t</E>\n"
            "\t<B/>\n"
            "</A>\n");
}

TEST(ParamIoXMLWrite, BuildingStopsAtANodeWithoutOpenParent) {
  ParamIoXML io;
  io.addDefine("A");
  io.addDefine("A.B", 1);
  io.addDefine("X.Y", 2);  // no open X: nothing from here on is built
  io.addDefine("A.C", 3);
  EXPECT_EQ(io.toText(false), "<A>\n\t<B>1</B>\n</A>\n");

  ParamIoXML orphan;
  orphan.addDefine("A.B");
  EXPECT_EQ(orphan.toText(true), "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
}

TEST(ParamIoXMLWrite, ANameWithoutDotStartsANewTopLevelElement) {
  ParamIoXML io;
  io.addDefine("A");
  io.addDefine("A.B");
  io.addDefine("X", "1");
  io.addDefine("A.C");  // A is no longer open
  EXPECT_EQ(io.toText(false), "<A>\n\t<B/>\n</A>\n<X>1</X>\n");
}

TEST(ParamIoXMLRoundTrip, PrintedTextReadsBackToTheSameList) {
  ParamIoXML io;
  ASSERT_TRUE(io.readText(
      "<?xml version=\"1.0\"?><!-- dropped -->"
      "<Root z=\"1\" a=\"&quot;quoted&quot; &amp; 'single'\">"
      "<List><Item id=\"1\">  one  </Item><Item id=\"2\"><Sub>&lt;s&gt;</Sub></Item></List>"
      "<Script><![CDATA[a <b> & c]]></Script>"
      "<Empty/><Tabbed>\ta\tb\t</Tabbed></Root>"));
  const std::vector<Flat> original = flat(io);
  ASSERT_EQ(original.size(), 9u);

  const std::string printed = io.toText(true);
  ParamIoXML again;
  ASSERT_TRUE(again.readText(printed));
  EXPECT_EQ(flat(again), original);
  EXPECT_EQ(again.toText(true), printed);
  EXPECT_EQ(printed.find("dropped"), std::string::npos);
  EXPECT_NE(printed.find("<![CDATA[a <b> & c]]>"), std::string::npos);
}

TEST(ParamIoXMLFile, WriteReplacesTheFileAndStartsWithTheDeclaration) {
  ScratchDir dir;
  const std::string path = dir.file("made/on/demand/param.xml");
  ParamIoXML io;
  io.addDefine("P");
  io.addDefine("P.V", 5).setAttribute("unit", "mm");
  ASSERT_TRUE(io.writeFile(path));
  EXPECT_EQ(readText(path),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<P>\n\t<V unit=\"mm\">5</V>\n</P>\n");

  // A shorter document replaces the whole old content.
  ParamIoXML small;
  small.addDefine("Q");
  ASSERT_TRUE(small.writeFile(false, path));
  EXPECT_EQ(readText(path), "<Q/>\n");

  ParamIoXML back;
  ASSERT_TRUE(back.readFile(path));
  EXPECT_EQ(names(back), std::vector<std::string>{"Q"});
}

TEST(ParamIoXMLFile, FileRoundTripDropsCommentsKeepsOrder) {
  ScratchDir dir;
  writeText(dir.file("in.xml"),
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" standalone=\"yes\"?>\n"
            "<!-- header comment -->\n"
            "<Jig b=\"2\" a=\"1\">\n"
            "  <Pos x=\"10\" y=\"20\"/>\n"
            "  <!-- between -->\n"
            "  <Name>first</Name>\n"
            "</Jig>\n");
  ParamIoXML io;
  ASSERT_TRUE(io.readFile(dir.file("in.xml")));
  ASSERT_TRUE(io.writeFile(dir.file("out.xml")));
  EXPECT_EQ(readText(dir.file("out.xml")),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
            "<Jig b=\"2\" a=\"1\">\n"
            "\t<Pos x=\"10\" y=\"20\"/>\n"
            "\t<Name>first</Name>\n"
            "</Jig>\n");
}

TEST(ParamIoXMLFile, WriteRefusalsAnswerFalse) {
  ScratchDir dir;
  ParamIoXML io;
  io.addDefine("A");
  EXPECT_FALSE(io.writeFile(dir.file("a.txt")));
  EXPECT_FALSE(fs::exists(dir.file("a.txt")));
  EXPECT_FALSE(io.writeFile(dir.file("noextension")));
  // A folder where the file should be: it exists, but cannot be opened.
  fs::create_directories(dir.file("folder.xml"));
  EXPECT_FALSE(io.writeFile(dir.file("folder.xml")));
  EXPECT_TRUE(fs::is_directory(dir.file("folder.xml")));
}

// ---------------------------------------------------------------- searching

class ParamIoXMLFind : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(io.readText(
        "<R>"
        "<L><I>1</I><I>2</I><I><Sub>s</Sub></I></L>"
        "<Other/>"
        "<L><I>4</I></L>"
        "<I>top</I>"
        "</R>"));
  }
  ParamIoXML io;
};

TEST_F(ParamIoXMLFind, FindDefineThenFindNextDefineWalkForward) {
  IoXmlDefine* first = io.findDefine("R.L.I");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->value(), "1");
  std::vector<std::string> seen{first->value()};
  while (IoXmlDefine* next = io.findNextDefine("R.L.I")) seen.push_back(next->value());
  EXPECT_EQ(seen, (std::vector<std::string>{"1", "2", "", "4"}));
  // The walk ran off the end; a new findDefine starts from the top again.
  EXPECT_EQ(io.findNextDefine("R.L.I"), nullptr);
  EXPECT_EQ(io.findDefine("R.L.I"), first);
}

TEST_F(ParamIoXMLFind, NullCases) {
  EXPECT_EQ(io.findNextDefine("R"), nullptr);  // no search yet
  EXPECT_EQ(io.findDefine("R.Missing"), nullptr);
  EXPECT_EQ(io.findNextDefine("R.L"), nullptr);  // right after a failed search
  EXPECT_EQ(io.findDefine("R.L.I.Sub.Deeper"), nullptr);
  EXPECT_TRUE(io.findDefines("R.Missing").empty());
  EXPECT_TRUE(io.findNextDefines("R.L.I").empty());

  ASSERT_NE(io.findDefine("R.I"), nullptr);  // the last definition
  EXPECT_EQ(io.findNextDefine("R.I"), nullptr);
  EXPECT_EQ(io.findNextDefine("R"), nullptr);

  ParamIoXML empty;
  EXPECT_EQ(empty.findDefine("R"), nullptr);
  EXPECT_EQ(empty.findNextDefine("R"), nullptr);
}

TEST_F(ParamIoXMLFind, FindDefinesTakesOneListAtATime) {
  // The first list: its items' children do not end the list.
  EXPECT_EQ(values(io.findDefines("R.L.I")), (std::vector<std::string>{"1", "2", ""}));
  // The next call continues after it, with the second list only.
  EXPECT_EQ(values(io.findNextDefines("R.L.I")), std::vector<std::string>{"4"});
  EXPECT_TRUE(io.findNextDefines("R.L.I").empty());
  // findDefines starts over.
  EXPECT_EQ(values(io.findDefines("R.L.I")).size(), 3u);
  EXPECT_EQ(values(io.findDefines("R.L")), std::vector<std::string>{""});
}

TEST_F(ParamIoXMLFind, ListEndsAtFirstNameNotBeginningWithThePath) {
  ParamIoXML list;
  for (const char* name : {"A", "A.B", "A.BX", "A.B", "A.C", "A.B"}) list.addDefine(name);
  // "A.BX" begins with "A.B" (a prefix of the text): visited, not taken.
  EXPECT_EQ(list.findDefines("A.B").size(), 2u);
  EXPECT_EQ(list.findNextDefines("A.B").size(), 1u);
}

TEST_F(ParamIoXMLFind, CopiesSearchTheirOwnList) {
  ASSERT_NE(io.findDefine("R.L.I"), nullptr);
  ParamIoXML copy = io;
  IoXmlDefine* next = copy.findNextDefine("R.L.I");  // the cursor came along
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->value(), "2");
  const auto& own = copy.getDefines();
  EXPECT_TRUE(next >= own.data() && next < own.data() + own.size());
  next->setValue("changed");
  EXPECT_EQ(io.findNextDefine("R.L.I")->value(), "2");
}

TEST(ParamIoXMLModel, ReplacingTheListForgetsTheCursor) {
  ParamIoXML io;
  io.addDefine("Old");
  ASSERT_NE(io.findDefine("Old"), nullptr);
  io.setDefines({IoXmlDefine("A"), IoXmlDefine("A")});
  EXPECT_EQ(names(io), (std::vector<std::string>{"A", "A"}));
  EXPECT_EQ(io.findNextDefine("A"), nullptr);  // a kept cursor would find the second A
  ASSERT_NE(io.findDefine("A"), nullptr);
  io.clear();
  EXPECT_TRUE(io.getDefines().empty());
  EXPECT_EQ(io.findNextDefine("A"), nullptr);
}

// ---------------------------------------------------------------- limits

TEST(ParamIoXMLLimits, NestingUpToTheLimitIsReadAndWritten) {
  ParamIoXML io;
  ASSERT_TRUE(io.readText(nested(ParamIoXML::kMaxDepth, "<L>", "</L>", "deep")));
  ASSERT_EQ(io.getDefines().size(), ParamIoXML::kMaxDepth);
  const IoXmlDefine& deepest = io.getDefines().back();
  EXPECT_EQ(deepest.value(), "deep");
  EXPECT_EQ(deepest.getName().size(), ParamIoXML::kMaxDepth * 2 - 1);  // "L.L...L"

  ParamIoXML again;
  ASSERT_TRUE(again.readText(io.toText(true)));
  EXPECT_EQ(flat(again), flat(io));
}

TEST(ParamIoXMLLimits, OneLevelMoreIsRefused) {
  ParamIoXML io;
  EXPECT_EQ(raisedComment([&] { io.readText(nested(ParamIoXML::kMaxDepth + 1, "<L>", "</L>")); }),
            kDepthRefusal);
  // An empty element is a level of its own.
  EXPECT_EQ(raisedComment([&] {
              io.readText(nested(ParamIoXML::kMaxDepth, "<L>", "</L>", "<E/>"));
            }),
            kDepthRefusal);
  EXPECT_TRUE(io.getDefines().empty());
}

TEST(ParamIoXMLLimits, MarkupThatHidesTagsDoesNotCount) {
  // Each of these holds tag-like text that RapidXML does not parse as
  // elements, at the deepest allowed level: the text must be accepted.
  for (const char* hider : {"<!-- <x><x><x> -->", "<![CDATA[<x><x><x>]]>", "<?pi <x><x> ?>",
                            "<!unknown <x>", "text with &lt;x&gt; entities"}) {
    ParamIoXML io;
    EXPECT_TRUE(io.readText(nested(ParamIoXML::kMaxDepth, "<L>", "</L>", hider))) << hider;
  }
  ParamIoXML io;
  const std::string doctype =
      "<!DOCTYPE L [ <!ELEMENT L ANY> <!ENTITY e \"<x><x><x>\"> ]>\n";
  EXPECT_TRUE(io.readText(doctype + nested(ParamIoXML::kMaxDepth, "<L>", "</L>")));
  // '>' and '<' inside quoted attribute values end nothing.
  EXPECT_TRUE(io.readText(nested(ParamIoXML::kMaxDepth, "<L a=\"x>y\" b='</L>'>", "</L>")));
  ASSERT_EQ(io.getDefines().size(), ParamIoXML::kMaxDepth);
  EXPECT_EQ(io.getDefines().back().attributes(), (Attributes{{"a", "x>y"}, {"b", "</L>"}}));
}

TEST(ParamIoXMLLimits, TagsThatOnlyLookHiddenAreCounted) {
  // "/>" inside a quoted value does not make an empty element; a quote is an
  // ordinary name character for RapidXML (no quoted run starts); whitespace
  // and missing separators between attributes.
  const std::pair<const char*, const char*> tags[] = {
      {"<L t=\"/>\">", "</L>"}, {"<L\">", "</L\">"}, {"<L\n a = '1'b=\"2\" >", "</L >"}};
  for (const auto& tag : tags) {
    ParamIoXML io;
    const std::string text = nested(ParamIoXML::kMaxDepth + 1, tag.first, tag.second);
    EXPECT_EQ(raisedComment([&] { io.readText(text); }), kDepthRefusal) << tag.first;
  }
}

TEST(ParamIoXMLLimits, HundredThousandLevelsAreRefusedQuickly) {
  const std::string closed = nested(100000, "<a>", "</a>");
  const std::string unclosed = nested(100000, "<a x=\"1\">", "");
  ParamIoXML io;
  const double seconds = secondsFor([&] {
    EXPECT_EQ(raisedComment([&] { io.readText(closed); }), kDepthRefusal);
    EXPECT_EQ(raisedComment([&] { io.readText(unclosed); }), kDepthRefusal);
  });
  EXPECT_LT(seconds, 1.0);

  ScratchDir dir;
  writeText(dir.file("deep.xml"), closed);
  EXPECT_EQ(raisedComment([&] { io.readFile(dir.file("deep.xml")); }), kDepthRefusal);
}

TEST(ParamIoXMLLimits, BuiltDocumentsAreBoundedToo) {
  ScratchDir dir;
  ParamIoXML io;
  std::string name = "L";
  io.addDefine(name);
  for (size_t i = 1; i < ParamIoXML::kMaxDepth; ++i) io.addDefine(name += ".L");
  io.addDefine(name + ".CDATA", "a CDATA section adds no level");
  EXPECT_NO_THROW(io.toText(true));

  io.addDefine(name + ".L");
  EXPECT_EQ(raisedComment([&] { io.toText(true); }), kDepthRefusal);
  EXPECT_EQ(raisedComment([&] { io.writeFile(dir.file("deep.xml")); }), kDepthRefusal);
  EXPECT_FALSE(fs::exists(dir.file("deep.xml")));  // refused before the file was made

  ParamIoXML huge;
  std::string hugeName = "L";
  huge.addDefine(hugeName);
  for (size_t i = 1; i < 2000; ++i) huge.addDefine(hugeName += ".L");
  EXPECT_EQ(raisedComment([&] { huge.toText(false); }), kDepthRefusal);
}

TEST(ParamIoXMLLimits, LargeTextsUnderTheLimitAreRead) {
  const size_t fifty = 50u * 1024u * 1024u;
  std::string text = "<R><V>";
  text.append(fifty, 'x');
  text += "</V></R>";
  ParamIoXML io;
  const double seconds = secondsFor([&] { ASSERT_TRUE(io.readText(text)); });
  ASSERT_EQ(io.getDefines().size(), 2u);
  EXPECT_EQ(io.getDefines()[1].value().size(), fifty);
  EXPECT_LT(seconds, 2.0);

  std::string garbage(fifty, 'g');
  EXPECT_EQ(raisedComment([&] { io.readText(garbage); }), "expected < at offset 0");
}

TEST(ParamIoXMLLimits, TextsOverTheLimitAreRefusedUnread) {
  const std::string over(ParamIoXML::kMaxTextBytes + 1, ' ');
  ParamIoXML io;
  const std::string comment = raisedComment([&] { io.readText(over); });
  EXPECT_NE(comment.find("67108865 bytes"), std::string::npos) << comment;
  EXPECT_NE(comment.find("limit of 67108864 bytes"), std::string::npos) << comment;

  // A file over the limit is refused from its size (a sparse file: nothing
  // is written or read).
  ScratchDir dir;
  writeText(dir.file("big.xml"), "<A/>");
  fs::resize_file(dir.file("big.xml"), ParamIoXML::kMaxTextBytes + 1);
  EXPECT_NE(raisedComment([&] { io.readFile(dir.file("big.xml")); }).find("limit of 67108864"),
            std::string::npos);
}

// The nesting limit is meant to keep RapidXML's recursion within small
// host thread stacks: parse and print the deepest accepted document on a
// 256 KiB stack.
struct StackRun {
  std::string text;
  bool readOk = false;
  size_t printedSize = 0;
  std::string error;
};

void* runOnSmallStack(void* arg) {
  auto* run = static_cast<StackRun*>(arg);
  try {
    ParamIoXML io;
    run->readOk = io.readText(run->text);
    run->printedSize = io.toText(true).size();
  } catch (const unitCmnException& e) {
    run->error = e.comment();
  } catch (...) {
    run->error = "unexpected exception";
  }
  return nullptr;
}

TEST(ParamIoXMLLimits, DeepestAcceptedDocumentFitsASmallThreadStack) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "address-sanitizer frames are several times larger than real ones";
#endif
  StackRun run;
  run.text = nested(ParamIoXML::kMaxDepth, "<Level attribute=\"value\">", "</Level>", "text");
  pthread_attr_t attr;
  ASSERT_EQ(pthread_attr_init(&attr), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attr, 256 * 1024), 0);
  pthread_t thread;
  ASSERT_EQ(pthread_create(&thread, &attr, runOnSmallStack, &run), 0);
  ASSERT_EQ(pthread_join(thread, nullptr), 0);
  pthread_attr_destroy(&attr);
  EXPECT_EQ(run.error, "");
  EXPECT_TRUE(run.readOk);
  EXPECT_GT(run.printedSize, run.text.size());  // indentation added
}

}  // namespace
