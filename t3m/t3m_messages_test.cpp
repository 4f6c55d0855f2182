// Every message's code page 932 bytes are its UTF-8 text as the system's own
// converter turns it into code page 932.
#include "t3m/t3m_messages.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/console_text.h"

namespace {

TEST(T3mMessagesTest, EveryMessageIsItsUtf8TextInCodePage932) {
  using namespace t3m_msg;
  const Message kMessages[] = {
      kUsage,
      kOpenFailed,
      kReadFailed,
      kBadMagic,
      kHeaderTruncated,
      kBadVersion,
      kNegativeVertexCount,
      kNegativeConnCount,
      kConnCountNotTriangles,
      kVerticesTruncated,
      kConnsTruncated,
      kTrailingBytes,
      kNonFiniteValue,
      kIndexOutOfRange,
      kInfoModel,
      kInfoVertices,
      kInfoConns,
      kInfoBounds,
      kInfoNoBounds,
      kInfoArea,
      kInfoZeroArea,
      kInfoClosed,
      kInfoOpen,
      kInfoNoSurface,
      kInfoVolume,
      kInfoDrawnUpwards,
      kInfoDrawnDownwards,
      kUnknownFormat,
      kNothingToWrite,
      kBuildFailed,
      kBadUpAxis,
      kWriteFailed,
      kExported,
      kBadSize,
      kNotPng,
      kRendered,
  };
  for (const Message& message : kMessages) {
    EXPECT_EQ(std::string(message.cp932), ToCp932(message.utf8))
        << message.utf8;
  }
}

}  // namespace
