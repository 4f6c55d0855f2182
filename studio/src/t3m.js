// Reads a .t3m model file for drawing: the layout is the README's (16-byte
// header, 20-byte vertices x y z u v, 16-bit connections, little-endian).
const HEADER_BYTES = 16;
const VERTEX_BYTES = 20;

export class ModelFileError extends Error {}

export function readT3m(bytes) {
  if (bytes.length < HEADER_BYTES) throw new ModelFileError('too short');
  const data = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  const magic = String.fromCharCode(...bytes.subarray(0, 4));
  if (magic !== 'T3M_') throw new ModelFileError('not a .t3m model file');
  if (data.getInt32(4, true) !== 1) throw new ModelFileError('unknown version');
  const vertexCount = data.getInt32(8, true);
  const connCount = data.getInt32(12, true);
  if (vertexCount < 0 || connCount < 0 || connCount % 3 !== 0 ||
      bytes.length !== HEADER_BYTES + VERTEX_BYTES * vertexCount + 2 * connCount) {
    throw new ModelFileError('counts do not match the file size');
  }
  const positions = new Float32Array(3 * vertexCount);
  const uvs = new Float32Array(2 * vertexCount);
  let bounded = true;
  for (let i = 0; i < vertexCount; ++i) {
    const at = HEADER_BYTES + VERTEX_BYTES * i;
    for (let k = 0; k < 3; ++k) {
      const value = data.getFloat32(at + 4 * k, true);
      if (!Number.isFinite(value)) bounded = false;
      positions[3 * i + k] = value;
    }
    uvs[2 * i] = data.getFloat32(at + 12, true);
    uvs[2 * i + 1] = data.getFloat32(at + 16, true);
  }
  if (!bounded) throw new ModelFileError('a vertex is not a finite number');
  const indices = new Uint16Array(connCount);
  const base = HEADER_BYTES + VERTEX_BYTES * vertexCount;
  for (let i = 0; i < connCount; ++i) {
    const index = data.getUint16(base + 2 * i, true);
    if (index >= vertexCount) throw new ModelFileError('a connection names no vertex');
    indices[i] = index;
  }
  return { vertexCount, connCount, positions, uvs, indices };
}
