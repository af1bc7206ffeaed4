// Tree layout, tab-page trees and Find on generated trees and projects of
// about 1k, 10k and 100k objects. Linear work shows as a constant time per
// object ("per_object") across the sizes.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "bench/generated_project.h"
#include "core/layout/panel_trees.h"
#include "core/layout/tree_el.h"

namespace {

constexpr int gap = 10;
constexpr int box_w = 100;
constexpr int box_h = 40;

enum class Shape { Random, Deep, Fan, Bushy };

// A tree of n elements without model nodes; every element hangs below one
// made before it, picked according to the shape.
std::unique_ptr<TreeEl> generated_tree(Shape shape, int64_t n) {
    std::mt19937 rng(12345);
    auto root = std::make_unique<TreeEl>(nullptr);
    std::vector<TreeEl*> made{root.get()};
    for (int64_t i = 1; i < n; ++i) {
        size_t parent = 0;
        const size_t last = made.size() - 1;
        switch (shape) {
            case Shape::Random: parent = std::uniform_int_distribution<size_t>(0, last)(rng); break;
            case Shape::Deep:
                parent = last - std::uniform_int_distribution<size_t>(0, std::min<size_t>(last, 2))(rng);
                break;
            case Shape::Fan: parent = 0; break;
            case Shape::Bushy: parent = last / 3; break;
        }
        made.push_back(made[parent]->add_child(nullptr));
    }
    return root;
}

void per_object(benchmark::State& state, int64_t objects) {
    state.SetComplexityN(objects);
    state.counters["objects"] = static_cast<double>(objects);
    state.counters["per_object"] =
        benchmark::Counter(static_cast<double>(objects), benchmark::Counter::kIsIterationInvariantRate |
                                                             benchmark::Counter::kInvert);
}

void TidyLayout(benchmark::State& state, Shape shape) {
    auto tree = generated_tree(shape, state.range(0));
    for (auto _ : state) {
        tree->calculate_pos(gap, box_w, box_h, true);
        benchmark::DoNotOptimize(tree->get_x_pos());
    }
    per_object(state, state.range(0));
}

void LeafGrid(benchmark::State& state) {
    auto tree = generated_tree(Shape::Random, state.range(0));
    for (auto _ : state) {
        tree->calculate_init_pos(gap, box_w, box_h);
        benchmark::DoNotOptimize(tree->get_x_pos());
    }
    per_object(state, state.range(0));
}

void sizes(benchmark::internal::Benchmark* b) {
    b->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);
}

BENCHMARK_CAPTURE(TidyLayout, random, Shape::Random)->Apply(sizes);
BENCHMARK_CAPTURE(TidyLayout, deep, Shape::Deep)->Apply(sizes);
BENCHMARK_CAPTURE(TidyLayout, fan, Shape::Fan)->Apply(sizes);
BENCHMARK_CAPTURE(TidyLayout, bushy, Shape::Bushy)->Apply(sizes);
BENCHMARK(LeafGrid)->Apply(sizes);

// One generated project at a time is current. Building it is slow (see
// BuildThroughModelApi), so the project benchmarks run size by size and share
// it; the last one is left to the operating system at exit.
Project* project = nullptr;
int64_t project_size = 0;

Project& project_of_size(int64_t objects) {
    if (project_size != objects) {
        delete project;
        project = bench_support::generated_project(static_cast<size_t>(objects)).release();
        project_size = objects;
    }
    return *project;
}

void drop_project() {
    delete project;
    project = nullptr;
    project_size = 0;
}

template <TreeEl* (*builder)(Node*, int, int, int)>
void TabPage(benchmark::State& state) {
    Project& p = project_of_size(state.range(0));
    for (auto _ : state) {
        std::unique_ptr<TreeEl> tree(builder(&p, gap, box_w, box_h));
        benchmark::DoNotOptimize(tree.get());
    }
    per_object(state, static_cast<int64_t>(p.get_nd_map().size()));
}

void Find(benchmark::State& state) {
    Project& p = project_of_size(state.range(0));
    size_t hits = 0;
    for (auto _ : state) hits = p.get_objects_with_string("gear works", false, false, false).size();
    state.counters["hits"] = static_cast<double>(hits);
    per_object(state, static_cast<int64_t>(p.get_nd_map().size()));
}

void BuildThroughModelApi(benchmark::State& state) {
    drop_project();
    for (auto _ : state) {
        auto built = bench_support::generated_project(static_cast<size_t>(state.range(0)));
        benchmark::DoNotOptimize(built.get());
    }
    per_object(state, state.range(0));
}

const bool registered = [] {
    benchmark::RegisterBenchmark("BuildThroughModelApi", BuildThroughModelApi)
        ->Arg(1000)
        ->Arg(10000)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    for (const int64_t objects : {1000, 10000, 100000}) {
        benchmark::RegisterBenchmark("ProblemsTab", TabPage<MyFF::get_problems_panel_tree>)->Arg(objects);
        benchmark::RegisterBenchmark("OptionsTab", TabPage<MyFF::get_options_panel_tree>)->Arg(objects);
        benchmark::RegisterBenchmark("RequirementsTab", TabPage<MyFF::get_requirements_panel_tree>)->Arg(objects);
        benchmark::RegisterBenchmark("Find", Find)->Arg(objects);
    }
    return true;
}();

}  // namespace
