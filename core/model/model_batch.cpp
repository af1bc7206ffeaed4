#include "core/model/model_batch.h"

namespace {
int batch_depth = 0;
int teardown_depth = 0;
}  // namespace

ModelBatch::ModelBatch() { ++batch_depth; }
ModelBatch::~ModelBatch() { --batch_depth; }
bool ModelBatch::active() { return batch_depth > 0; }

GraphTeardown::GraphTeardown() { ++teardown_depth; }
GraphTeardown::~GraphTeardown() { --teardown_depth; }
bool GraphTeardown::active() { return teardown_depth > 0; }
