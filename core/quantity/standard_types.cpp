#include "core/quantity/standard_types.h"

#include <string>

namespace {

struct Unit {
    const char* symbol;
    double factor;
    double delta = 0.0;
};

PossPar standard(const std::string& name, std::vector<Unit> units, std::vector<std::string> targets) {
    std::vector<std::string> symbols;
    std::vector<double> factors;
    std::vector<double> deltas;
    for (const Unit& u : units) {
        symbols.push_back(u.symbol);
        factors.push_back(u.factor);
        deltas.push_back(u.delta);
    }
    const size_t n = units.size();
    return PossPar(name, symbols, factors, deltas, std::vector<bool>(n, true), std::vector<bool>(n, false),
                   std::move(targets), false);
}

}  // namespace

std::vector<PossPar> standard_quantity_types() {
    const std::vector<std::string> plain = {"as small as possible", "lower than",  "at most",
                                            "equal to",             "at least",    "larger than",
                                            "as large as possible"};
    const std::vector<std::string> duration = {"as short as possible", "shorter than", "at most",
                                               "equal to",             "at least",     "longer than",
                                               "as long as possible"};
    return {
        standard("function", {{"-", 1}}, std::vector<std::string>(7, "-")),
        standard("real", {{"-", 1}}, plain),
        standard("length", {{"m", 1}, {"km", 1000}, {"mm", 0.001}, {"in", 0.0254}, {"ft", 0.3048}}, duration),
        standard("angle", {{"deg", 1}, {"rad", 57.2957795}}, plain),
        standard("time", {{"sec", 1}, {"min", 60}, {"hr", 3600}, {"day", 86400}, {"yr", 31556926}}, duration),
        standard("mass", {{"kg", 1}, {"g", 0.001}},
                 {"as low as possible", "lower than", "at most", "equal to", "at least", "higher than",
                  "as high as possible"}),
        standard("price", {{"\xE2\x82\xAC", 1}, {"$", 0.9}},
                 {"as low cost as possible", "lower cost than", "at most", "equal to", "at least",
                  "more expensive than", "as expensive as possible"}),
        standard("temperature", {{"C", 1}, {"K", 1, 273.15}, {"F", 0.5555555555555556, 17.77777777777778}},
                 {"as cold as possible", "colder than", "at most", "equal to", "at least", "hotter than",
                  "as hot as possible"}),
        standard("amount of substance", {{"mol", 1}, {"kmol", 1000}},
                 {"as little substance as possible", "less substance than", "at most", "equal to", "at least",
                  "more substance than", "as much substance as possible"}),
        standard("luminous intensity", {{"cd", 1}},
                 {"as dark as possible", "more dim than", "at most as bright as", "equal to",
                  "at least as bright as", "brighter than", "as bright as possible"}),
        standard("velocity", {{"m/s", 1}, {"km/s", 1000}, {"km/h", 0.2777777777777778}},
                 {"as slow as possible", "slower than", "at most as fast as", "equal to", "at least as fast as",
                  "faster than", "as fast as possible"}),
        standard("force", {{"N", 1}},
                 {"as low as possible", "lower than", "at mosts", "equal to", "at least", "larger than",
                  "as large as possible"}),
    };
}
