/* The 3D model library's six operations: the only header the converter
 * includes from it. Every integer is 32 bits; a model is named by an opaque,
 * non-zero handle. */
#ifndef TURNEL_LIB3D_TORVANE3D_H_
#define TURNEL_LIB3D_TORVANE3D_H_

#include <stdint.h>

/* Callers need no import marking for functions: the import library's thunks
 * serve them, and a statically linked stand-in can take the library's place. */
#if defined(_WIN32) && defined(TORVANE3D_BUILDING_DLL)
#define TORVANE3D_API __declspec(dllexport)
#elif defined(_WIN32)
#define TORVANE3D_API
#else
#define TORVANE3D_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A model handle; 0 names no model. */
typedef uint32_t T3DMODEL;

/* The size of the window's client area, in pixels. */
typedef struct Torvane3DSize {
  int32_t width;
  int32_t height;
} Torvane3DSize;

/* The vertex format of 20-byte records: position x, y, z and one texture
 * coordinate u, v, each a 32-bit float. */
#define TORVANE3D_FORMAT_XYZ_UV 0x10000000
/* A list of triangles, three connection entries each. */
#define TORVANE3D_PRIMITIVE_TRIANGLES 1

/* Parameter ids of T3DModel_GetParam. */
#define T3DMODEL_PARAM_VERTEX_COUNT 1
#define T3DMODEL_PARAM_CONN_COUNT 2

/* Starts the library for a window (which may be null) and the size of its
 * client area. Non-zero when ready; 0 when it is already started. */
TORVANE3D_API int32_t Torvane3D_Init(int32_t reserved, void* window,
                                     const Torvane3DSize* size, int32_t flags);

/* Shuts the library down and releases every model it holds. */
TORVANE3D_API int32_t Torvane3D_UnInit(void);

/* Creates a model from vertex records and 16-bit connection entries, keeping
 * its own copy of both. Gives the model's handle, or 0 when refused. */
TORVANE3D_API T3DMODEL Torvane3D_CreateModel(int32_t format, int32_t primitive,
                                             const void* vertices,
                                             int32_t vertex_count,
                                             const void* conns,
                                             int32_t conn_count);

/* Gives a model's vertex count (id 1) or connection count (id 2); 0 for an
 * unknown model or id. */
TORVANE3D_API int32_t T3DModel_GetParam(T3DMODEL model, int32_t id);

/* Copies up to count vertex records, from record start on, into dest; gives
 * how many were copied. */
TORVANE3D_API int32_t T3DModel_GetVts(T3DMODEL model, int32_t start,
                                      int32_t count, void* dest);

/* Copies up to count connection entries, from entry start on, into dest;
 * gives how many were copied. */
TORVANE3D_API int32_t T3DModel_GetConns(T3DMODEL model, int32_t start,
                                        int32_t count, void* dest);

#ifdef __cplusplus
}
#endif

#endif /* TURNEL_LIB3D_TORVANE3D_H_ */
