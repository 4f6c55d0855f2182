// A model as a ".t3m" file holds it: vertex records and a triangle list.
#ifndef TURNEL_T3M_MODEL_H_
#define TURNEL_T3M_MODEL_H_

#include <cstdint>
#include <vector>

#include "base/t3m_format.h"

// The records in file order, and the connection entries, three per triangle,
// each an index into the records.
struct Model {
  std::vector<MeshVertex> vertices;
  std::vector<MeshConn> conns;

  int32_t TriangleCount() const {
    return static_cast<int32_t>(conns.size() / 3);
  }
};

#endif  // TURNEL_T3M_MODEL_H_
