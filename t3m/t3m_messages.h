// The message catalogue of t3m: every text it prints, in code page 932.
#ifndef TURNEL_T3M_T3M_MESSAGES_H_
#define TURNEL_T3M_T3M_MESSAGES_H_

#include "base/messages.h"

namespace t3m_msg {

extern const Message kUsage;
extern const Message kOpenFailed;
extern const Message kReadFailed;
extern const Message kBadMagic;
extern const Message kHeaderTruncated;
extern const Message kBadVersion;
extern const Message kNegativeVertexCount;
extern const Message kNegativeConnCount;
extern const Message kConnCountNotTriangles;
extern const Message kVerticesTruncated;
extern const Message kConnsTruncated;
extern const Message kTrailingBytes;
extern const Message kNonFiniteValue;
extern const Message kIndexOutOfRange;
extern const Message kInfoModel;
extern const Message kInfoVertices;
extern const Message kInfoConns;
extern const Message kInfoBounds;
extern const Message kInfoNoBounds;
extern const Message kInfoArea;
extern const Message kInfoZeroArea;
extern const Message kInfoClosed;
extern const Message kInfoOpen;
extern const Message kInfoNoSurface;
extern const Message kInfoVolume;
extern const Message kInfoDrawnUpwards;
extern const Message kInfoDrawnDownwards;
extern const Message kUnknownFormat;
extern const Message kNothingToWrite;
extern const Message kBuildFailed;
extern const Message kBadUpAxis;
extern const Message kWriteFailed;
extern const Message kExported;
extern const Message kBadSize;
extern const Message kNotPng;
extern const Message kRendered;

}  // namespace t3m_msg

#endif  // TURNEL_T3M_T3M_MESSAGES_H_
