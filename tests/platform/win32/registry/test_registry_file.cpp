// Registry files: the exact text written, round trips in both formats,
// files saved in UTF-16, deletion lines and faults reported by line.

#include <cstring>

#include "support_registry.h"
#include "win32/registry/registry_file.h"

using namespace win32;

namespace {

class RegistryFileTest : public RegistryTest {
protected:
    RegistryStore& Store() { return CurrentRegistryStore(); }

    void SetRaw(HKEY key, const std::string& name, uint32_t type, const std::string& data) {
        ASSERT_EQ(RegSetValueEx(key, name, 0, type, reinterpret_cast<const uint8_t*>(data.data()),
                                static_cast<uint32_t>(data.size())),
                  ERROR_SUCCESS);
    }

    // A key with one value of every kind the format knows.
    void FillSample() {
        HKEY key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tarn\\Sample");
        SetRaw(key, "", REG_SZ, std::string("default\0", 8));
        SetRaw(key, "Quote \"and\" \\slash", REG_SZ, std::string("C:\\Program Files\\\"x\"\0", 22));
        SetRaw(key, "Count", REG_DWORD, std::string("\x0a\0\0\0", 4));
        SetRaw(key, "Path", REG_EXPAND_SZ, std::string("%SystemRoot%\\\xE9\0", 15));
        SetRaw(key, "List", REG_MULTI_SZ, std::string("a\0b\0\0", 5));
        SetRaw(key, "Blob", REG_BINARY, std::string(40, '\x5a'));
        SetRaw(key, "None", REG_NONE, "");
        SetRaw(key, "Odd", REG_SZ, std::string("two\r\nlines\0tail", 15));
        SetRaw(key, "Short", REG_DWORD, "\x01");
        SetRaw(key, "Quad", REG_QWORD, std::string("\x01\0\0\0\0\0\0\0", 8));
        RegCloseKey(key);
        RegCloseKey(Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tarn\\Sample\\Empty"));
    }
};

}  // namespace

TEST_F(RegistryFileTest, WritesTheRegistryEditorsText) {
    HKEY key = Create(HKEY_CURRENT_USER, "Software\\Tarn");
    SetRaw(key, "", REG_SZ, std::string("top\0", 4));
    SetRaw(key, "Say \"hi\"", REG_SZ, std::string("a\\b\0", 4));
    SetRaw(key, "Ten", REG_DWORD, std::string("\x0a\0\0\0", 4));
    SetRaw(key, "Env", REG_EXPAND_SZ, std::string("%a%\0", 4));
    std::string bytes;
    for (int i = 0; i < 30; ++i) bytes += static_cast<char>(i);
    SetRaw(key, "ShellState", REG_BINARY, bytes);
    RegCloseKey(Create(key, "Sub"));
    RegCloseKey(key);

    const std::string common =
        "[HKEY_CURRENT_USER\\Software\\Tarn]\r\n"
        "@=\"top\"\r\n"
        "\"Say \\\"hi\\\"\"=\"a\\\\b\"\r\n"
        "\"Ten\"=dword:0000000a\r\n";
    const std::string shellState =
        "\"ShellState\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,\\\r\n"
        "  14,15,16,17,18,19,1a,1b,1c,1d\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\Tarn\\Sub]\r\n"
        "\r\n";
    EXPECT_EQ(ExportRegistry(Store(), "hkcu\\software\\TARN", RegistryFileFormat::Version5),
              "Windows Registry Editor Version 5.00\r\n\r\n" + common + "\"Env\"=hex(2):25,00,61,00,25,00,00,00\r\n" +
                  shellState);
    EXPECT_EQ(ExportRegistry(Store(), "HKEY_CURRENT_USER\\Software\\Tarn", RegistryFileFormat::Regedit4),
              "REGEDIT4\r\n\r\n" + common + "\"Env\"=hex(2):25,61,25,00\r\n" + shellState);
}

TEST_F(RegistryFileTest, LongHexDataWrapsAtEightyColumns) {
    HKEY key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Wrap");
    SetRaw(key, "B", REG_BINARY, std::string(100, '\x11'));
    RegCloseKey(key);
    const std::string text = ExportRegistry(Store(), "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wrap", RegistryFileFormat::Version5);
    size_t start = text.find("\"B\"");
    ASSERT_NE(start, std::string::npos);
    int lines = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        const std::string line = text.substr(start, end - start);
        if (line.empty()) break;
        ++lines;
        EXPECT_LE(line.size(), 80u) << line;
        if (lines > 1) {
            EXPECT_EQ(line.substr(0, 2), "  ");
        }
        start = end + 2;
    }
    // The first line holds 23 bytes, continuations 25: 23 + 25 + 25 + 25 + 2.
    EXPECT_EQ(lines, 5);
}

TEST_F(RegistryFileTest, BothFormatsRoundTripEveryValueExactly) {
    FillSample();
    for (const auto format : {RegistryFileFormat::Version5, RegistryFileFormat::Regedit4}) {
        const std::string before = ExportRegistry(Store(), "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarn", format);
        const auto originals = Store().Values(*Store().FindSubKey(
            *Store().FindSubKey(*Store().FindSubKey(Store().HiveId("HKEY_LOCAL_MACHINE"), "SOFTWARE"), "Tarn"), "Sample"));
        ASSERT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tarn\\Sample\\Empty"), ERROR_SUCCESS);
        ASSERT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tarn\\Sample"), ERROR_SUCCESS);

        ImportRegistry(Store(), before);
        EXPECT_EQ(ExportRegistry(Store(), "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarn", format), before);
        HKEY key = 0;
        ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tarn\\Sample", 0, KEY_READ, &key), ERROR_SUCCESS);
        for (const auto& original : originals) {
            uint32_t type = 0;
            EXPECT_EQ(Read(key, original.name, &type), original.data) << original.name;
            EXPECT_EQ(type, original.type) << original.name;
        }
        RegCloseKey(key);
    }
}

TEST_F(RegistryFileTest, WholeRegistryExportListsEachHiveOnce) {
    FillSample();
    RegCloseKey(Create(HKEY_CURRENT_USER, "Software\\Mine"));
    const std::string all = ExportRegistry(Store(), "", RegistryFileFormat::Version5);
    EXPECT_NE(all.find("[HKEY_LOCAL_MACHINE]\r\n"), std::string::npos);
    EXPECT_NE(all.find("[HKEY_USERS\\.DEFAULT\\Software\\Mine]\r\n"), std::string::npos);
    EXPECT_EQ(all.find("HKEY_CURRENT_USER"), std::string::npos);
    EXPECT_EQ(all.find("HKEY_CLASSES_ROOT"), std::string::npos);
    EXPECT_LT(all.find("[HKEY_LOCAL_MACHINE]"), all.find("[HKEY_USERS]"));
    EXPECT_THROW(ExportRegistry(Store(), "HKEY_LOCAL_MACHINE\\Nowhere", RegistryFileFormat::Version5), RegistryFileError);
}

TEST_F(RegistryFileTest, ReadsUtf16FilesWithTheirByteOrderMark) {
    const std::u16string text =
        u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wide]\r\n\"Caf\u00e9\"=\"\u20ac 5\"\r\n"
        u"\"Multi\"=hex(7):61,00,00,00,\\\r\n  00,00\r\n";
    std::string bytes = "\xFF\xFE";
    for (const char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    ImportRegistry(Store(), bytes);
    HKEY key = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Wide", 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(Read(key, "caf\xC9"), std::string("\x80 5\0", 4));
    EXPECT_EQ(Read(key, "Multi"), std::string("a\0\0", 3));
    RegCloseKey(key);
}

TEST_F(RegistryFileTest, MinusLinesDeleteKeysAndValues) {
    FillSample();
    ImportRegistry(Store(),
                   "REGEDIT4\n"
                   "; a comment\n"
                   "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarn\\Sample\\Empty]\n"
                   "\"Ignored\"=\"under a deleted key\"\n"
                   "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarn\\Sample]\n"
                   "\"count\"=-\n"
                   "\"Missing\"=-\n"
                   "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\NeverWas]\n");
    HKEY key = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tarn\\Sample", 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(Read(key, "Count"), "error 2");
    EXPECT_EQ(Read(key, "Blob"), std::string(40, '\x5a'));
    uint32_t subKeys = 9;
    ASSERT_EQ(RegQueryInfoKey(key, &subKeys, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 0u);
    RegCloseKey(key);
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tarn\\Sample\\Empty", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryFileTest, BadFilesNameTheLineAndChangeNothing) {
    struct Case {
        const char* text;
        int line;
    };
    const Case cases[] = {
        {"REGEDIT5\r\n", 1},
        {"", 1},
        {"\r\nREGEDIT4\r\n\r\n\"v\"=\"before any key\"\r\n", 4},
        {"REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Bad\r\n", 2},
        {"REGEDIT4\r\n[HKEY_NOWHERE\\X]\r\n", 2},
        {"REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\\\X]\r\n", 2},
        {"REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Bad]\r\n\"a\"=\"ok\"\r\n\"b\"=dword:123456789\r\n", 4},
        {"REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Bad]\r\n\"a\"=hex:01,zz\r\n", 3},
        {"REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Bad]\r\n\"a\"=hex(x):01\r\n", 3},
        {"REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Bad]\r\n\"a\"=\"unclosed\r\n", 3},
        {"REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Bad]\r\n\"a\"=\"x\" trailing\r\n", 3},
        {"REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Bad]\r\n\"a\" \"x\"\r\n", 3},
        {"REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Bad]\r\n\"a\"=word:1\r\n", 3},
        {"REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Bad]\r\n\"a\"=hex:01,\\", 3},
        {"REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Bad]\r\nstray text\r\n", 3},
        {"Windows Registry Editor Version 5.00\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Bad]\r\n\"a\"=hex(2):41\r\n", 3},
        {"REGEDIT4\r\n[-HKEY_LOCAL_MACHINE]\r\n", 2},
    };
    for (const auto& c : cases) {
        try {
            ImportRegistry(Store(), c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const RegistryFileError& error) {
            EXPECT_EQ(error.Line(), c.line) << c.text;
            EXPECT_EQ(std::string(error.what()).rfind("Line " + std::to_string(c.line) + ": ", 0), 0u) << error.what();
        }
        HKEY key = 0;
        EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Bad", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND) << c.text;
    }
}
