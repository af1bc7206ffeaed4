// The persistence layer on generated projects of about 1k, 10k and 100k
// objects: opening and saving project files, one undo snapshot, undo and redo,
// single edits through the model API with their undo and redo, and the memory
// of a full history; pugixml alone parsing and saving the same
// files is the yardstick. Every operation should grow linearly.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "bench/bulk_project.h"
#include "bench/scratch_folder.h"
#include "core/io/project_writer.h"
#include "core/model/argument.h"
#include "core/model/deletion_record.h"
#include "core/model/process_state.h"
#include "core/model/requirement.h"
#include "core/platform/platform.h"
#include "core/text/number_format.h"

namespace {

std::string decimal(size_t value) { return MyStrF::_intToStringWithLength(static_cast<int>(value), 1); }

// The generated files, the saved files and the user configuration live in the
// scratch folder of this process.
using bench_support::scratch;
using bench_support::ScratchPlatform;

struct GeneratedFile {
    std::string directory;
    std::string name;
    std::string path;
    size_t objects = 0;
    std::string problems;
};

// Each size is generated once per process and read back from its file.
const GeneratedFile& generated_file(size_t objects) {
    static std::map<size_t, GeneratedFile> cache;
    auto found = cache.find(objects);
    if (found != cache.end()) return found->second;
    platform::install(std::make_unique<ScratchPlatform>());
    GeneratedFile file;
    file.directory = scratch().string();
    file.name = "generated-" + decimal(objects) + ".xml";
    file.path = file.directory + "/" + file.name;
    {
        Project project("Generated", "");
        file.problems = bench_support::BulkProjectMaker(project, objects).make();
        file.objects = project.get_nd_map().size();
        if (std::string failure = project.write(file.directory, file.name); !failure.empty()) file.problems += failure;
    }
    reset_process_state();
    return cache.emplace(objects, std::move(file)).first->second;
}

// An opened copy of the generated project; the current project while it lives.
struct OpenedProject {
    explicit OpenedProject(const GeneratedFile& file) : project(std::make_unique<Project>()) {
        problems = project->add_from_file(file.directory, file.name);
    }
    ~OpenedProject() {
        project.reset();
        reset_process_state();
    }
    std::unique_ptr<Project> project;
    std::string problems;
};

// Sets the growth variable; false (and the benchmark skipped) when the
// generated project is not sound.
bool prepare(benchmark::State& state, const GeneratedFile& file, const std::string& problems = "") {
    state.SetComplexityN(static_cast<int64_t>(file.objects));
    state.counters["objects"] = static_cast<double>(file.objects);
    const std::string all = file.problems + problems;
    if (all.empty()) return true;
    state.SkipWithError(all.c_str());
    return false;
}

// Objects spread over the registry, for edits that touch one object each.
NodeList spread_objects(const Project& project, size_t count) {
    NodeList picked;
    const size_t step = std::max<size_t>(1, project.get_nd_map().size() / (count + 1));
    size_t index = 0;
    for (const auto& [uid, node] : project.get_nd_map()) {
        if (++index % step == 0 && !node->is_prj()) picked.push_back(node);
        if (picked.size() == count) break;
    }
    return picked;
}

// A one-object edit with its snapshot, as a box does after a text change.
void edit_tooltip(Project& project, Node* node, size_t edit) {
    node->set_tooltip_txt("Edited " + decimal(edit));
    project.add_uid_state(node);
}

// ---- The project file ----

void BM_Open(benchmark::State& state) {
    const GeneratedFile& file = generated_file(static_cast<size_t>(state.range(0)));
    OpenedProject opened(file);
    if (!prepare(state, file, opened.problems)) return;
    // Each open empties the project first, as opening into a used project does.
    for (auto _ : state) benchmark::DoNotOptimize(opened.project->add_from_file(file.directory, file.name));
}

void BM_Save(benchmark::State& state) {
    const GeneratedFile& file = generated_file(static_cast<size_t>(state.range(0)));
    OpenedProject opened(file);
    if (!prepare(state, file, opened.problems)) return;
    // Includes replacing the file safely (temporary file, flush to disk,
    // rename) and rewriting the user configuration.
    for (auto _ : state) benchmark::DoNotOptimize(opened.project->write(file.directory, "saved.xml"));
}

// The save without the file system: the document built and serialised in memory.
void BM_SaveInMemory(benchmark::State& state) {
    const GeneratedFile& file = generated_file(static_cast<size_t>(state.range(0)));
    OpenedProject opened(file);
    if (!prepare(state, file, opened.problems)) return;
    for (auto _ : state) benchmark::DoNotOptimize(project_file::project_file_text(*opened.project));
}

// ---- The yardstick: pugixml alone on the same file ----

void BM_PugixmlParse(benchmark::State& state) {
    const GeneratedFile& file = generated_file(static_cast<size_t>(state.range(0)));
    if (!prepare(state, file)) return;
    pugi::xml_document doc;
    for (auto _ : state) benchmark::DoNotOptimize(doc.load_file(file.path.c_str(), pugi::parse_default, pugi::encoding_auto));
}

void BM_PugixmlSave(benchmark::State& state) {
    const GeneratedFile& file = generated_file(static_cast<size_t>(state.range(0)));
    if (!prepare(state, file)) return;
    pugi::xml_document doc;
    doc.load_file(file.path.c_str(), pugi::parse_default, pugi::encoding_auto);
    const std::string saved = file.directory + "/pugixml-saved.xml";
    for (auto _ : state) benchmark::DoNotOptimize(doc.save_file(saved.c_str(), "\t", pugi::format_default, pugi::encoding_utf8));
}

// ---- The undo history ----

// One snapshot of one object on a project whose history holds a full state;
// once twenty states are held, each snapshot also drops the oldest.
void BM_UndoSnapshot(benchmark::State& state) {
    const GeneratedFile& file = generated_file(static_cast<size_t>(state.range(0)));
    OpenedProject opened(file);
    if (!prepare(state, file, opened.problems)) return;
    Project& project = *opened.project;
    project.add_full_state();
    Node* node = spread_objects(project, 1).front();
    for (auto _ : state) project.add_uid_state(node);
}

// A project opened with a full state and three one-object edits after it.
void prepare_history(Project& project) {
    project.add_full_state();
    size_t edit = 0;
    for (Node* node : spread_objects(project, 3)) edit_tooltip(project, node, ++edit);
}

// One step back (or forward) through the history; the opposite step runs untimed.
template <bool backwards>
void history_step(benchmark::State& state) {
    const GeneratedFile& file = generated_file(static_cast<size_t>(state.range(0)));
    OpenedProject opened(file);
    if (!prepare(state, file, opened.problems)) return;
    Project& project = *opened.project;
    prepare_history(project);
    for (auto _ : state) {
        if (!backwards) {
            state.PauseTiming();
            project.goto_previous_state();
            state.ResumeTiming();
        }
        backwards ? project.goto_previous_state() : project.goto_next_state();
        if (backwards) {
            state.PauseTiming();
            project.goto_next_state();
            state.ResumeTiming();
        }
    }
}

void BM_Undo(benchmark::State& state) { history_step<true>(state); }

void BM_Redo(benchmark::State& state) { history_step<false>(state); }

// The heap taken by a full history: one full state after opening and nineteen
// one-object edits, twenty states in all. The time is that of filling it.
void BM_HistoryMemory(benchmark::State& state) {
    const GeneratedFile& file = generated_file(static_cast<size_t>(state.range(0)));
    if (!prepare(state, file)) return;
    size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto opened = std::make_unique<OpenedProject>(file);
        Project& project = *opened->project;
        const NodeList edited = spread_objects(project, 19);
        const size_t before = mallinfo2().uordblks;
        state.ResumeTiming();
        project.add_full_state();
        size_t edit = 0;
        for (Node* node : edited) edit_tooltip(project, node, ++edit);
        state.PauseTiming();
        bytes = mallinfo2().uordblks - before;
        state.counters["states"] = static_cast<double>(project.get_state_count());
        opened.reset();
        state.ResumeTiming();
    }
    state.counters["history_bytes"] = static_cast<double>(bytes);
    state.counters["bytes_per_object"] = static_cast<double>(bytes) / static_cast<double>(file.objects);
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Complexity();
}


// ---- Single edits through the model API ----

// The objects one kind of edit works on, by uid: the edits keep uids, since
// undo and redo may delete and remake objects.
struct EditTargets {
    std::string requirement;  // a derived, quantified requirement
    std::string argument;
    std::string problem;      // a design problem that receives a pasted option
    std::string option;       // a mid-level option with a subtree below it
    std::string leaf_option;  // the option pasted (option, argument, evidence)
};

// Objects near the middle of the registry: deep enough in the graph to have
// a subtree, far enough from the leaves that an edit reaches some of it.
EditTargets edit_targets(const Project& project) {
    // The first match from the middle on, else the last one before it.
    auto near_middle = [&](auto&& matches) {
        const size_t middle = project.get_nd_map().size() / 2;
        size_t index = 0;
        std::string before;
        for (const auto& [uid, node] : project.get_nd_map()) {
            if (!matches(node)) {
                ++index;
                continue;
            }
            if (index++ >= middle) return uid;
            before = uid;
        }
        return before;
    };
    EditTargets t;
    t.requirement = near_middle([](const Node* n) {
        return n->is_req() && !n->is_tlr() && !static_cast<const Requirement*>(n)->is_functional();
    });
    t.argument = near_middle([](const Node* n) { return n->is_arg(); });
    t.problem = near_middle([](const Node* n) { return n->is_dpr(); });
    t.option = near_middle([](const Node* n) { return n->is_opt() && !n->get_children().empty(); });
    // An option whose argument has one piece of evidence and nothing else.
    t.leaf_option = near_middle([](const Node* n) {
        return n->is_opt() && n->get_children().size() == 1 && n->get_children().front()->is_arg() &&
               n->get_children().front()->get_children().size() == 1;
    });
    return t;
}

Node* resolve(const Project& project, const std::string& uid) { return project._get_pointer_to_node_with_uid(uid); }

enum class Edit { Text, Verb, Quantity, AddEvidence, DeleteSubtree, Paste };

// One user edit with its undo state, as the boxes make it.
void edit(Project& project, const EditTargets& t, Edit kind, size_t round) {
    const std::string number = decimal(round);
    switch (kind) {
    case Edit::Text: {
        Node* option = resolve(project, t.option);
        option->set_subject("renamed part " + number, false);
        NodeList changed = option->get_impacted_by_subject_change();
        changed.push_back(option);
        project.add_uids_state(changed);
        break;
    }
    case Edit::Verb: {
        auto* requirement = static_cast<Requirement*>(resolve(project, t.requirement));
        requirement->change_verb(round % 2 ? "carry" : "hold");
        NodeList changed = requirement->get_impacted_by_vc_change();
        changed.push_back(requirement);
        project.add_uids_state(changed);
        break;
    }
    case Edit::Quantity: {
        auto* requirement = static_cast<Requirement*>(resolve(project, t.requirement));
        requirement->get_par().set_value(100.0 + static_cast<double>(round % 50), true);
        project.add_uid_state(requirement);
        break;
    }
    case Edit::AddEvidence:
        static_cast<Argument*>(resolve(project, t.argument))
            ->add_child_evidence(3, "passes", "the field trial " + number, 0, 0.0, 0, 0, "");
        break;
    case Edit::DeleteSubtree: {
        DeletionRecord record;
        delete resolve(project, t.option);
        project.add_deletion_state(record);
        break;
    }
    case Edit::Paste:
        platform::services().set_clipboard_text(t.leaf_option);
        resolve(project, t.problem)->paste_uid();
        break;
    }
}

// Times the edit itself, its undo or its redo; everything else of a round
// runs untimed, and each round leaves the project as it found it.
enum class Step { Edit, Undo, Redo };

void single_edit(benchmark::State& state, Edit kind, Step step) {
    const GeneratedFile& file = generated_file(static_cast<size_t>(state.range(0)));
    OpenedProject opened(file);
    if (!prepare(state, file, opened.problems)) return;
    Project& project = *opened.project;
    project.restart_history();
    const EditTargets targets = edit_targets(project);
    size_t round = 0;
    for (auto _ : state) {
        ++round;
        if (step == Step::Edit) {
            edit(project, targets, kind, round);
            state.PauseTiming();
        } else {
            state.PauseTiming();
            edit(project, targets, kind, round);
            if (step == Step::Redo) project.goto_previous_state();
            state.ResumeTiming();
            step == Step::Undo ? project.goto_previous_state() : project.goto_next_state();
            state.PauseTiming();
            if (step == Step::Redo) project.goto_previous_state();
        }
        if (step == Step::Edit) project.goto_previous_state();
        state.ResumeTiming();
    }
}

void edit_benchmarks() {
    const std::pair<const char*, Edit> edits[] = {{"Text", Edit::Text},
                                                  {"Verb", Edit::Verb},
                                                  {"Quantity", Edit::Quantity},
                                                  {"AddEvidence", Edit::AddEvidence},
                                                  {"DeleteSubtree", Edit::DeleteSubtree},
                                                  {"Paste", Edit::Paste}};
    const std::pair<const char*, Step> steps[] = {{"", Step::Edit}, {"Undo", Step::Undo}, {"Redo", Step::Redo}};
    for (const auto& [step_name, step] : steps)
        for (const auto& [edit_name, kind] : edits)
            benchmark::RegisterBenchmark((std::string("BM_Edit") + edit_name + step_name).c_str(),
                                         [kind = kind, step = step](benchmark::State& s) { single_edit(s, kind, step); })
                ->Apply(sizes);
}

// The heap taken by a history of one full state after opening and nineteen
// deletions of subtrees spread over the project. The time is that of filling it.
void BM_HistoryMemoryDeletions(benchmark::State& state) {
    const GeneratedFile& file = generated_file(static_cast<size_t>(state.range(0)));
    if (!prepare(state, file)) return;
    size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto opened = std::make_unique<OpenedProject>(file);
        Project& project = *opened->project;
        std::vector<std::string> doomed;
        for (const auto& [uid, node] : project.get_nd_map())
            if (node->is_opt()) doomed.push_back(uid);
        const size_t step = std::max<size_t>(1, doomed.size() / 20);
        const size_t before = mallinfo2().uordblks;
        state.ResumeTiming();
        project.restart_history();
        for (size_t i = step; i < doomed.size() && project.get_state_count() < 20; i += step) {
            Node* option = resolve(project, doomed[i]);
            if (!option) continue;  // went with an earlier subtree
            delete option;
            project.add_node_state();
        }
        state.PauseTiming();
        bytes = mallinfo2().uordblks - before;
        state.counters["states"] = static_cast<double>(project.get_state_count());
        state.counters["objects_left"] = static_cast<double>(project.get_nd_map().size());
        opened.reset();
        state.ResumeTiming();
    }
    state.counters["history_bytes"] = static_cast<double>(bytes);
    state.counters["bytes_per_object"] = static_cast<double>(bytes) / static_cast<double>(file.objects);
}
}  // namespace

BENCHMARK(BM_Open)->Apply(sizes);
BENCHMARK(BM_PugixmlParse)->Apply(sizes);
BENCHMARK(BM_Save)->Apply(sizes);
BENCHMARK(BM_SaveInMemory)->Apply(sizes);
BENCHMARK(BM_PugixmlSave)->Apply(sizes);
BENCHMARK(BM_UndoSnapshot)->Apply(sizes);
BENCHMARK(BM_Undo)->Apply(sizes);
BENCHMARK(BM_Redo)->Apply(sizes);
BENCHMARK(BM_HistoryMemory)->Apply(sizes);
BENCHMARK(BM_HistoryMemoryDeletions)->Apply(sizes);

// The edits are registered before main runs the benchmarks.
[[maybe_unused]] const bool edits_registered = (edit_benchmarks(), true);
