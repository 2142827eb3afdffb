#include <gtest/gtest.h>

#include "support/fresh_machine.h"
#include "vcl/classes/filestream.h"
#include "vcl/system/exception.h"
#include "win32/attributes.h"
#include "win32/floppy.h"

using testsupport::FreshMachine;

TEST(FileStream, CreateWriteReopenAndRead) {
    FreshMachine machine;
    {
        TFileStream out("C:\\WINDOWS\\notes.txt", fmCreate);
        out.WriteBuffer("line one\r\nline two", 18);
        EXPECT_EQ(out.Size(), 18);
        out.SetSize(8);
        EXPECT_EQ(out.Position(), 8);
    }
    TFileStream in("c:\\windows\\NOTES.TXT", fmOpenRead | fmShareDenyWrite);
    char buffer[32] = {};
    EXPECT_EQ(in.Read(buffer, 32), 8);
    EXPECT_EQ(std::string(buffer), "line one");
    EXPECT_EQ(in.Seek(-3, soEnd), 5);
    EXPECT_EQ(in.Read(buffer, 3), 3);
    EXPECT_EQ(std::string(buffer, 3), "one");
    EXPECT_EQ(in.Write("x", 1), 0);  // opened for reading only
}

TEST(FileStream, FailuresRaiseWithTheSystemText) {
    FreshMachine machine;
    try {
        TFileStream missing("C:\\nowhere.txt", fmOpenRead);
        ADD_FAILURE();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file C:\\nowhere.txt. The system cannot find the file specified.");
    }
    try {
        TFileStream bad("C:\\No Folder\\x.txt", fmCreate);
        ADD_FAILURE();
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), "Cannot create file C:\\No Folder\\x.txt. The system cannot find the path specified.");
    }
    { TFileStream made("C:\\ro.txt", fmCreate); }
    win32::SetFileAttributes("C:\\ro.txt", win32::FILE_ATTRIBUTE_READONLY);
    EXPECT_THROW(TFileStream("C:\\ro.txt", fmCreate), EFCreateError);
    EXPECT_THROW(TFileStream("C:\\ro.txt", fmOpenReadWrite), EFOpenError);
}

TEST(FileStream, ShareModes) {
    FreshMachine machine;
    { TFileStream made("C:\\shared.dat", fmCreate); }
    struct Case {
        uint16_t first, second;
        bool secondOpens;
    };
    const Case cases[] = {
        {fmOpenRead | fmShareDenyNone, fmOpenReadWrite | fmShareDenyNone, true},
        {fmOpenRead | fmShareDenyWrite, fmOpenRead | fmShareDenyWrite, true},
        {fmOpenRead | fmShareDenyWrite, fmOpenWrite | fmShareDenyNone, false},
        {fmOpenRead | fmShareExclusive, fmOpenRead | fmShareDenyNone, false},
        {fmOpenRead | fmShareCompat, fmOpenRead | fmShareDenyNone, false},
        {fmOpenWrite | fmShareDenyRead, fmOpenRead | fmShareDenyNone, false},
        {fmOpenWrite | fmShareDenyNone, fmOpenRead | fmShareDenyWrite, false},
    };
    for (const Case& c : cases) {
        TFileStream first("C:\\shared.dat", c.first);
        bool opened = true;
        try {
            TFileStream second("C:\\shared.dat", c.second);
        } catch (const EFOpenError& e) {
            opened = false;
            EXPECT_NE(e.Message().find("being used by another process"), std::string::npos);
        }
        EXPECT_EQ(opened, c.secondOpens) << std::hex << c.first << " then " << c.second;
    }
}

TEST(FileStream, ShortWriteOnAFullFloppy) {
    FreshMachine machine;
    TFileStream out("A:\\setup.1", fmCreate);
    const std::string block(1000000, 'z');
    EXPECT_EQ(out.Write(block.data(), 1000000), 1000000);
    EXPECT_EQ(out.Write(block.data(), 1000000), win32::kFloppyCapacity - 1000000);
    EXPECT_THROW(out.WriteBuffer(block.data(), 10), EWriteError);
}
