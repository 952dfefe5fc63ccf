// SPDX-License-Identifier: MIT
// The inspector, "Load from card" and quorvex-write on the same bytes: a file one of them takes,
// the others take too.
#include "card/MmsFileWriter.h"
#include "card/RecordScramble.h"
#include "card/SmtpFileWriter.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/ThreeReaders.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace quorvex {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes setupFile() {
    MmsTexts texts;
    texts.url = "http://mms.example.net";
    texts.apn = "mms";
    texts.phoneNo = "13900000000";
    texts.email = "jäger@example.org";
    const auto build = MmsFileWriter::build(MmsHeaderValues{}, texts);
    return {build.bytes.begin(), build.bytes.end()};
}

Bytes smtpFile() {
    SmtpTexts texts;
    texts.apn = "internet";
    texts.senderEmail = "cam@example.org";
    texts.recipient = "me@example.org";
    const auto build = SmtpFileWriter::build(SmtpHeaderValues{}, texts);
    return {build.bytes.begin(), build.bytes.end()};
}

// Stores a plain text and length byte in `record` and seals the file again, so only the text
// record is in question.
Bytes withText(Bytes file, CardFile kind, std::size_t record, std::string_view oemBytes,
               std::uint8_t lengthByte) {
    for (std::size_t i = 0; i < kScrambledBytes; ++i)
        file[record * 60 + i] =
            scrambleByte(i < oemBytes.size() ? static_cast<std::uint8_t>(oemBytes[i]) : 0);
    file[record * 60 + 57] = lengthByte;
    testing::repairFrame(kind, file, false);
    return file;
}

struct Case {
    CardFile kind;
    Bytes file;
    std::size_t record;
};

TEST(OneVerdict, WrittenFilesAreValidForAllThree) {
    for (const Case& c :
         {Case{CardFile::Setup, setupFile(), 2}, Case{CardFile::Smtp, smtpFile(), 1}}) {
        EXPECT_EQ(testing::readersDisagree(c.kind, c.file, std::nullopt), "");
        EXPECT_EQ(cardFileVerdict(c.kind, c.file, std::nullopt).verdict, CardVerdict::Readable);
    }
}

// The length byte counts the text's code page 437 bytes, one per character, as the writers
// store it: an empty text with a count, or a count short of the bytes, is damage to all three.
TEST(OneVerdict, TextLengthByteIsTheNumberOfTextBytes) {
    for (const Case& c :
         {Case{CardFile::Setup, setupFile(), 2}, Case{CardFile::Smtp, smtpFile(), 1}}) {
        const Bytes emptyWithCount = withText(c.file, c.kind, c.record, "", 5);
        const Bytes threeBytesCountedTwo = withText(c.file, c.kind, c.record, "\x84\x94\x81", 2);
        for (const Bytes& file : {emptyWithCount, threeBytesCountedTwo}) {
            EXPECT_EQ(testing::readersDisagree(c.kind, file, std::nullopt), "");
            const CardCheck check = cardFileVerdict(c.kind, file, std::nullopt);
            EXPECT_EQ(check.verdict, CardVerdict::Damaged);
            EXPECT_NE(check.detail.find("the length byte holds"), std::string::npos)
                << check.detail;
        }
        // Counted right, the same code page bytes are a text of three characters ("äöü").
        const Bytes counted = withText(c.file, c.kind, c.record, "\x84\x94\x81", 3);
        EXPECT_EQ(testing::readersDisagree(c.kind, counted, std::nullopt), "");
        EXPECT_EQ(cardFileVerdict(c.kind, counted, std::nullopt).verdict, CardVerdict::Readable);
    }
}

} // namespace
} // namespace quorvex
