// The binary glTF 2.0 export, assembled and written by the glTF library.
#include <tiny_gltf.h>

#include <algorithm>
#include <exception>
#include <sstream>

#include "base/coding.h"
#include "t3m/exporters.h"
#include "t3m/geometry.h"
#include "t3m/smooth_normals.h"

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

// Positions, normals and texture coordinates, each a view of its own; then
// the indices, which must sit in a view of their own.
void AddGeometry(const Model& model, tinygltf::Model* gltf,
                 tinygltf::Primitive* primitive) {
  std::vector<unsigned char>& data = gltf->buffers[0].data;
  const size_t count = model.vertices.size();
  std::vector<double> min = {model.vertices[0].x, model.vertices[0].y,
                             model.vertices[0].z};
  std::vector<double> max = min;
  size_t offset = data.size();
  for (const MeshVertex& vertex : model.vertices) {
    AppendFloats({vertex.x, vertex.y, vertex.z}, &data);
    const double p[3] = {vertex.x, vertex.y, vertex.z};
    for (int k = 0; k < 3; ++k) {
      min[k] = std::min(min[k], p[k]);
      max[k] = std::max(max[k], p[k]);
    }
  }
  int position =
      AddAccessor(gltf, offset, TINYGLTF_TARGET_ARRAY_BUFFER,
                  TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_VEC3, count);
  gltf->accessors[position].minValues = min;
  gltf->accessors[position].maxValues = max;
  primitive->attributes["POSITION"] = position;

  offset = data.size();
  for (const Vec3& n : SmoothNormals(model)) {
    AppendFloats({static_cast<float>(n.x), static_cast<float>(n.y),
                  static_cast<float>(n.z)},
                 &data);
  }
  primitive->attributes["NORMAL"] =
      AddAccessor(gltf, offset, TINYGLTF_TARGET_ARRAY_BUFFER,
                  TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_VEC3, count);

  offset = data.size();
  for (const MeshVertex& vertex : model.vertices) {
    // glTF counts v down from the top of the image; the model counts it up
    // the profile, as OBJ and PLY do.
    AppendFloats({vertex.u, 1.0f - vertex.v}, &data);
  }
  primitive->attributes["TEXCOORD_0"] =
      AddAccessor(gltf, offset, TINYGLTF_TARGET_ARRAY_BUFFER,
                  TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_VEC2, count);

  offset = data.size();
  for (int32_t t = 0; t < model.TriangleCount(); ++t) {
    for (uint16_t corner : OutwardCorners(model, t)) {
      unsigned char bytes[2];
      EncodeFixed16(bytes, corner);
      data.insert(data.end(), bytes, bytes + sizeof bytes);
    }
  }
  primitive->indices =
      AddAccessor(gltf, offset, TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER,
                  TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT, TINYGLTF_TYPE_SCALAR,
                  model.conns.size());
  primitive->mode = TINYGLTF_MODE_TRIANGLES;
}

tinygltf::Model BuildGltf(const Model& model) {
  tinygltf::Model gltf;
  gltf.asset.version = "2.0";
  gltf.asset.generator = "t3m";
  gltf.buffers.resize(1);

  tinygltf::Primitive primitive;
  AddGeometry(model, &gltf, &primitive);
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

bool ExportGlb(const Model& model, std::string* bytes) {
  // An accessor may not be empty.
  if (model.TriangleCount() == 0) return false;
  try {
    tinygltf::Model gltf = BuildGltf(model);
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
