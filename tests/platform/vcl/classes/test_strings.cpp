#include "vcl/classes/strings.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/fresh_machine.h"
#include "vcl/classes/stream.h"
#include "vcl/system/exception.h"

namespace {

std::vector<std::string> Lines(const TStrings& s) {
    std::vector<std::string> out;
    for (int i = 0; i < s.Count(); ++i) out.push_back(s.Strings(i));
    return out;
}

using V = std::vector<std::string>;

}  // namespace

TEST(StringList, TextSplitsAtEveryLineBreakAndJoinsWithCrLf) {
    struct Case {
        std::string text;
        V lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},  // LF then CR: two breaks
        {"\r\n", {""}},
        {std::string("a\0b", 3), {std::string("a\0b", 3)}},  // a NUL is text
    };
    for (const Case& c : cases) {
        TStringList list;
        list.SetText(c.text);
        EXPECT_EQ(Lines(list), c.lines) << c.text;
    }
    TStringList list;
    list.SetText("x\ny");
    EXPECT_EQ(list.Text(), "x\r\ny\r\n");
}

TEST(StringList, CommaTextQuotesWhatNeedsItAndReadsBack) {
    struct Case {
        V lines;
        std::string comma;
    };
    const Case cases[] = {
        {{"a", "b"}, "a,b"},
        {{"a b", "c"}, "\"a b\",c"},
        {{"say \"hi\"", "x,y"}, "\"say \"\"hi\"\"\",\"x,y\""},
        {{""}, "\"\""},
        {{"a", "", "b"}, "a,,b"},
        {{}, ""},
    };
    for (const Case& c : cases) {
        TStringList list;
        for (const auto& l : c.lines) list.Add(l);
        EXPECT_EQ(list.CommaText(), c.comma);
        TStringList back;
        back.SetCommaText(c.comma);
        EXPECT_EQ(Lines(back), c.lines) << c.comma;
    }
    struct ReadCase {
        std::string comma;
        V lines;
    };
    const ReadCase reads[] = {
        {"a b,c", {"a", "b", "c"}},  // unquoted blanks separate too
        {"  a , b ", {"a", "b"}},
        {"a,", {"a", ""}},
        {"\"open", {"open"}},
    };
    for (const ReadCase& c : reads) {
        TStringList list;
        list.SetCommaText(c.comma);
        EXPECT_EQ(Lines(list), c.lines) << c.comma;
    }
}

TEST(StringList, NamesAndValues) {
    TStringList list;
    list.SetText("Path=C:\\x\nmode=a=b\nplain\n=empty name");
    EXPECT_EQ(list.Names(0), "Path");
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.Values("PATH"), "C:\\x");
    EXPECT_EQ(list.Values("Mode"), "a=b");  // only the first "=" separates
    EXPECT_EQ(list.Values("plain"), "");
    EXPECT_EQ(list.IndexOfName("mode"), 1);
    EXPECT_EQ(list.IndexOfName(""), 3);
    EXPECT_EQ(list.ValueFromIndex(3), "empty name");
    list.SetValues("Mode", "c");
    EXPECT_EQ(list.Strings(1), "Mode=c");
    list.SetValues("New", "1");
    EXPECT_EQ(list.Strings(4), "New=1");
    list.SetValues("path", "");
    EXPECT_EQ(list.IndexOfName("Path"), -1);
    EXPECT_EQ(list.Count(), 4);
}

TEST(StringList, IndexOfIgnoresCaseUnlessCaseSensitive) {
    TStringList list;
    list.Add("Alpha");
    list.Add("\xC9t\xE9");  // "Été" in code page 1252
    EXPECT_EQ(list.IndexOf("ALPHA"), 0);
    EXPECT_EQ(list.IndexOf("\xE9t\xC9"), 1);
    EXPECT_EQ(list.IndexOf("Alph"), -1);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("ALPHA"), -1);
    EXPECT_EQ(list.IndexOf("Alpha"), 0);
}

TEST(StringList, SortedListsKeepOrderAndHandleDuplicates) {
    struct Case {
        TDuplicates duplicates;
        V expected;
        bool raises;
    };
    const Case cases[] = {
        {dupIgnore, {"apple", "Banana", "cherry"}, false},
        {dupAccept, {"apple", "banana", "Banana", "cherry"}, false},  // before its equal
        {dupError, {"apple", "Banana", "cherry"}, true},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.SetSorted(true);
        list.SetDuplicates(c.duplicates);
        list.Add("cherry");
        list.Add("Banana");
        list.Add("apple");
        if (c.raises) {
            try {
                list.Add("banana");
                ADD_FAILURE();
            } catch (const EListError& e) {
                EXPECT_EQ(e.Message(), "String list does not allow duplicates");
            }
        } else {
            list.Add("banana");
        }
        EXPECT_EQ(Lines(list), c.expected);
        int index = -1;
        EXPECT_TRUE(list.Find("BANANA", index));
        EXPECT_EQ(index, 1);  // the first of equal strings
        EXPECT_FALSE(list.Find("blueberry", index));
        EXPECT_EQ(index, static_cast<int>(c.expected.size()) - 1);
    }
    TStringList list;
    list.SetSorted(true);
    list.Add("b");
    for (auto call : {+[](TStringList& l) { l.Insert(0, "a"); }, +[](TStringList& l) { l.SetStrings(0, "z"); }}) {
        try {
            call(list);
            ADD_FAILURE();
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), "Operation not allowed on sorted list");
        }
    }
}

TEST(StringList, SettingSortedSortsAndCaseSensitivityResorts) {
    TStringList list;
    list.SetCommaText("B,c,b,a");
    list.SetSorted(true);
    EXPECT_EQ(Lines(list), (V{"a", "B", "b", "c"}));  // equal ignoring case: kept in order
    list.SetCaseSensitive(true);
    EXPECT_EQ(Lines(list), (V{"a", "b", "B", "c"}));  // the locale puts lower case first
}

TEST(StringList, EditsObjectsAndBadIndexes) {
    TStringList list;
    TObject o1, o2;
    list.AddObject("one", &o1);
    list.Add("two");
    list.InsertObject(0, "zero", &o2);
    EXPECT_EQ(list.Objects(1), &o1);
    EXPECT_EQ(list.IndexOfObject(&o2), 0);
    list.Move(0, 2);
    EXPECT_EQ(Lines(list), (V{"one", "two", "zero"}));
    EXPECT_EQ(list.Objects(2), &o2);
    list.Exchange(0, 1);
    EXPECT_EQ(list.Objects(1), &o1);
    list.Delete(0);
    EXPECT_EQ(Lines(list), (V{"one", "zero"}));
    for (int bad : {-1, 2}) {
        try {
            list.Strings(bad);
            ADD_FAILURE();
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(bad) + ")");
        }
    }
    EXPECT_THROW(list.Insert(3, "x"), EListError);
    EXPECT_THROW(list.Delete(2), EListError);
}

TEST(StringList, ChangeEventsFireAroundChangesAndOnceInAnUpdate) {
    TStringList list;
    std::vector<std::string> log;
    TObject owner;
    list.SetOnChanging(TNotifyEvent(&owner, [&](TObject* sender) {
        log.push_back("changing " + std::to_string(static_cast<TStringList*>(sender)->Count()));
    }));
    list.SetOnChange(TNotifyEvent(&owner, [&](TObject* sender) {
        log.push_back("changed " + std::to_string(static_cast<TStringList*>(sender)->Count()));
    }));
    list.Add("a");
    EXPECT_EQ(log, (V{"changing 0", "changed 1"}));
    log.clear();
    list.BeginUpdate();
    list.Add("b");
    list.BeginUpdate();
    list.Add("c");
    list.EndUpdate();
    EXPECT_EQ(log, (V{"changing 1"}));
    list.EndUpdate();
    EXPECT_EQ(log, (V{"changing 1", "changed 3"}));
    log.clear();
    list.SetText("x\ny");  // one change for the whole text
    EXPECT_EQ(log, (V{"changing 3", "changed 2"}));
}

TEST(StringList, AssignAddStringsAndStreams) {
    TStringList source;
    TObject o;
    source.AddObject("a", &o);
    source.Add("b");
    TStringList copy;
    copy.Add("old");
    copy.Assign(&source);
    EXPECT_TRUE(copy.Equals(source));
    EXPECT_EQ(copy.Objects(0), &o);
    copy.AddStrings(source);
    EXPECT_EQ(copy.Count(), 4);
    TPersistent other;
    EXPECT_THROW(copy.Assign(&other), EConvertError);

    TMemoryStream stream;
    stream.WriteBuffer("skip", 4);
    source.SaveToStream(stream);
    EXPECT_EQ(stream.Bytes(), "skipa\r\nb\r\n");
    stream.SetPosition(4);
    TStringList loaded;
    loaded.LoadFromStream(stream);
    EXPECT_EQ(Lines(loaded), (V{"a", "b"}));
}

TEST(StringList, FilesOfTheMachine) {
    testsupport::FreshMachine machine;
    TStringList list;
    list.SetText("first\nsecond");
    list.SaveToFile("C:\\list.txt");
    EXPECT_EQ(testsupport::ReadHostFile(machine.HostPath("C:\\list.txt")), "first\r\nsecond\r\n");
    TStringList loaded;
    loaded.LoadFromFile("c:\\LIST.TXT");
    EXPECT_EQ(Lines(loaded), (V{"first", "second"}));
    EXPECT_THROW(loaded.LoadFromFile("C:\\missing.txt"), EFOpenError);
    EXPECT_EQ(loaded.Count(), 2);  // a failed load keeps the lines
}
