// The binary glTF 2.0 export, assembled and written by the glTF library.
#include <tiny_gltf.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <map>
#include <sstream>
#include <tuple>

#include "base/coding.h"
#include "t3m/crease_normals.h"
#include "t3m/exporters.h"

namespace {

// A warm clay colour, in linear RGBA.
const std::vector<double> kClayColour = {0.62, 0.36, 0.24, 1.0};

// glTF's buffers are little-endian whatever the machine.
void AppendFloats(std::initializer_list<float> values,
                  std::vector<unsigned char>* data) {
  for (float value : values) {
    unsigned char bytes[4];
    EncodeFloat(bytes, value);
    data->insert(data->end(), bytes, bytes + sizeof bytes);
  }
}

// A view of bytes [offset, end of data) and one accessor over all of it.
int AddAccessor(tinygltf::Model* gltf, size_t offset, int target, int component,
                int type, size_t count) {
  tinygltf::BufferView view;
  view.buffer = 0;
  view.byteOffset = offset;
  view.byteLength = gltf->buffers[0].data.size() - offset;
  view.target = target;
  gltf->bufferViews.push_back(view);
  tinygltf::Accessor accessor;
  accessor.bufferView = static_cast<int>(gltf->bufferViews.size() - 1);
  accessor.componentType = component;
  accessor.type = type;
  accessor.count = count;
  gltf->accessors.push_back(accessor);
  return static_cast<int>(gltf->accessors.size() - 1);
}

// One vertex of the file: a record with the normal one of its corners takes.
// Records meet in one vertex only where their normals agree, so a rim is
// split between the flat lid and the round side.
struct GlbVertex {
  uint16_t record;
  std::array<float, 3> normal;
  bool operator<(const GlbVertex& other) const {
    return std::tie(record, normal) < std::tie(other.record, other.normal);
  }
};

// Positions, normals and texture coordinates, each a view of its own; then
// the indices, which must sit in a view of their own.
void AddGeometry(const Model& model, const ExportSurface& surface, UpAxis up,
                 tinygltf::Model* gltf, tinygltf::Primitive* primitive) {
  const std::vector<Vec3> normals = CornerNormals(model, surface);
  std::map<GlbVertex, uint32_t> numbers;
  std::vector<GlbVertex> vertices;
  std::vector<uint32_t> indices;
  for (size_t corner = 0; corner < normals.size(); ++corner) {
    Vec3 n = UpVector(normals[corner], up);
    GlbVertex vertex = {surface.faces[corner / 3][corner % 3],
                        {static_cast<float>(n.x), static_cast<float>(n.y),
                         static_cast<float>(n.z)}};
    auto inserted = numbers.emplace(vertex, vertices.size());
    if (inserted.second) vertices.push_back(vertex);
    indices.push_back(inserted.first->second);
  }

  std::vector<unsigned char>& data = gltf->buffers[0].data;
  const size_t count = vertices.size();
  std::vector<double> min(3, HUGE_VAL);
  std::vector<double> max(3, -HUGE_VAL);
  size_t offset = data.size();
  for (const GlbVertex& vertex : vertices) {
    Vec3 p = UpPosition(model.vertices[vertex.record], up);
    const float xyz[3] = {static_cast<float>(p.x), static_cast<float>(p.y),
                          static_cast<float>(p.z)};
    AppendFloats({xyz[0], xyz[1], xyz[2]}, &data);
    for (int k = 0; k < 3; ++k) {
      min[k] = std::min<double>(min[k], xyz[k]);
      max[k] = std::max<double>(max[k], xyz[k]);
    }
  }
  int position =
      AddAccessor(gltf, offset, TINYGLTF_TARGET_ARRAY_BUFFER,
                  TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_VEC3, count);
  gltf->accessors[position].minValues = min;
  gltf->accessors[position].maxValues = max;
  primitive->attributes["POSITION"] = position;

  offset = data.size();
  for (const GlbVertex& vertex : vertices) {
    AppendFloats({vertex.normal[0], vertex.normal[1], vertex.normal[2]}, &data);
  }
  primitive->attributes["NORMAL"] =
      AddAccessor(gltf, offset, TINYGLTF_TARGET_ARRAY_BUFFER,
                  TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_VEC3, count);

  offset = data.size();
  for (const GlbVertex& vertex : vertices) {
    // glTF counts v down from the top of the image; the model counts it up
    // the profile, as OBJ and PLY do.
    const MeshVertex& record = model.vertices[vertex.record];
    AppendFloats({record.u, 1.0f - record.v}, &data);
  }
  primitive->attributes["TEXCOORD_0"] =
      AddAccessor(gltf, offset, TINYGLTF_TARGET_ARRAY_BUFFER,
                  TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_VEC2, count);

  offset = data.size();
  for (uint32_t index : indices) {
    unsigned char bytes[4];
    EncodeFixed32(bytes, index);
    data.insert(data.end(), bytes, bytes + sizeof bytes);
  }
  primitive->indices =
      AddAccessor(gltf, offset, TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER,
                  TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT, TINYGLTF_TYPE_SCALAR,
                  indices.size());
  primitive->mode = TINYGLTF_MODE_TRIANGLES;
}

tinygltf::Model BuildGltf(const Model& model, const ExportSurface& surface,
                          UpAxis up) {
  tinygltf::Model gltf;
  gltf.asset.version = "2.0";
  gltf.asset.generator = "t3m";
  gltf.buffers.resize(1);

  tinygltf::Primitive primitive;
  AddGeometry(model, surface, up, &gltf, &primitive);
  primitive.material = 0;

  tinygltf::Material material;
  material.name = "clay";
  material.pbrMetallicRoughness.baseColorFactor = kClayColour;
  material.pbrMetallicRoughness.metallicFactor = 0.0;
  material.pbrMetallicRoughness.roughnessFactor = 0.8;
  // An open model shows its inside through the opening.
  material.doubleSided = true;
  gltf.materials.push_back(material);

  tinygltf::Mesh mesh;
  mesh.name = "model";
  mesh.primitives.push_back(primitive);
  gltf.meshes.push_back(mesh);
  tinygltf::Node node;
  node.mesh = 0;
  gltf.nodes.push_back(node);
  tinygltf::Scene scene;
  scene.nodes.push_back(0);
  gltf.scenes.push_back(scene);
  gltf.defaultScene = 0;
  return gltf;
}

}  // namespace

bool ExportGlb(const Model& model, const ExportSurface& surface, UpAxis up,
               std::string* bytes) {
  // An accessor may not be empty.
  if (surface.faces.empty()) return false;
  try {
    tinygltf::Model gltf = BuildGltf(model, surface, up);
    std::ostringstream stream;
    tinygltf::TinyGLTF writer;
    if (!writer.WriteGltfSceneToStream(&gltf, stream, false, true)) {
      return false;
    }
    *bytes = stream.str();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}
