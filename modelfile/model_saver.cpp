// STUB
#include "modelfile/model_saver.h"
int ModelSaver::Save(const std::string&, int32_t, T3DMODEL, const char*) { return 1; }
