#include "unitCmnParamIo/ParamIoXML.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include <boost/filesystem.hpp>

#include "support/RaisedComment.h"
#include "support/TestFiles.h"

namespace {

namespace fs = boost::filesystem;

// The list as "name=value[attr=v,...]" joined by "|".
std::string dump(const ParamIoXML& io) {
  std::string out;
  for (const IoXmlDefine& d : io.getDefines()) {
    if (!out.empty()) out += '|';
    out += d.getName() + "=" + d.value();
    std::string attributes;
    for (const auto& a : d.attributes())
      attributes += (attributes.empty() ? "" : ",") + a.first + "=" + a.second;
    if (!attributes.empty()) out += "[" + attributes + "]";
  }
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
  for (size_t i = 0; i < n; ++i) text += open;
  text += inner;
  for (size_t i = 0; i < n; ++i) text += close;
  return text;
}

const std::string kDepthRefusal = "XML nesting exceeds the limit of 256 levels";

// ---------------------------------------------------------------- reading

// A text and the list it reads into, or "!" and the start of the error raised.
TEST(ParamIoXMLRead, TextsBecomeDefinitionsInDocumentOrder) {
  const std::pair<const char*, const char*> cases[] = {
      {"<A><B>1</B><C><D>x</D><D>y</D></C></A>", "A=|A.B=1|A.C=|A.C.D=x|A.C.D=y"},
      // Declaration, comments and indentation leave no trace.
      {"<?xml version=\"1.0\"?>\n<!-- c -->\n<R>\n\t<!-- i -->\n\t<I>\n\t\t<V>7</V>\n\t</I>\n"
       "\t<Blank>   </Blank>\n</R>\n",
       "R=|R.I=|R.I.V=7|R.Blank="},
      {"<A><B>  padded  </B><C>two\nlines</C></A>", "A=|A.B=  padded  |A.C=two\nlines"},
      {"<R z=\"1\" a='&lt;2'><T k=\"v\">&amp;</T></R>", "R=[z=1,a=<2]|R.T=&[k=v]"},
      {"<A><S><![CDATA[a < b && c]]></S></A>", "A=|A.S=|A.S.CDATA=a < b && c"},
      // Mixed content: text first is the value and the elements are dropped;
      // element first visits the children and the text goes to the parent.
      {"<A>head<B>1</B><C/></A>", "A=head"},
      {"<A><B>1</B>tail<C/></A>", "A=tail|A.B=1|A.C="},
      {"<A><B/></A><X>1</X>", "A=|A.B=|X=1"},
      {"garbage", "!expected < at offset 0"},
      {"<A><B></A>", "!invalid closing tag name at offset 9"},  // B closed by A's tag
  };
  for (const auto& c : cases) {
    ParamIoXML io;
    io.addDefine("Stale");
    const std::string expected = c.second;
    if (expected[0] == '!') {
      const std::string comment = raisedComment([&] { io.readText(c.first); });
      EXPECT_EQ(comment.rfind(expected.substr(1), 0), 0u) << c.first << " -> " << comment;
      EXPECT_TRUE(io.getDefines().empty()) << c.first;
    } else {
      ASSERT_TRUE(io.readText(c.first)) << c.first;
      EXPECT_EQ(dump(io), expected) << c.first;
    }
  }
  ParamIoXML io;
  io.addDefine("Stale");
  EXPECT_FALSE(io.readText(""));
  EXPECT_TRUE(io.getDefines().empty());
}

TEST(ParamIoXMLFile, ReadChecksExtensionExistenceAndKind) {
  ScratchDir dir;
  ParamIoXML io;
  writeText(dir.file("a.txt"), "<A/>");
  writeText(dir.file("UPPER.XML"), "<A><B>1</B></A>");
  writeText(dir.file("bad.xml"), "<A><B></A>");
  io.addDefine("Stale");
  EXPECT_FALSE(io.readFile(dir.file("a.txt")));
  EXPECT_TRUE(io.getDefines().empty());
  EXPECT_FALSE(io.readFile(dir.file("missing.xml")));
  EXPECT_TRUE(io.readFile(dir.file("UPPER.XML")));
  EXPECT_EQ(dump(io), "A=|A.B=1");
  EXPECT_EQ(raisedComment([&] { io.readFile(dir.file("bad.xml")); }),
            "invalid closing tag name at offset 9");
  fs::create_directories(dir.file("folder.xml"));
  EXPECT_EQ(raisedComment([&] { io.readFile(dir.file("folder.xml")); }),
            "cannot read file: not a regular file");
}

// ---------------------------------------------------------------- writing

// Each name goes under the nearest open element named as its own name less
// the last segment; a name without a dot starts a new top-level element;
// building stops at a name without an open parent.
TEST(ParamIoXMLWrite, EachNodeGoesUnderItsNearestOpenAncestor) {
  const std::pair<std::vector<const char*>, const char*> cases[] = {
      {{"A", "A.B", "A.B.C", "A.B.C.D", "A.E", "A.E.F", "A.B"},
       "<A>\n\t<B>\n\t\t<C>\n\t\t\t<D/>\n\t\t</C>\n\t</B>\n"
       "\t<E>\n\t\t<F/>\n\t</E>\n\t<B/>\n</A>\n"},
      {{"A", "A.B", "X.Y", "A.C"}, "<A>\n\t<B/>\n</A>\n"},
      {{"A", "A.B", "X", "A.C"}, "<A>\n\t<B/>\n</A>\n<X/>\n"},
      {{"A.B"}, ""},
  };
  for (const auto& c : cases) {
    ParamIoXML io;
    for (const char* name : c.first) io.addDefine(name);
    EXPECT_EQ(io.toText(false), c.second);
  }
}

TEST(ParamIoXMLRoundTrip, PrintedTextReadsBackToTheSameList) {
  ParamIoXML io;
  ASSERT_TRUE(io.readText(
      "<?xml version=\"1.0\"?><!-- dropped -->"
      "<Root z=\"1\" a=\"&quot;quoted&quot; &amp; 'single'\">"
      "<List><Item id=\"1\">  one  </Item><Item id=\"2\"><Sub>&lt;s&gt;</Sub></Item></List>"
      "<Script><![CDATA[a <b> & c]]></Script>"
      "<Empty/><Tabbed>\ta\tb\t</Tabbed></Root>"));
  const std::string printed = io.toText(true);
  ParamIoXML again;
  ASSERT_TRUE(again.readText(printed));
  EXPECT_EQ(dump(again), dump(io));
  EXPECT_EQ(again.toText(true), printed);
  EXPECT_EQ(printed.find("dropped"), std::string::npos);
}

TEST(ParamIoXMLFile, WriteReplacesTheFileStartsWithTheDeclarationOrRefuses) {
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
  EXPECT_EQ(dump(back), "Q=");

  // Refusals answer false.
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
        "<R><L><I>1</I><I>2</I><I><Sub>s</Sub></I></L><Other/><L><I>4</I></L><I>top</I></R>"));
  }
  ParamIoXML io;
};

TEST_F(ParamIoXMLFind, FindDefineThenFindNextDefineWalkForward) {
  EXPECT_EQ(io.findNextDefine("R"), nullptr);  // no search yet
  IoXmlDefine* first = io.findDefine("R.L.I");
  ASSERT_NE(first, nullptr);
  std::vector<std::string> seen{first->value()};
  while (IoXmlDefine* next = io.findNextDefine("R.L.I")) seen.push_back(next->value());
  EXPECT_EQ(seen, (std::vector<std::string>{"1", "2", "", "4"}));
  // The walk ran off the end; a new findDefine starts from the top again.
  EXPECT_EQ(io.findNextDefine("R.L.I"), nullptr);
  EXPECT_EQ(io.findDefine("R.L.I"), first);

  EXPECT_EQ(io.findDefine("R.Missing"), nullptr);
  EXPECT_EQ(io.findNextDefine("R.L"), nullptr);  // right after a failed search
  EXPECT_TRUE(io.findNextDefines("R.L.I").empty());
  ASSERT_NE(io.findDefine("R.I"), nullptr);  // the last definition
  EXPECT_EQ(io.findNextDefine("R"), nullptr);
}

TEST_F(ParamIoXMLFind, FindDefinesTakesOneListAtATime) {
  // The first list: its items' children do not end the list.
  EXPECT_EQ(values(io.findDefines("R.L.I")), (std::vector<std::string>{"1", "2", ""}));
  // The next call continues after it, with the second list only.
  EXPECT_EQ(values(io.findNextDefines("R.L.I")), std::vector<std::string>{"4"});
  EXPECT_TRUE(io.findNextDefines("R.L.I").empty());
  EXPECT_EQ(values(io.findDefines("R.L.I")).size(), 3u);  // starts over

  // "A.BX" begins with "A.B" (a prefix of the text): visited, not taken.
  ParamIoXML list;
  for (const char* name : {"A", "A.B", "A.BX", "A.B", "A.C", "A.B"}) list.addDefine(name);
  EXPECT_EQ(list.findDefines("A.B").size(), 2u);
  EXPECT_EQ(list.findNextDefines("A.B").size(), 1u);
}

TEST_F(ParamIoXMLFind, CopiesSearchTheirOwnListReplacingTheListForgetsTheCursor) {
  ASSERT_NE(io.findDefine("R.L.I"), nullptr);
  ParamIoXML copy = io;
  IoXmlDefine* next = copy.findNextDefine("R.L.I");  // the cursor came along
  ASSERT_NE(next, nullptr);
  next->setValue("changed");
  EXPECT_EQ(io.findNextDefine("R.L.I")->value(), "2");

  io.setDefines({IoXmlDefine("A"), IoXmlDefine("A")});
  EXPECT_EQ(dump(io), "A=|A=");
  EXPECT_EQ(io.findNextDefine("A"), nullptr);  // a kept cursor would find the second A
  ASSERT_NE(io.findDefine("A"), nullptr);
  io.clear();
  EXPECT_TRUE(io.getDefines().empty());
  EXPECT_EQ(io.findNextDefine("A"), nullptr);
}

// ---------------------------------------------------------------- limits

TEST(ParamIoXMLLimits, NestingUpToTheLimitIsReadAndWrittenOneMoreIsRefused) {
  ParamIoXML io;
  ASSERT_TRUE(io.readText(nested(ParamIoXML::kMaxDepth, "<L>", "</L>", "deep")));
  ASSERT_EQ(io.getDefines().size(), ParamIoXML::kMaxDepth);
  EXPECT_EQ(io.getDefines().back().value(), "deep");
  ParamIoXML again;
  ASSERT_TRUE(again.readText(io.toText(true)));
  EXPECT_EQ(dump(again), dump(io));

  EXPECT_EQ(raisedComment([&] { io.readText(nested(ParamIoXML::kMaxDepth + 1, "<L>", "</L>")); }),
            kDepthRefusal);
  EXPECT_TRUE(io.getDefines().empty());
  // Far deeper texts, closed or not, and files are refused the same way.
  const std::string closed = nested(100000, "<a>", "</a>");
  EXPECT_EQ(raisedComment([&] { io.readText(closed); }), kDepthRefusal);
  EXPECT_EQ(raisedComment([&] { io.readText(nested(100000, "<a x=\"1\">", "")); }), kDepthRefusal);
  ScratchDir dir;
  writeText(dir.file("deep.xml"), closed);
  EXPECT_EQ(raisedComment([&] { io.readFile(dir.file("deep.xml")); }), kDepthRefusal);
}

// The nesting scan must skip what the parser skips and count every tag the
// parser nests: open tag, close tag and the text in the deepest element,
// at the deepest allowed level (levels more when "+1").
TEST(ParamIoXMLLimits, TheNestingScanCountsTheTagsTheParserNests) {
  struct Case {
    const char* open;
    const char* close;
    const char* inner;
    size_t levels;
    bool accepted;
  };
  const size_t max = ParamIoXML::kMaxDepth;
  const Case cases[] = {
      {"<L>", "</L>", "<E/>", max, false},  // an empty element is a level
      {"<L>", "</L>", "<!-- <x><x><x> -->", max, true},
      {"<L>", "</L>", "<![CDATA[<x><x><x>]]>", max, true},
      {"<L>", "</L>", "<?pi <x><x> ?>", max, true},
      {"<L>", "</L>", "<!unknown <x>", max, true},
      {"<L>", "</L>", "text with &lt;x&gt; entities", max, true},
      {"<L a=\"x>y\" b='</L>'>", "</L>", "", max, true},  // quoted '<' and '>' end nothing
      {"<L t=\"/>\">", "</L>", "", max + 1, false},        // no empty element
      {"<L\">", "</L\">", "", max + 1, false},             // a quote in a name opens no value
      {"<L\n a = '1'b=\"2\" >", "</L >", "", max + 1, false},
  };
  for (const Case& c : cases) {
    ParamIoXML io;
    const std::string text = nested(c.levels, c.open, c.close, c.inner);
    if (c.accepted) {
      EXPECT_TRUE(io.readText(text)) << c.open << c.inner;
    } else {
      EXPECT_EQ(raisedComment([&] { io.readText(text); }), kDepthRefusal) << c.open << c.inner;
    }
  }
  ParamIoXML io;
  EXPECT_TRUE(io.readText("<!DOCTYPE L [ <!ELEMENT L ANY> <!ENTITY e \"<x><x><x>\"> ]>\n" +
                          nested(max, "<L>", "</L>")));
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
}

TEST(ParamIoXMLLimits, TextsOverTheSizeLimitAreRefusedUnread) {
  // At the limit the text is parsed (and fails as garbage); one byte more
  // is refused for its size.
  ParamIoXML io;
  std::string text(ParamIoXML::kMaxTextBytes, 'g');
  EXPECT_EQ(raisedComment([&] { io.readText(text); }), "expected < at offset 0");
  text += 'g';
  EXPECT_EQ(raisedComment([&] { io.readText(text); }),
            "XML text exceeds the limit of 67108864 bytes (67108865)");

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
// 256 KiB stack. The thread answers the printed text, "" on any failure.
void* readAndPrint(void* arg) {
  std::string& text = *static_cast<std::string*>(arg);
  try {
    ParamIoXML io;
    text = io.readText(text) ? io.toText(true) : std::string();
  } catch (...) {
    text.clear();
  }
  return nullptr;
}

TEST(ParamIoXMLLimits, DeepestAcceptedDocumentFitsASmallThreadStack) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "address-sanitizer frames are several times larger than real ones";
#endif
  const std::string text =
      nested(ParamIoXML::kMaxDepth, "<Level attribute=\"value\">", "</Level>", "text");
  std::string result = text;
  pthread_attr_t attr;
  ASSERT_EQ(pthread_attr_init(&attr), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attr, 256 * 1024), 0);
  pthread_t thread;
  ASSERT_EQ(pthread_create(&thread, &attr, readAndPrint, &result), 0);
  ASSERT_EQ(pthread_join(thread, nullptr), 0);
  pthread_attr_destroy(&attr);
  EXPECT_GT(result.size(), text.size());  // printed, with indentation added
}

}  // namespace
