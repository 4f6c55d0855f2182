// The message catalogue of t3m: every text it prints, in code page 932.
#ifndef TURNEL_T3M_T3M_MESSAGES_H_
#define TURNEL_T3M_T3M_MESSAGES_H_

namespace t3m_msg {

extern const char kUsage[];
extern const char kOpenFailed[];
extern const char kReadFailed[];
extern const char kBadMagic[];
extern const char kHeaderTruncated[];
extern const char kBadVersion[];
extern const char kNegativeVertexCount[];
extern const char kNegativeConnCount[];
extern const char kConnCountNotTriangles[];
extern const char kVerticesTruncated[];
extern const char kConnsTruncated[];
extern const char kTrailingBytes[];
extern const char kNonFiniteValue[];
extern const char kIndexOutOfRange[];
extern const char kInfoModel[];
extern const char kInfoVertices[];
extern const char kInfoConns[];
extern const char kInfoBounds[];
extern const char kInfoNoBounds[];
extern const char kInfoArea[];
extern const char kInfoZeroArea[];
extern const char kInfoClosed[];
extern const char kInfoOpen[];
extern const char kInfoNoSurface[];
extern const char kInfoVolume[];
extern const char kInfoVolumeInward[];
extern const char kUnknownFormat[];
extern const char kNothingToWrite[];
extern const char kGltfFailed[];
extern const char kPngFailed[];
extern const char kWriteFailed[];
extern const char kExported[];
extern const char kBadSize[];
extern const char kNotPng[];
extern const char kRendered[];

}  // namespace t3m_msg

#endif  // TURNEL_T3M_T3M_MESSAGES_H_
