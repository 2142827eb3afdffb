#include "vcl/classes/stream.h"

#include <gtest/gtest.h>

#include "vcl/system/exception.h"

TEST(MemoryStream, WritesReadsAndSeeksLikeAFile) {
    TMemoryStream s;
    s.WriteBuffer("hello world", 11);
    EXPECT_EQ(s.Size(), 11);
    EXPECT_EQ(s.Position(), 11);
    s.Seek(-5, soEnd);
    char buf[5];
    s.ReadBuffer(buf, 5);
    EXPECT_EQ(std::string(buf, 5), "world");
    EXPECT_EQ(s.Read(buf, 5), 0);  // at the end
    s.SetPosition(20);              // past the end: a write fills the gap
    s.WriteBuffer("!", 1);
    EXPECT_EQ(s.Size(), 21);
    EXPECT_EQ(s.Bytes().substr(11, 9), std::string(9, '\0'));
    s.SetSize(5);
    EXPECT_EQ(s.Bytes(), "hello");
    EXPECT_EQ(s.Position(), 5);
}

TEST(MemoryStream, ShortReadsAndBadSeeksRaise) {
    TMemoryStream s;
    s.WriteBuffer("abc", 3);
    s.SetPosition(1);
    char buf[4];
    EXPECT_THROW(s.ReadBuffer(buf, 4), EReadError);
    EXPECT_THROW(s.Seek(-1, soBeginning), EStreamError);
}

TEST(MemoryStream, CopyFromTakesAllOrACount) {
    TMemoryStream src;
    std::string big(200000, 'x');
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>('a' + i % 26);
    src.WriteBuffer(big.data(), static_cast<int32_t>(big.size()));
    TMemoryStream all;
    EXPECT_EQ(all.CopyFrom(src, 0), 200000);
    EXPECT_EQ(all.Bytes(), big);
    src.SetPosition(3);
    TMemoryStream part;
    EXPECT_EQ(part.CopyFrom(src, 4), 4);
    EXPECT_EQ(part.Bytes(), "defg");
}
