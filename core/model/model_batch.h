#pragma once

// Scopes in which the graph changes wholesale and readiness is not kept up to
// date link by link.
//
// ModelBatch: a graph is being rebuilt (from a file, an undo state); whoever
// opened the batch recomputes everything once at the end.
//
// GraphTeardown: a whole graph is being deleted; objects skip the clean-ups
// that only matter to survivors (integration requirements of sibling
// problems, arguments handed to a parent option, the required level).
class ModelBatch {
public:
    ModelBatch();
    ~ModelBatch();
    ModelBatch(const ModelBatch&) = delete;
    ModelBatch& operator=(const ModelBatch&) = delete;
    static bool active();
};

class GraphTeardown {
public:
    GraphTeardown();
    ~GraphTeardown();
    GraphTeardown(const GraphTeardown&) = delete;
    GraphTeardown& operator=(const GraphTeardown&) = delete;
    static bool active();

private:
    ModelBatch batch;
};
